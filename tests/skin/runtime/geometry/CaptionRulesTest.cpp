// Which caption buttons show in which window state, where they sit, which
// frame they draw, and where the caption text goes.
#include <gtest/gtest.h>

#include "skin/runtime/geometry/CaptionButtonRules.h"
#include "skin/runtime/geometry/CaptionTextLayout.h"

namespace lanvero {
namespace {

CaptionWindowFacts NormalWindow() {
  CaptionWindowFacts facts;
  facts.systemMenu = true;
  facts.minBox = true;
  facts.maxBox = true;
  return facts;
}

const AskVisibility kNoAnswer;

TEST(CaptionButtonRules, MaximiseButtonWithoutMaxBoxIsShownDisabled) {
  CaptionWindowFacts facts = NormalWindow();
  facts.maxBox = false;
  const CaptionButtonState max = DecideCaptionButton(1, 0, 6, facts, kNoAnswer);
  EXPECT_TRUE(max.visible);
  EXPECT_FALSE(max.enabled);
  EXPECT_EQ(IdleButtonFrame(true, max.enabled, 4), kFrameDisabled);
  EXPECT_EQ(IdleButtonFrame(true, max.enabled, 3), kFrameNormal) << "a three-frame image has no disabled frame";
  // Without either box the same definition hides the button.
  facts.minBox = false;
  EXPECT_FALSE(DecideCaptionButton(1, 0, 6, facts, kNoAnswer).visible);
}

TEST(CaptionButtonRules, CloseNeedsASystemMenuAndIconButtonsSkipDialogs) {
  CaptionWindowFacts facts = NormalWindow();
  EXPECT_TRUE(DecideCaptionButton(0, 0, 0, facts, kNoAnswer).visible);
  facts.systemMenu = false;
  EXPECT_FALSE(DecideCaptionButton(0, 0, 0, facts, kNoAnswer).visible);
  facts = NormalWindow();
  facts.dialogFrame = true;
  for (const int32_t icon : {3, 11, 12}) EXPECT_FALSE(DecideCaptionButton(icon, 0, 0, facts, kNoAnswer).visible);
}

TEST(CaptionButtonRules, StateCodesFollowTheWindow) {
  CaptionWindowFacts facts = NormalWindow();
  EXPECT_FALSE(DecideCaptionButton(50, 1, 0, facts, kNoAnswer).visible) << "code 1: maximised only";
  EXPECT_TRUE(DecideCaptionButton(50, 2, 0, facts, kNoAnswer).visible);
  facts.maximised = true;
  EXPECT_TRUE(DecideCaptionButton(50, 1, 0, facts, kNoAnswer).visible);
  facts.active = false;
  EXPECT_TRUE(DecideCaptionButton(50, 4, 4, facts, kNoAnswer).visible);
  EXPECT_FALSE(DecideCaptionButton(50, 3, 0, facts, kNoAnswer).visible);
  EXPECT_FALSE(DecideCaptionButton(50, -1, 0, facts, kNoAnswer).visible);
  EXPECT_FALSE(DecideCaptionButton(50, 5, 0, facts, kNoAnswer).visible);
  EXPECT_TRUE(DecideCaptionButton(50, 500, 0, facts, kNoAnswer).visible);
  EXPECT_FALSE(DecideCaptionButton(50, 3000, 0, facts, kNoAnswer).visible);
  facts = NormalWindow();
  facts.dialogFrame = true;
  EXPECT_TRUE(DecideCaptionButton(50, 200, 200, facts, kNoAnswer).visible);
  facts.messageBox = true;
  EXPECT_FALSE(DecideCaptionButton(50, 200, 200, facts, kNoAnswer).visible);
}

TEST(CaptionButtonRules, ApplicationDecidesCodesFromOneThousand) {
  int asked = 0;
  const AskVisibility answerNo = [&](int32_t code, int32_t action) {
    ++asked;
    EXPECT_EQ(code, 1500);
    EXPECT_EQ(action, 40);
    return false;
  };
  EXPECT_FALSE(DecideCaptionButton(40, 1500, 0, NormalWindow(), answerNo).visible);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(DecideCaptionButton(40, 1500, 0, NormalWindow(), [](int32_t, int32_t) { return true; }).visible);
}

TEST(CaptionButtonRules, PlacementByAlignment) {
  CaptionPlacement place;
  place.windowWidth = 400;
  place.xCoord = 19;
  place.yCoord = 5;
  place.align = 1;
  EXPECT_EQ(PlaceCaptionButton(place, 16, 14), (Rect{381, 5, 397, 19})) << "XCoord from the right edge";
  place.align = 0;
  EXPECT_EQ(PlaceCaptionButton(place, 16, 14), (Rect{19, 5, 35, 19}));
  place.captionText = Rect{60, 4, 200, 24};
  place.align = 2;
  EXPECT_EQ(PlaceCaptionButton(place, 16, 14).left, 60 - 16 - 19);
  place.align = 3;
  EXPECT_EQ(PlaceCaptionButton(place, 16, 14).left, 200 + 19);
  place.align = 100;
  place.rightBorder = 4;
  place.captionHeight = 30;
  place.menuHeight = 20;
  place.menuBarLeftTile = 3;
  EXPECT_EQ(PlaceCaptionButton(place, 16, 14), (Rect{374, 33, 390, 47})) << "centred in the menu band";
}

TEST(CaptionButtonRules, MouseStateFrames) {
  EXPECT_EQ(ButtonFrameForState(3, true, false, 4), kFrameHot);
  EXPECT_EQ(ButtonFrameForState(2, true, false, 4), kFramePressed);
  EXPECT_EQ(ButtonFrameForState(3, false, false, 4), kFrameDisabled);
  EXPECT_EQ(ButtonFrameForState(3, false, false, 3), kFrameNormal);
  EXPECT_EQ(ButtonFrameForState(3, true, true, 4), kFrameDisabled) << "menu bar buttons show frame 4 when hot";
  EXPECT_EQ(ButtonFrameForState(3, true, false, 2), kFrameNormal) << "no frame 3 in a two-frame image";
}

TEST(CaptionButtonRules, ActionsAndHints) {
  EXPECT_TRUE(IsDecoration(-1));
  EXPECT_FALSE(IsDecoration(0));
  EXPECT_TRUE(IsWindowIconAction(3));
  EXPECT_TRUE(IsWindowIconAction(11));
  EXPECT_FALSE(IsWindowIconAction(12));
  EXPECT_STREQ(ButtonHintText(0), L"Close");
  EXPECT_STREQ(ButtonHintText(22), L"Maximize");
  EXPECT_STREQ(ButtonHintText(60), L"Minimize");
  EXPECT_STREQ(ButtonHintText(61), L"Restore");
  EXPECT_STREQ(ButtonHintText(3), L"");
}

CaptionTextInput Caption() {
  CaptionTextInput in;
  in.area = Rect{4, 0, 661, 30};
  in.textWidth = 100;
  in.textHeight = 14;
  in.textShift = 10;
  in.textShiftVert = 2;
  in.rightClip = 60;
  in.backLeft = 6;
  in.backRight = 6;
  return in;
}

TEST(CaptionTextLayout, LeftCentreAndRightAlignment) {
  CaptionTextInput in = Caption();
  CaptionTextPlacement p = PlaceCaptionText(in);
  EXPECT_EQ(p.back, (Rect{14, 9, 126, 23}));
  EXPECT_EQ(p.text, (Rect{20, 9, 120, 23}));
  in.alignment = 1;
  EXPECT_EQ(PlaceCaptionText(in).back.left, 4 + (657 - 112) / 2);
  in.alignment = 2;
  EXPECT_EQ(PlaceCaptionText(in).back.right, 661 - 60);
}

TEST(CaptionTextLayout, LongTextIsClippedAtTheRightAndDialogsStartFurtherLeft) {
  CaptionTextInput in = Caption();
  in.textWidth = 1000;
  EXPECT_EQ(PlaceCaptionText(in).back.right, 661 - 60);
  in.popupStyle = true;
  in.rightButtons = 30;
  EXPECT_EQ(PlaceCaptionText(in).back.right, 661 - 30 - 5);
  in = Caption();
  in.dialogFrame = true;
  EXPECT_EQ(PlaceCaptionText(in).back.left, 14 - 16);
}

TEST(CaptionTextLayout, RightToLeftCaptionsSitAgainstTheButtonsShiftedTenPixels) {
  CaptionTextInput in = Caption();
  in.rightToLeft = true;
  in.rightButtons = 40;
  const CaptionTextPlacement p = PlaceCaptionText(in);
  EXPECT_EQ(p.back.left, 4 + (657 - 40 - 112) + 10);
}

}  // namespace
}  // namespace lanvero
