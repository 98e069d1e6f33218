// Skinners that hand the skin's pictures to controls of other component
// sets through their bitmap properties (tab backgrounds of page controls,
// check and radio glyph strips), found by class name and by the skin's
// class list; and all skinners of this family under a skin with broken
// definitions.
#include <windows.h>

#include "framework/controls/PageControl.h"
#include "framework/controls/RangeControls.h"
#include "framework/controls/StatusBar.h"
#include "framework/core/ClassBuilder.h"
#include "framework/graphics/Graphic.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/runtime/controls/SkinControl.h"
#include "skin/runtime/controls/SkinnerLookup.h"
#include "tests/skin/runtime/controls/win/TabFamilyPixels.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

using framework::ClassBuilder;
using framework::ClassInfo;
using framework::TBitmap;
using framework::testing::FindIn;

// A page control of another component set: its tabs draw these bitmaps.
class TAdvPageProbe : public framework::TWinControl {
 public:
  explicit TAdvPageProbe(framework::TComponent* owner) : TWinControl(owner) {}
  static const ClassInfo& StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TAdvPageProbe>("TAdvPageProbe", &TWinControl::StaticClassInfo())
                                      .Object("TabBackGround", &TAdvPageProbe::Background)
                                      .Object("TabBackGroundActive", &TAdvPageProbe::ActiveBackground)
                                      .Build();
    return info;
  }
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }
  TBitmap* Background() const { return &background_; }
  TBitmap* ActiveBackground() const { return &active_; }

 private:
  mutable TBitmap background_, active_;
};

// A check box of another component set that shows custom glyphs.
class TRzCheckBox : public framework::TWinControl {
 public:
  explicit TRzCheckBox(framework::TComponent* owner) : TWinControl(owner) {}
  static const ClassInfo& StaticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TRzCheckBox>("TRzCheckBox", &TWinControl::StaticClassInfo())
            .Object("CustomGlyphs", &TRzCheckBox::CustomGlyphs)
            .Integer("TransparentColor", &TRzCheckBox::TransparentColor, &TRzCheckBox::SetTransparentColor)
            .Boolean("UseCustomGlyphs", &TRzCheckBox::UseCustomGlyphs, &TRzCheckBox::SetUseCustomGlyphs)
            .Build();
    return info;
  }
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }
  TBitmap* CustomGlyphs() const { return &glyphs_; }
  int TransparentColor() const { return transparent_; }
  void SetTransparentColor(int value) { transparent_ = value; }
  bool UseCustomGlyphs() const { return use_; }
  void SetUseCustomGlyphs(bool value) {
    if (value && !use_) ++loads;
    use_ = value;
  }
  int loads = 0;

 private:
  mutable TBitmap glyphs_;
  int transparent_ = 0;
  bool use_ = false;
};

template <class T>
T* AddProbe(framework::TWinControl& form) {
  auto* probe = new T(&form);
  probe->SetBounds(10, 10, 120, 40);
  probe->SetParent(&form);
  probe->HandleNeeded();
  return probe;
}

using GlyphSkinnersTest = SkinnedFormTest;

TEST_F(GlyphSkinnersTest, ListedPageControlGetsTheTabFramesAsBackgroundsUntilTheSkinLetsGo) {
  MakeSkinnedForm();
  skin_->Skin3rdList()->Add(L"TAdvPageProbe=advpagecontrol");
  auto* pages = AddProbe<TAdvPageProbe>(*form_);
  Skinner()->InitControls(form_.get());
  EXPECT_EQ(SkinnerKindOf(SkinnerOfControl(pages)), L"TSkinAdvPage");
  const TDataSkinBorder& tab = *skin_->tab;
  for (int frame = 1; frame <= 2; ++frame) {
    TBitmap* given = frame == 1 ? pages->Background() : pages->ActiveBackground();
    ASSERT_EQ(given->Width(), 100);
    ASSERT_EQ(given->Height(), 21);
    const PixelImage got = given->ToPixels();
    DibSection want = BuiltFrame(MapHandle(tab.Map), tab.r, frame, tab.frame, 100, 21);
    for (const POINT at : {POINT{50, 1}, POINT{2, 10}, POINT{97, 18}}) {
      EXPECT_EQ(got.At(at.x, at.y) & 0xFFFFFF, PixelAt(want, at.x, at.y)) << "frame " << frame;
    }
  }
  UninstallNow();
  EXPECT_EQ(pages->Background()->Width(), 0);
  EXPECT_EQ(pages->ActiveBackground()->Width(), 0);
}

