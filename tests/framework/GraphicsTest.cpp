// Bitmaps, canvases, pictures and the GDI owners.
#include <csetjmp>
#include <cstdio>

#include "framework/base/GdiObject.h"
#include "framework/controls/Labels.h"
#include "framework/graphics/BmpDecoder.h"
#include "framework/graphics/Graphic.h"
#include "tests/framework/WinTestSupport.h"

extern "C" {
#include <jpeglib.h>
}

namespace lanvero::framework::testing {
namespace {

PixelImage Gradient(int width, int height) {
  PixelImage image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.Set(x, y, PixelFromRgb(200, static_cast<uint8_t>(y * 8), static_cast<uint8_t>(x * 8)));
    }
  }
  return image;
}

// A baseline JPEG made with the same library, for the decoder to read back.
std::vector<uint8_t> EncodeJpeg(const PixelImage& image) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(image.Width());
  info.image_height = static_cast<JDIMENSION>(image.Height());
  info.input_components = 4;
  info.in_color_space = JCS_EXT_BGRX;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row =
        const_cast<JSAMPROW>(reinterpret_cast<const uint8_t*>(image.Row(static_cast<int>(info.next_scanline)).data()));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<uint8_t> bytes(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  free(buffer);
  return bytes;
}

std::vector<uint8_t> PictureData(const std::string& className, const std::vector<uint8_t>& file) {
  std::vector<uint8_t> data;
  data.reserve(1 + className.size() + file.size());
  data.push_back(static_cast<uint8_t>(className.size()));
  data.insert(data.end(), className.begin(), className.end());
  data.insert(data.end(), file.begin(), file.end());
  return data;
}

TEST(Graphics, BitmapGivesDirectPixelAccessAndACanvas) {
  TBitmap bitmap(8, 4);
  EXPECT_EQ(bitmap.Stride(), 24);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(clRed);
  canvas.FillRect(RECT{0, 0, 4, 4});
  const uint8_t* row = bitmap.ScanLine(2);
  EXPECT_EQ(row[0], 0);    // blue
  EXPECT_EQ(row[2], 255);  // red
  EXPECT_EQ(row[4 * 3 + 2], 0);
  bitmap.ScanLine(3)[7 * 3 + 1] = 255;  // green pixel bottom right
  EXPECT_EQ(canvas.Pixel(7, 3), RGB(0, 255, 0));
  EXPECT_EQ(bitmap.TransparentColor(), RGB(255, 0, 0));
  EXPECT_THROW(bitmap.ScanLine(4), FrameworkError);
  UniqueBitmap handle = bitmap.ReleaseHandle();
  EXPECT_EQ(GetObjectType(handle.Get()), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_TRUE(bitmap.Empty());
  HBITMAP raw = handle.Get();
  handle.Reset();
  EXPECT_EQ(GetObjectType(raw), 0u);  // the owner deleted it
}

TEST(Graphics, BitmapAndJpegFilesDecode) {
  const PixelImage source = Gradient(24, 16);
  TBitmap bitmap;
  bitmap.LoadFromBytes(EncodeBmp24(source));
  EXPECT_EQ(bitmap.ToPixels(), source);
  EXPECT_THROW(bitmap.LoadFromBytes({'B', 'M', 0, 0}), FrameworkError);

  TJPEGImage jpeg;
  jpeg.LoadFromBytes(EncodeJpeg(source));
  ASSERT_EQ(jpeg.Width(), 24);
  ASSERT_EQ(jpeg.Height(), 16);
  const PixelImage decoded = jpeg.Bitmap().ToPixels();
  int worst = 0;
  for (int y = 0; y < source.Height(); ++y) {
    for (int x = 0; x < source.Width(); ++x) {
      const Pixel a = source.At(x, y), b = decoded.At(x, y);
      worst = std::max({worst, std::abs(PixelRed(a) - PixelRed(b)), std::abs(PixelGreen(a) - PixelGreen(b)),
                        std::abs(PixelBlue(a) - PixelBlue(b))});
    }
  }
  EXPECT_LT(worst, 24);  // lossy, but close
  auto truncated = EncodeJpeg(source);
  truncated.resize(40);
  EXPECT_THROW(jpeg.LoadFromBytes(truncated), FrameworkError);
  EXPECT_THROW(jpeg.LoadFromBytes({1, 2, 3}), FrameworkError);
}

TEST(Graphics, PictureDataNamesItsGraphicClass) {
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&] { ++changes; };
  picture.SetData(PictureData("TJPEGImage", EncodeJpeg(Gradient(16, 8))));
  ASSERT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 16);
  picture.SetData(PictureData("TBitmap", EncodeBmp24(Gradient(5, 3))));
  EXPECT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
  EXPECT_EQ(changes, 2);
  EXPECT_THROW(picture.SetData(PictureData("TGIFImage", {1, 2})), FrameworkError);
  EXPECT_THROW(picture.SetData({9, 'T'}), FrameworkError);
}

