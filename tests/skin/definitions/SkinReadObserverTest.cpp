// What a load tells its observer: the keys each field came from, the values
// the loader decided itself, image lookups and texts it could not read.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "skin/definitions/SkinReadObserver.h"
#include "tests/skin/definitions/SkinBuilder.h"

namespace lanvero {
namespace {

using testing::SkinBuilder;

struct FieldEvent {
  const TDataSkinObject* owner;
  DefinitionField field;
  std::string section, key, text;
  int32_t value;
  std::optional<FieldRule> rule;  // empty: read from the key
};

struct ImageEvent {
  const TDataSkinObject* owner;
  DefinitionField field;
  std::string key, text;
  ImageLookup outcome;
  int32_t width;
};

class Recorder : public SkinReadObserver {
 public:
  void NotANumber(const KeySource& s, int32_t fallback) override {
    notNumbers.push_back(std::string(s.key) + "=" + std::string(s.text) + "->" + std::to_string(fallback));
  }
  void ColorText(const KeySource& s) override { colors.push_back(std::string(s.section) + "." + std::string(s.key)); }
  void ImageRead(const TDataSkinObject* owner, DefinitionField field, const KeySource& s, ImageLookup outcome,
                 const PixelImage& image) override {
    images.push_back({owner, field, std::string(s.key), std::string(s.text), outcome, image.Width()});
  }
  void FieldRead(const TDataSkinObject& owner, DefinitionField field, const KeySource& s, int32_t value) override {
    fields.push_back({&owner, field, std::string(s.section), std::string(s.key), std::string(s.text), value, {}});
  }
  void FieldDecided(const TDataSkinObject& owner, DefinitionField field, int32_t value, FieldRule rule) override {
    fields.push_back({&owner, field, "", "", "", value, rule});
  }

  // The events of one field of one definition, in order.
  std::vector<FieldEvent> Of(const TDataSkinObject* owner, DefinitionField field) const {
    std::vector<FieldEvent> found;
    for (const FieldEvent& e : fields) {
      if (e.owner == owner && e.field == field) found.push_back(e);
    }
    return found;
  }
  const ImageEvent* Image(const TDataSkinObject* owner, DefinitionField field) const {
    for (const ImageEvent& e : images) {
      if (e.owner == owner && e.field == field) return &e;
    }
    return nullptr;
  }

  std::vector<std::string> notNumbers, colors;
  std::vector<ImageEvent> images;
  std::vector<FieldEvent> fields;
};

void Load(const SkinBuilder& skin, SkinDefinitions& d, Recorder& recorder) {
  ASSERT_TRUE(ParseSkinPackage(skin.SkinFile(), d, &recorder));
}

TEST(SkinReadObserver, FieldsNameTheKeyTheyCameFrom) {
  SkinDefinitions d;
  Recorder r;
  Load(SkinBuilder("[Personality]\nLeft=e.bmp\nLeftTopHeight=30\nTop=e.bmp\nTopTopHeight=4\nTopFrame=2\n"
                   "[Scrollbar]\nImage=e.bmp\nLeftWidth=0x2\n")
           .Bitmap("e.bmp", 8, 8),
       d, r);
  const auto leftTop = r.Of(d.border[kEdgeLeft].get(), DefinitionField::MarginTop);
  ASSERT_EQ(leftTop.size(), 1u);  // a side edge keeps its fixed parts at top and bottom
  EXPECT_EQ(leftTop[0].key, "LeftTopHeight");
  EXPECT_EQ(leftTop[0].value, 30);
  const auto topLeft = r.Of(d.border[kEdgeTop].get(), DefinitionField::MarginLeft);
  ASSERT_EQ(topLeft.size(), 1u);  // a top edge at left and right
  EXPECT_EQ(topLeft[0].text, "4");
  const auto frames = r.Of(d.border[kEdgeTop].get(), DefinitionField::Frames);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].section, "Personality");
  EXPECT_EQ(frames[0].value, 2);
  const auto absent = r.Of(d.border[kEdgeTop].get(), DefinitionField::MarginRight);
  ASSERT_EQ(absent.size(), 1u);
  EXPECT_EQ(absent[0].text, "");  // not written: the default
  const auto hex = r.Of(d.SArrow.get(), DefinitionField::MarginLeft);
  ASSERT_EQ(hex.size(), 1u);
  EXPECT_EQ(hex[0].text, "0x2");
  EXPECT_EQ(hex[0].value, 2);
}

