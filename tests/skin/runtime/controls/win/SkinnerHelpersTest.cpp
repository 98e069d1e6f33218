// What every control skinner builds on: reading and writing a control's
// properties by name, the skin frame drawing helpers, caption placement
// and the mouse-down point handed to a control the skinner keeps a press
// from.
#include "framework/controls/Buttons.h"
#include "framework/controls/Edits.h"
#include "framework/controls/GlyphButtons.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/DibSection.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/runtime/controls/PropertyByName.h"
#include "skin/runtime/controls/SkinControl.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

using SkinnerHelpersTest = SkinnedFormTest;

const char* kControls =
    "object Button1: TButton\n Left = 10\n Top = 10\n Width = 90\n Height = 25\n Caption = 'Go'\n Tag = 7\n end\n"
    "object Check1: TCheckBox\n Left = 10\n Top = 50\n Width = 90\n Height = 20\n Caption = 'Tick'\n end\n";

// A skinner that only exposes the protected helpers.
class ProbeSkinner : public TSkinControl {
 public:
  using TSkinControl::ForwardMouseDown;
  using TSkinControl::TSkinControl;
};

TEST_F(SkinnerHelpersTest, PropertiesByNameReadAndWriteWhatExistsAndNeverFailOnWhatDoesNot) {
  MakeSkinnedForm(kControls);
  auto* button = framework::testing::FindIn<framework::TButton>(*form_, L"Button1");
  auto* check = framework::testing::FindIn<framework::TCheckBox>(*form_, L"Check1");
  ASSERT_TRUE(button && check);
  EXPECT_EQ(GetIntPropByName(button, "Tag"), 7);
  EXPECT_EQ(GetIntPropByName(button, "NumButtons"), -1);
  EXPECT_EQ(GetIntPropByName(nullptr, "Tag"), -1);
  EXPECT_EQ(GetIntPropByName(button, "Caption"), -1) << "a string is not an integer";
  EXPECT_EQ(GetEnumPropByName(check, "Checked"), L"False");
  EXPECT_EQ(GetEnumPropByName(check, "Missing"), L"");
  EXPECT_EQ(GetTextPropByName(button, "Caption"), L"Go");
  EXPECT_EQ(GetTextPropByName(nullptr, "Caption"), L"");

  SetPropByName(check, "Checked", L"True");
  EXPECT_TRUE(check->Checked());
  SetPropByName(button, "Caption", L"Run");
  EXPECT_EQ(button->Caption(), L"Run");
  SetPropByName(button, "Transparent", L"True");  // missing: ignored
  SetPropByName(button, "Font", L"x");            // an object: ignored
  EXPECT_EQ(GetObjectPropByName(button, "Font", framework::TFont::StaticClassInfo()), button->Font());
  EXPECT_EQ(GetObjectPropByName(button, "Font", framework::TStrings::StaticClassInfo()), nullptr);
}

// Reads one pixel of a bitmap as 0x00RRGGBB.
Color PixelAt(DibSection& bitmap, int x, int y) {
  GdiFlush();
  return bitmap.Pixels()[static_cast<size_t>(y) * bitmap.Width() + x] & 0xFFFFFF;
}

TEST_F(SkinnerHelpersTest, SkinMapDrawsTheAskedFrameAndNothingForInvertedRectangles) {
  MakeSkinnedForm();
  const TDataSkinButton& definition = *skin_->Button;
  ASSERT_GT(definition.frame, 1);
  const SIZE strip = BitmapSize(MapHandle(definition.Map));
  const int frameWidth = strip.cx / definition.frame;
  const PixelImage source = ReadBitmapPixels(MapHandle(definition.Map));

  DibSection target = DibSection::Create(frameWidth, strip.cy);
  BitmapDC dc(target.Handle());
  for (int frame = 1; frame <= definition.frame; ++frame) {
    TSkinControl::DrawSkinMap(dc.Get(), RECT{0, 0, frameWidth, strip.cy}, &definition, frame, definition.frame);
    const int x = frameWidth / 2, y = strip.cy / 2;
    const Color expected = source.At((frame - 1) * frameWidth + x, y) & 0xFFFFFF;
    if (definition.trans == 1 && expected == 0xFF00FF) continue;
    EXPECT_EQ(PixelAt(target, x, y), expected) << "frame " << frame;
  }
  FillSolid(dc.Get(), Rect{0, 0, frameWidth, strip.cy}, 0x123456);
  TSkinControl::DrawSkinMap(dc.Get(), RECT{10, 10, 5, 5}, &definition, 1, definition.frame);
  TSkinControl::DrawSkinMap(dc.Get(), RECT{0, 0, 10, 10}, nullptr, 1, 1);
  EXPECT_EQ(PixelAt(target, 7, 7), 0x563412u) << "nothing was drawn";
  EXPECT_EQ(PixelAt(target, 1, 1), 0x563412u) << "nothing was drawn";
}

TEST_F(SkinnerHelpersTest, CentredCaptionSitsOnePixelAboveTheCentre) {
  MakeSkinnedForm(kControls);
  ProbeSkinner probe(nullptr);
  DibSection canvas = DibSection::Create(100, 41);
  BitmapDC dc(canvas.Handle());
  FillSolid(dc.Get(), Rect{0, 0, 100, 41}, 0xFFFFFF);
  SetTextColor(dc.Get(), RGB(0, 0, 0));
  probe.DrawCaption(dc.Get(), RECT{0, 0, 100, 41}, L"I", true, false, DT_CENTER);
  GdiFlush();
  int top = -1, bottom = -1;
  for (int y = 0; y < 41; ++y) {
    for (int x = 0; x < 100; ++x) {
      if ((canvas.Pixels()[y * 100 + x] & 0xFFFFFF) != 0xFFFFFF) {
        if (top < 0) top = y;
        bottom = y;
      }
    }
  }
  ASSERT_GE(top, 0) << "no text was drawn";
  SIZE size{};
  GetTextExtentPoint32W(dc.Get(), L"I", 1, &size);
  const int cellTop = (41 - size.cy) / 2 - 1;
  EXPECT_GE(top, cellTop);
  EXPECT_LE(bottom, cellTop + size.cy);
}

// Windows are at most 32767 pixels wide; a window-less control can be
// wider, and then the packed 16-bit coordinates of a press wrap.
TEST_F(SkinnerHelpersTest, MouseDownOfAVeryWideControlUsesTheCursorPosition) {
  MakeSkinnedForm(std::string(kControls) +
                  "object Speed1: TSpeedButton\n Left = 10\n Top = 80\n Width = 60\n Height = 22\n end\n");
  auto* speed = framework::testing::FindIn<framework::TSpeedButton>(*form_, L"Speed1");
  ASSERT_TRUE(speed);
  int seenX = -1;
  speed->OnMouseDown = [&](framework::TObject*, framework::TMouseButton, framework::TShiftState, int x, int) {
    seenX = x;
  };
  ProbeSkinner probe(speed);
  probe.GControl = speed;
  framework::TMessage press{WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 5), 0};
  probe.ForwardMouseDown(press);
  EXPECT_EQ(seenX, 30);

  speed->SetLeft(-35000);
  speed->SetWidth(40000);
  ASSERT_EQ(speed->Width(), 40000);
  POINT cursor{};
  SetCursorPos(200, 150);
  GetCursorPos(&cursor);
  const int expected = speed->ScreenToClient(cursor).x;
  ASSERT_GT(expected, 32768);
  probe.ForwardMouseDown(press);
  EXPECT_EQ(seenX, expected) << "the packed x (30) is not where the cursor is";
}

}  // namespace
}  // namespace lanvero::testing