TEST(Graphics, CanvasGivesTheDCBackItsOwnObjects) {
  TBitmap bitmap(64, 32);
  HDC dc = bitmap.Canvas().Handle();
  TCanvas canvas;
  HGDIOBJ originalFont = GetCurrentObject(dc, OBJ_FONT);
  HGDIOBJ originalBrush = GetCurrentObject(dc, OBJ_BRUSH);
  canvas.SetHandle(dc);
  canvas.Font().SetHeight(-20);
  const SIZE big = canvas.TextExtent(L"Wg");
  canvas.Font().SetHeight(-10);
  const SIZE small = canvas.TextExtent(L"Wg");
  EXPECT_GT(big.cy, small.cy);
  RECT measured{0, 0, 0, 0};
  canvas.DrawText(L"Wg", measured, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(measured.right, small.cx);
  canvas.Brush().SetColor(clLime);
  canvas.FillRect(RECT{0, 0, 8, 8});
  EXPECT_EQ(canvas.Pixel(4, 4), RGB(0, 255, 0));
  // Changing a selected brush takes it out of the DC first, so it really goes.
  HGDIOBJ lime = GetCurrentObject(dc, OBJ_BRUSH);
  canvas.Brush().SetColor(clBlue);
  EXPECT_EQ(GetObjectType(lime), 0u);
  canvas.FillRect(RECT{0, 0, 8, 8});
  EXPECT_EQ(canvas.Pixel(4, 4), RGB(0, 0, 255));
  canvas.SetHandle(nullptr);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), originalFont);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), originalBrush);
}

TEST(Graphics, BrushCopyPaintsTheKeyColourWithTheBrush) {
  constexpr COLORREF kOlive = RGB(128, 128, 0);
  // A 4 x 2 picture: olive on the left half, red on the right, with one
  // olive pixel inside the red half.
  TBitmap picture(4, 2);
  picture.Canvas().Brush().SetColor(static_cast<TColor>(kOlive));
  picture.Canvas().FillRect(RECT{0, 0, 2, 2});
  picture.Canvas().Brush().SetColor(clRed);
  picture.Canvas().FillRect(RECT{2, 0, 4, 2});
  picture.Canvas().SetPixel(3, 1, static_cast<TColor>(kOlive));

  TBitmap target(16, 8);
  TCanvas& canvas = target.Canvas();
  canvas.Brush().SetColor(clWhite);
  canvas.FillRect(RECT{0, 0, 16, 8});
  canvas.Brush().SetColor(clBlue);
  // The right half of the picture, twice as large, at (4, 2).
  canvas.BrushCopy(RECT{4, 2, 8, 6}, picture, RECT{2, 0, 4, 2}, static_cast<TColor>(kOlive));
  EXPECT_EQ(canvas.Pixel(4, 2), RGB(255, 0, 0));
  EXPECT_EQ(canvas.Pixel(5, 5), RGB(255, 0, 0));
  EXPECT_EQ(canvas.Pixel(6, 4), RGB(0, 0, 255));  // the olive pixel, stretched
  EXPECT_EQ(canvas.Pixel(7, 5), RGB(0, 0, 255));
  EXPECT_EQ(canvas.Pixel(3, 2), RGB(255, 255, 255));  // outside the destination
  EXPECT_EQ(canvas.Pixel(8, 6), RGB(255, 255, 255));
  EXPECT_EQ(picture.Canvas().Pixel(3, 1), kOlive);  // the picture itself stays
  // A bitmap whose canvas holds it still draws.
  canvas.Draw(10, 0, picture);
  EXPECT_EQ(canvas.Pixel(12, 0), RGB(255, 0, 0));
  EXPECT_EQ(canvas.Pixel(10, 0), kOlive);

  // Another key colour leaves the olive pixels as they are.
  canvas.BrushCopy(RECT{0, 0, 4, 2}, picture, RECT{0, 0, 4, 2}, clRed);
  EXPECT_EQ(canvas.Pixel(0, 0), kOlive);
  EXPECT_EQ(canvas.Pixel(2, 0), RGB(0, 0, 255));
}

