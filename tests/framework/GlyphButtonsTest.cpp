// Speed buttons and bitmap buttons: groups, glyph cells and drawing.
#include "framework/controls/GlyphButtons.h"
#include "framework/core/PropertyAccess.h"
#include "framework/graphics/BmpDecoder.h"
#include "framework/services/ImageList.h"
#include "tests/framework/WinTestSupport.h"

namespace lanvero::framework::testing {
namespace {

// Two 8 x 8 cells: red and blue, each with a magenta (transparent) bottom-left pixel.
std::string GlyphHex() {
  PixelImage image(16, 8);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 16; ++x) {
      const bool corner = y == 7 && (x == 0 || x == 8);
      image.Set(x, y, corner ? PixelFromRgb(255, 0, 255) : x < 8 ? PixelFromRgb(255, 0, 0) : PixelFromRgb(0, 0, 255));
    }
  }
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string hex;
  for (uint8_t byte : EncodeBmp24(image)) {
    hex += kHex[byte >> 4];
    hex += kHex[byte & 15];
  }
  return hex;
}

class GlyphButtonsTest : public LayoutFormTest {
 protected:
  void SetUp() override {
    const std::string glyph = GlyphHex();
    ShowForm("object F: TTestForm\n  ClientWidth = 200\n  ClientHeight = 100\n"
             "  object A: TSpeedButton\n    Left = 0\n    GroupIndex = 1\n    Down = True\n"
             "    NumGlyphs = 2\n    Glyph.Data = {" +
             glyph +
             "}\n    OnClick = ButtonClick\n  end\n"
             "  object B: TSpeedButton\n    Left = 30\n    GroupIndex = 1\n    OnClick = ButtonClick\n  end\n"
             "  object OK: TBitBtn\n    Left = 80\n    Kind = bkOK\n    Caption = 'OK'\n    NumGlyphs = 2\n"
             "    Glyph.Data = {" +
             glyph +
             "}\n  end\n"
             "  object Pictured: TBitBtn\n    Left = 80\n    Top = 40\n    Images = Strip\n    ImageIndex = 0\n  end\n"
             "  object Strip: TImageList\n    Width = 8\n    Height = 8\n    Bitmap = {" +
             glyph + "}\n  end\nend\n");
  }
};

TEST_F(GlyphButtonsTest, SpeedButtonsOfAGroupActAsRadioButtons) {
  auto* a = Find<TSpeedButton>(L"A");
  auto* b = Find<TSpeedButton>(L"B");
  EXPECT_TRUE(a->Down());
  EXPECT_EQ(a->Glyph()->Width(), 16);
  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(35, 5));
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(35, 5));
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  EXPECT_EQ(form->calls, std::vector<std::wstring>{L"click B"});
  b->SetDown(false);  // without AllowAllUp one button of the group stays down
  EXPECT_TRUE(b->Down());
}

TEST_F(GlyphButtonsTest, GlyphCellsFollowTheButtonState) {
  auto* a = Find<TSpeedButton>(L"A");
  TBitmap target(200, 100);
  form->PaintControls(target.Canvas().Handle());
  // A is down: the fourth cell does not exist, so the first (red) is drawn.
  const RECT bounds = a->BoundsRect();
  const int cx = (bounds.left + bounds.right) / 2 + 1, cy = (bounds.top + bounds.bottom) / 2 + 1;
  EXPECT_EQ(target.Canvas().Pixel(cx, cy), RGB(255, 0, 0));
  a->SetEnabled(false);  // disabled: the second (blue) cell
  a->Perform(WM_PAINT, 0, 0);
  TBitmap again(200, 100);
  form->PaintControls(again.Canvas().Handle());
  EXPECT_EQ(again.Canvas().Pixel(cx - 1, cy - 1), RGB(0, 0, 255));

  auto* ok = Find<TBitBtn>(L"OK");
  // Kind read from a layout keeps the stored caption and roles; set later,
  // it brings its own.
  EXPECT_FALSE(ok->Default());
  EXPECT_EQ(ok->Caption(), L"OK");
  ok->SetKind(TBitBtnKind::bkCancel);
  EXPECT_TRUE(ok->Cancel());
  EXPECT_EQ(ok->ModalResult(), IDCANCEL);
  EXPECT_EQ(ok->Caption(), L"Cancel");
  EXPECT_TRUE(GetWindowLongPtrW(ok->WindowHandle(), GWL_STYLE) & BS_OWNERDRAW);
  TBitmap face(ok->Width(), ok->Height());
  DRAWITEMSTRUCT draw{ODT_BUTTON,
                      0,
                      0,
                      ODA_DRAWENTIRE,
                      0,
                      ok->WindowHandle(),
                      face.Canvas().Handle(),
                      RECT{0, 0, ok->Width(), ok->Height()},
                      0};
  EXPECT_EQ(ok->Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)), 1);
  bool sawRed = false;
  for (int x = 0; x < ok->Width() && !sawRed; ++x) sawRed = face.Canvas().Pixel(x, ok->Height() / 2) == RGB(255, 0, 0);
  EXPECT_TRUE(sawRed);
}

// Whether a colour shows on the middle row of a bitmap button's face.
bool FaceShows(TBitBtn* button, COLORREF colour) {
  TBitmap face(button->Width(), button->Height());
  DRAWITEMSTRUCT draw{ODT_BUTTON,
                      0,
                      0,
                      ODA_DRAWENTIRE,
                      0,
                      button->WindowHandle(),
                      face.Canvas().Handle(),
                      RECT{0, 0, button->Width(), button->Height()},
                      0};
  button->Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
  for (int x = 0; x < button->Width(); ++x) {
    if (face.Canvas().Pixel(x, button->Height() / 2) == colour) return true;
  }
  return false;
}

TEST_F(GlyphButtonsTest, BitmapButtonWithoutGlyphShowsItsImageListImage) {
  auto* button = Find<TBitBtn>(L"Pictured");
  auto* strip = Find<TImageList>(L"Strip");
  EXPECT_EQ(GetObjectProperty(button, "Images"), strip);
  EXPECT_EQ(GetIntegerProperty(button, "ImageIndex"), 0);
  EXPECT_EQ(GetIntegerProperty(button, "DisabledIndex"), -1);
  ASSERT_EQ(strip->Count(), 2);
  EXPECT_TRUE(FaceShows(button, RGB(255, 0, 0)));
  EXPECT_FALSE(FaceShows(button, RGB(255, 0, 255)));  // the strip's transparent colour

  button->SetImageIndex(1);
  EXPECT_TRUE(FaceShows(button, RGB(0, 0, 255)));
  button->SetDisabledIndex(0);  // its own disabled image, drawn while disabled
  EXPECT_TRUE(FaceShows(button, RGB(0, 0, 255)));
  button->SetEnabled(false);
  EXPECT_TRUE(FaceShows(button, RGB(255, 0, 0)));
  EXPECT_FALSE(FaceShows(button, RGB(0, 0, 255)));

  button->SetEnabled(true);
  button->SetImageIndex(5);  // no such image: a plain face
  EXPECT_FALSE(FaceShows(button, RGB(255, 0, 0)));
  EXPECT_FALSE(FaceShows(button, RGB(0, 0, 255)));
  button->SetImageIndex(0);
  delete strip;
  EXPECT_EQ(button->Images(), nullptr);
  EXPECT_FALSE(FaceShows(button, RGB(255, 0, 0)));
}

}  // namespace
}  // namespace lanvero::framework::testing