TEST_F(GlyphSkinnersTest, CheckBoxOfAnotherSetGetsTheMarksInItsCellOrderAndReloadsThem) {
  MakeSkinnedForm();
  auto* check = AddProbe<TRzCheckBox>(*form_);
  Skinner()->InitControls(form_.get());
  EXPECT_EQ(SkinnerKindOf(SkinnerOfControl(check)), L"TSkinObjImage");
  EXPECT_TRUE(check->UseCustomGlyphs());
  EXPECT_EQ(check->loads, 1);
  EXPECT_EQ(check->TransparentColor(), 0xFF00FF);
  const TDataSkinButton& button = *skin_->Button;
  ASSERT_EQ(button.checkframe, 5);
  const PixelImage& strip = button.CheckMap.Image();
  const int cell = strip.Width() / 5;
  const PixelImage got = check->CustomGlyphs()->ToPixels();
  ASSERT_EQ(got.Width(), 9 * cell);
  const int order[] = {1, 2, 5, 1, 2, 5, 3, 4, 5};
  for (int target = 0; target < 9; ++target) {
    for (const POINT at : {POINT{cell / 2, strip.Height() / 2}, POINT{1, 1}}) {
      EXPECT_EQ(got.At(target * cell + at.x, at.y) & 0xFFFFFF,
                strip.At((order[target] - 1) * cell + at.x, at.y) & 0xFFFFFF)
          << "cell " << target;
    }
  }
  Skinner()->SkinChange();
  EXPECT_EQ(check->loads, 2) << "a new skin's glyphs are loaded at once";
  UninstallNow();
  EXPECT_FALSE(check->UseCustomGlyphs());
}

// Null definitions, empty images, zero and huge frame counts and margins
// larger than the images: the skinners draw what they can.
TEST_F(GlyphSkinnersTest, BrokenDefinitionsNeverTakeTheSkinnersDown) {
  MakeSkinnedForm("BorderStyle = bsSizeable\n"
                  "object Pages: TPageControl\n Left = 10\n Top = 10\n Width = 200\n Height = 100\n Tag = 7777\n"
                  " object Sheet1: TTabSheet\n Caption = 'One'\n end\n end\n"
                  "object Bar: TProgressBar\n Left = 10\n Top = 120\n Width = 200\n Height = 20\n Position = 40\n end\n"
                  "object Track: TTrackBar\n Left = 10\n Top = 150\n Width = 200\n Height = 40\n end\n"
                  "object Status: TStatusBar\n SimpleText = 'x'\n end\n");
  std::vector<HWND> windows;
  for (const wchar_t* name : {L"Pages", L"Sheet1", L"Bar", L"Track", L"Status"}) {
    auto* control = FindIn<framework::TWinControl>(*form_, name);
    ASSERT_TRUE(control) << name;
    windows.push_back(control->WindowHandle());
  }
  const Margins huge{100000, 100000, 100000, 100000};
  skin_->tab->frame = 0;
  skin_->tab->r = huge;
  skin_->progress->r = huge;
  skin_->ExtraImages->frame = 0;
  skin_->TrackHorz->frame = 1000000;
  skin_->TrackBar->r = huge;
  skin_->StatusBar.reset();
  for (TSkinControl* skinner : std::vector<TSkinControl*>(Skinner()->Controls())) skinner->SkinChange();
  for (HWND window : windows) PaintedBy(window);
  skin_->tab->MaskMap.Clear();
  skin_->tab->Map.Clear();
  skin_->progress->Map.Clear();
  skin_->TrackHorz.reset();
  skin_->TrackBar->Map.Clear();
  for (TSkinControl* skinner : std::vector<TSkinControl*>(Skinner()->Controls())) skinner->SkinChange();
  for (HWND window : windows) PaintedBy(window);
  for (HWND window : windows) EXPECT_TRUE(IsWindow(window));
}

}  // namespace
}  // namespace lanvero::testing