TEST(Graphics, FontMakesItsHandleFromItsDescription) {
  TFont font;
  font.SetName(L"\u5B8B\u4F53");
  font.SetHeight(-13);
  font.SetStyle(fsBold);
  LOGFONTW description{};
  ASSERT_EQ(GetObjectW(font.Handle(), sizeof description, &description), static_cast<int>(sizeof description));
  EXPECT_EQ(description.lfHeight, -13);
  EXPECT_EQ(description.lfWeight, FW_BOLD);
  EXPECT_STREQ(description.lfFaceName, L"\u5B8B\u4F53");
  HFONT first = font.Handle();
  font.SetHeight(-20);
  EXPECT_EQ(GetObjectType(first), 0u);  // the old handle is gone
  EXPECT_EQ(font.Size(), 15);
}

// An .ico file with one 32-bit image of the given size.
std::vector<uint8_t> MakeIcon(int size) {
  std::vector<uint8_t> image(40, 0);
  auto put32 = [](std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
  };
  put32(image, 0, 40);
  put32(image, 4, static_cast<uint32_t>(size));
  put32(image, 8, static_cast<uint32_t>(size * 2));  // colour and mask rows
  image[12] = 1;
  image[14] = 32;
  for (int i = 0; i < size * size; ++i) image.insert(image.end(), {0, 0, 255, 255});   // opaque red
  image.resize(image.size() + static_cast<size_t>(size * ((size + 31) / 32) * 4), 0);  // AND mask
  std::vector<uint8_t> file{0, 0, 1, 0, 1, 0};
  std::vector<uint8_t> entry(16, 0);
  entry[0] = static_cast<uint8_t>(size);
  entry[1] = static_cast<uint8_t>(size);
  entry[4] = 1;
  entry[6] = 32;
  put32(entry, 8, static_cast<uint32_t>(image.size()));
  put32(entry, 12, 22);
  file.insert(file.end(), entry.begin(), entry.end());
  file.insert(file.end(), image.begin(), image.end());
  return file;
}

TEST(Graphics, FormIconComesFromIconFileData) {
  auto form = MakeForm("object F: TTestForm\nend\n");
  form->Icon()->SetData(MakeIcon(16));
  EXPECT_EQ(form->Icon()->ImageCount(), 1);
  ASSERT_NE(form->Icon()->Handle(16), nullptr);
  EXPECT_EQ(form->Icon()->Handle(32), form->Icon()->Handle(16));  // the nearest image serves
  form->Show();
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(form->Handle(), WM_GETICON, ICON_SMALL, 0)), form->Icon()->Handle(16));
  auto damaged = MakeIcon(16);
  damaged.resize(30);
  form->Icon()->SetData(damaged);
  EXPECT_EQ(form->Icon()->ImageCount(), 0);
}

TEST(Graphics, ImagePaintsItsPictureOnTheParent) {
  auto form = MakeForm("object F: TTestForm\n  ClientWidth = 100\n  ClientHeight = 60\n"
                       "  object Image1: TImage\n    Left = 10\n    Top = 10\n    Width = 20\n    Height = 20\n"
                       "    Stretch = True\n  end\nend\n");
  auto* image = dynamic_cast<TImage*>(form->FindComponent(L"Image1"));
  const PixelImage blue(2, 2, PixelFromRgb(0, 0, 255));
  image->Picture()->SetData(PictureData("TBitmap", EncodeBmp24(blue)));
  form->Show();
  TBitmap target(100, 60);
  form->PaintControls(target.Canvas().Handle());
  EXPECT_EQ(target.Canvas().Pixel(15, 15), RGB(0, 0, 255));
  EXPECT_EQ(target.Canvas().Pixel(29, 29), RGB(0, 0, 255));
  EXPECT_NE(target.Canvas().Pixel(31, 31), RGB(0, 0, 255));
}

}  // namespace
}  // namespace lanvero::framework::testing