TEST(SkinReadObserver, DecisionsOfTheLoaderFollowWhatWasRead) {
  SkinDefinitions d;
  Recorder r;
  Load(SkinBuilder("[MenuItem]\nImage=e.bmp\nFrame=3\nTile=2\n[Tab.Pane]\nImage=e.bmp\nLeftWidth=9\nTopHeight=2\n"
                   "[Headerbar]\nImage=e.bmp\n[HorzScrollThumb]\nImage=e.bmp\nFrame=7\n[Track]\nImage=e.bmp\n"
                   "[BUTTON0]\nButtonImage=e.bmp\n[Progress]\nBitmap=e.bmp\nStyle=1\nTile=5\n")
           .Bitmap("e.bmp", 40, 10),
       d, r);
  const auto menuFrames = r.Of(d.MenuItem.get(), DefinitionField::Frames);
  ASSERT_EQ(menuFrames.size(), 2u);
  EXPECT_EQ(menuFrames[0].text, "3");
  EXPECT_EQ(menuFrames[1].value, 5);
  EXPECT_EQ(menuFrames[1].rule, FieldRule::Fixed);
  const auto menuTile = r.Of(d.MenuItem.get(), DefinitionField::Tile);
  ASSERT_EQ(menuTile.size(), 2u);
  EXPECT_EQ(menuTile[1].value, 0);  // above 1 reads as 0 ...
  const auto progressTile = r.Of(d.progress.get(), DefinitionField::Tile);
  ASSERT_EQ(progressTile.size(), 2u);
  EXPECT_EQ(progressTile[1].value, 1);  // ... and as 1 in "Progress"
  EXPECT_EQ(progressTile[1].rule, FieldRule::Capped);
  EXPECT_EQ(r.Of(d.progress.get(), DefinitionField::Frames).back().value, 1);  // Style 1

  const auto paneLeft = r.Of(d.TabSheet.get(), DefinitionField::MarginLeft);
  ASSERT_EQ(paneLeft.size(), 2u);
  EXPECT_EQ(paneLeft[1].value, 4);
  EXPECT_EQ(paneLeft[1].rule, FieldRule::Capped);
  EXPECT_EQ(r.Of(d.TabSheet.get(), DefinitionField::MarginTop).size(), 1u);  // 2 stays

  EXPECT_EQ(r.Of(d.Header.get(), DefinitionField::Frames).back().rule, FieldRule::Chosen);
  const auto thumb = r.Of(d.HSlider.get(), DefinitionField::Frames);
  ASSERT_EQ(thumb.size(), 2u);  // "Frame" is read, then "FrameCount" replaces it
  EXPECT_EQ(thumb[1].key, "FrameCount");
  EXPECT_EQ(thumb[1].value, 3);
  EXPECT_EQ(r.Of(d.TrackBar.get(), DefinitionField::Frames).size(), 1u);  // as read: nothing decided

  const auto caption = r.Of(d.SysBtn[0].get(), DefinitionField::Frames);
  ASSERT_EQ(caption.size(), 2u);
  EXPECT_EQ(caption[1].value, 6);  // 40 x 10 is wider than 3.8 : 1
  EXPECT_EQ(caption[1].rule, FieldRule::Chosen);
  EXPECT_EQ(r.Of(d.Button.get(), DefinitionField::Frames).back().rule, FieldRule::Fixed);
  EXPECT_EQ(r.Of(d.Title.get(), DefinitionField::Frames).back().value, 2);
}

TEST(SkinReadObserver, ImageLookupsTellHowTheyEnded) {
  SkinDefinitions d;
  Recorder r;
  Load(SkinBuilder("[Buttons]\nBitmap=art\\b.bmp\nCheckButton=c.BMP\nRadioButton=gone.bmp\n"
                   "[Tabs]\nImage=bad.bmp\nBorder=b.bmp\n[MDICONTROLS]\nImage=b.bmp\n")
           .Bitmap("b.bmp", 24, 2)
           .Raw("bad.bmp", {'B', 'M', 0})
           .Bitmap("c.BMP", 2, 2),
       d, r);
  using F = DefinitionField;
  const ImageEvent* bitmap = r.Image(d.Button.get(), F::Image);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->outcome, ImageLookup::Loaded);
  EXPECT_EQ(bitmap->width, 24);
  EXPECT_EQ(bitmap->text, "art\\b.bmp");
  ASSERT_NE(r.Image(d.Button.get(), F::CheckImage), nullptr);
  EXPECT_EQ(r.Image(d.Button.get(), F::CheckImage)->outcome, ImageLookup::NotBmp);
  EXPECT_EQ(r.Image(d.Button.get(), F::RadioImage)->outcome, ImageLookup::NoMember);
  ASSERT_NE(d.tab, nullptr);
  EXPECT_EQ(r.Image(d.tab.get(), F::Image)->outcome, ImageLookup::NotDecoded);
  EXPECT_EQ(r.Image(d.tab.get(), F::SecondImage)->key, "Border");
  ASSERT_NE(r.Image(d.border[kEdgeLeft].get(), F::Image), nullptr);
  EXPECT_EQ(r.Image(d.border[kEdgeLeft].get(), F::Image)->outcome, ImageLookup::NoName);
  const auto mdi = std::find_if(r.images.begin(), r.images.end(), [](const ImageEvent& e) { return !e.owner; });
  ASSERT_NE(mdi, r.images.end());  // the strip the MDI buttons are cut from
  EXPECT_EQ(mdi->width, 24);
}

TEST(SkinReadObserver, TextsTheLoaderCannotReadAsNumbersOrColours) {
  SkinDefinitions d;
  Recorder r;
  Load(SkinBuilder("[Scrollbar]\nImage=e.bmp\nLeftWidth=four\nNormalColour2=1 2 3\nNormalColour=12\n"
                   "[Colours]\nButtonFace=grey\n[Colour0]\ncolor=1 1 1\n[Customcolors]\nColor3=2 2 2\n")
           .Bitmap("e.bmp", 8, 8),
       d, r);
  EXPECT_EQ(r.notNumbers, std::vector<std::string>{"LeftWidth=four->0"});
  EXPECT_EQ(r.colors, (std::vector<std::string>{"Colours.ButtonFace", "Colour0.color", "Customcolors.Color3",
                                                "Scrollbar.NormalColour2"}));
}

}  // namespace
}  // namespace lanvero
