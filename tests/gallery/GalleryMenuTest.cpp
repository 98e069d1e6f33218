// The gallery's menu bar and right-click menus used as a person would:
// skins switched from the bar by keyboard re-skin every open window (the
// MDI demo included), a right click opens one popup menu window drawn from
// the skin, and a disabled item's command never runs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cwctype>
#include <filesystem>

#include "framework/base/GdiObject.h"
#include "tests/e2e/driver/Desktop.h"
#include "tests/e2e/driver/RemoteControls.h"
#include "tests/e2e/driver/Screenshot.h"
#include "tests/gallery/GallerySession.h"

namespace lanvero::gallery::testing {
namespace {

using e2e::Eventually;

constexpr int kEditsPage = 1;
// A dark caption is this much darker than a light one.
constexpr int kDarkerBy = 40;

class GalleryMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gallery_ = GallerySession::Start();
    ASSERT_TRUE(Eventually([&] { return AnswersSkinQuery(gallery_->Form()); }, true));
    e2e::Activate(gallery_->Form());
    e2e::Settle(gallery_->Id());
  }
  void TearDown() override {
    if (!gallery_) return;
    EXPECT_TRUE(gallery_->Close()) << "the gallery did not end cleanly: exit code " << std::hex
                                   << gallery_->Program().ExitCode();
  }

  // Opens the bar's drop-down by its accelerator and runs its entry at
  // `index`: the drop-down opens with its first entry selected.
  void RunFromBar(wchar_t accelerator, int index) {
    gallery_->Keys(VK_MENU, static_cast<WORD>(accelerator));
    for (int i = 0; i < index; ++i) gallery_->Key(VK_DOWN);
    gallery_->Key(VK_RETURN);
  }

  bool Checked(const wchar_t* pickerLine) const {
    return SendMessageW(gallery_->ButtonControl(L"TRadioButton", pickerLine), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }

  std::unique_ptr<GallerySession> gallery_;
};

// An edit control below `parent` showing `text`; null when none does.
HWND EditWithText(HWND parent, const std::wstring& text) {
  for (HWND child : ChildWindows(parent)) {
    if (e2e::WindowClass(child) == L"TEdit" && e2e::ControlText(child) == text) return child;
  }
  return nullptr;
}

// A bitmap of a skin's art in the source tree, as 0x00RRGGBB pixels.
e2e::Image SkinArt(const std::wstring& skin, const wchar_t* file) {
  const char* source = std::getenv("LANVERO_SOURCE_DIR");
  const std::filesystem::path path = std::filesystem::path(source ? source : ".") / "assets" / "skins" / skin / file;
  e2e::Image image;
  const framework::UniqueBitmap bitmap(static_cast<HBITMAP>(
      LoadImageW(nullptr, path.wstring().c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  if (!bitmap.Get()) return image;
  BITMAP info{};
  GetObjectW(bitmap.Get(), sizeof info, &info);
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  format.bmiHeader.biWidth = info.bmWidth;
  format.bmiHeader.biHeight = -info.bmHeight;  // top-down rows
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  image.width = info.bmWidth;
  image.height = info.bmHeight;
  image.pixels.resize(static_cast<size_t>(image.width) * image.height);
  const framework::WindowDC screen(nullptr);
  GetDIBits(screen.Get(), bitmap.Get(), 0, static_cast<UINT>(image.height), image.pixels.data(), &format,
            DIB_RGB_COLORS);
  return image;
}

// Pixels of the menu window's four corners (the fixed corners of the skin's
// menu background, `corner` pixels square) that differ from that art.
int CornerPixelsUnlikeTheArt(HWND menu, const e2e::Image& art, int corner) {
  const e2e::Image shot = e2e::CaptureWindow(menu);
  if (shot.width < 2 * corner || shot.height < 2 * corner || art.width < 2 * corner) return 4 * corner * corner;
  int unlike = 0;
  for (int y = 0; y < corner; ++y) {
    for (int x = 0; x < corner; ++x) {
      const int farX = shot.width - corner + x, farY = shot.height - corner + y;
      const int artFarX = art.width - corner + x, artFarY = art.height - corner + y;
      unlike += (shot.At(x, y) & 0xFFFFFF) != (art.At(x, y) & 0xFFFFFF);
      unlike += (shot.At(farX, y) & 0xFFFFFF) != (art.At(artFarX, y) & 0xFFFFFF);
      unlike += (shot.At(x, farY) & 0xFFFFFF) != (art.At(x, artFarY) & 0xFFFFFF);
      unlike += (shot.At(farX, farY) & 0xFFFFFF) != (art.At(artFarX, artFarY) & 0xFFFFFF);
    }
  }
  return unlike;
}

TEST_F(GalleryMenuTest, SkinsSwitchedFromTheBarByKeyboardReskinEveryOpenWindow) {
  RunFromBar(L'W', 0);  // Windows > MDI windows...
  HWND mdi = gallery_->WaitForTitledWindow(L"MDI windows");
  ASSERT_NE(mdi, nullptr) << "the MDI demo did not open from the menu bar";
  HWND notes = e2e::FindChild(mdi, L"TForm", L"Notes");
  ASSERT_NE(notes, nullptr);
  ASSERT_TRUE(Eventually([&] { return AnswersSkinQuery(mdi) && AnswersSkinQuery(notes); }, true));
  EXPECT_EQ(gallery_->CommandStatus(), L"MDI windows");
  const int lightForm = CaptionBrightness(gallery_->Form());
  const int lightFrame = CaptionBrightness(mdi);

  e2e::Activate(gallery_->Form());
  RunFromBar(L'S', 1);  // Skin > Coalrim
  EXPECT_TRUE(Eventually([&] { return CaptionBrightness(gallery_->Form()) < lightForm - kDarkerBy; }, true))
      << "the main window kept the light skin";
  EXPECT_TRUE(Eventually([&] { return CaptionBrightness(mdi) < lightFrame - kDarkerBy; }, true))
      << "the open MDI frame kept the light skin";
  EXPECT_TRUE(Checked(L"Coalrim")) << "the skin picker did not follow the menu";
  EXPECT_EQ(gallery_->CommandStatus(), L"Skin: Coalrim");

  e2e::Activate(gallery_->Form());
  RunFromBar(L'S', 2);  // Skin > No skin
  EXPECT_FALSE(Eventually([&] { return AnswersSkinQuery(gallery_->Form()); }, false));
  EXPECT_FALSE(Eventually([&] { return AnswersSkinQuery(mdi) || AnswersSkinQuery(notes); }, false))
      << "the MDI windows stayed skinned";
  EXPECT_TRUE(Checked(L"No skin"));

  // The native bar now: F10 enters it, as on any window.
  e2e::Activate(gallery_->Form());
  gallery_->Key(VK_F10);
  gallery_->Key(VK_DOWN);
  gallery_->Key(VK_RETURN);  // Skin > Paleglass
  EXPECT_TRUE(Eventually([&] { return AnswersSkinQuery(gallery_->Form()) && AnswersSkinQuery(mdi); }, true));
  EXPECT_TRUE(Eventually([&] { return std::abs(CaptionBrightness(mdi) - lightFrame) < 10; }, true))
      << "the MDI frame did not get the light skin back";
  EXPECT_TRUE(Checked(L"Paleglass"));
  EXPECT_TRUE(gallery_->MenuWindows().empty()) << "a menu window stayed open";
}

TEST_F(GalleryMenuTest, ARightClickOpensOneMenuWindowDrawnFromTheSkin) {
  gallery_->ShowPage(kEditsPage);
  HWND edit = EditWithText(gallery_->Form(), L"An edit");
  ASSERT_NE(edit, nullptr);
  // The skin's menu background has fixed corners of 3 pixels (its
  // LeftWidth, TopHeight, ...): a skinned menu window shows them exactly.
  constexpr int kCorner = 3;
  const e2e::Image paleglassArt = SkinArt(L"paleglass", L"menubg.bmp");
  ASSERT_GT(paleglassArt.width, 0) << "the skin's art was not found";
  for (const wchar_t* skin : {L"Paleglass", L"Coalrim", L"No skin"}) {
    gallery_->ClickOn(gallery_->ButtonControl(L"TRadioButton", skin));
    e2e::Settle(gallery_->Id(), 400);
    e2e::RightClick(edit, POINT{20, 8});
    e2e::Settle(gallery_->Id(), 300);
    const std::vector<HWND> menus = gallery_->MenuWindows();
    ASSERT_EQ(menus.size(), 1u) << "one menu window for one right click";
    const std::wstring name(skin);
    if (name == L"No skin") {
      EXPECT_FALSE(AnswersSkinQuery(menus[0]));
      EXPECT_GT(CornerPixelsUnlikeTheArt(menus[0], paleglassArt, kCorner), kCorner * kCorner)
          << "the system's own menu does not look like the skin";
    } else {
      EXPECT_TRUE(AnswersSkinQuery(menus[0])) << "the menu window has no skinner under " << skin;
      std::wstring folder = name;
      folder[0] = static_cast<wchar_t>(std::towlower(folder[0]));
      EXPECT_EQ(CornerPixelsUnlikeTheArt(menus[0], SkinArt(folder, L"menubg.bmp"), kCorner), 0)
          << "the menu window's corners are not the skin's under " << skin;
    }
    gallery_->Key(VK_ESCAPE);
    EXPECT_TRUE(Eventually([&] { return gallery_->MenuWindows().empty(); }, true));
  }

  // The default entry runs with Enter.
  gallery_->ClickOn(gallery_->ButtonControl(L"TRadioButton", L"Paleglass"));
  e2e::Settle(gallery_->Id(), 400);  // the frame is skinned again: the edit has moved
  e2e::RightClick(edit, POINT{20, 8});
  e2e::Settle(gallery_->Id(), 300);
  gallery_->Key(VK_DOWN);
  gallery_->Key(VK_RETURN);
  EXPECT_EQ(Eventually([&] { return gallery_->CommandStatus(); }, std::wstring(L"Select all")), L"Select all");
}

TEST_F(GalleryMenuTest, ADisabledItemsCommandNeverRunsWhileItsNeighboursAndShortcutsDo) {
  // Look > Disabled item: selected by the arrows, then Enter; then its
  // accelerator letter.
  gallery_->Keys(VK_MENU, 'L');
  gallery_->Key(VK_DOWN);
  gallery_->Key(VK_DOWN);
  gallery_->Key(VK_RETURN);
  gallery_->Key('D');
  gallery_->Key(VK_ESCAPE);
  gallery_->Key(VK_ESCAPE);
  gallery_->Key(VK_ESCAPE);
  e2e::Settle(gallery_->Id(), 300);
  EXPECT_NE(gallery_->CommandStatus(), L"Command: Disabled item");
  EXPECT_TRUE(gallery_->MenuWindows().empty());

  // Its enabled neighbour runs the same way, so the keys did reach the menu.
  gallery_->Keys(VK_MENU, 'L');
  gallery_->Key(VK_DOWN);
  gallery_->Key(VK_RETURN);
  EXPECT_EQ(Eventually([&] { return gallery_->CommandStatus(); }, std::wstring(L"Command: Image item")),
            L"Command: Image item");

  // An item's shortcut runs it with no menu open.
  e2e::PressKeyChord({VK_CONTROL, VK_SHIFT, 'K'});
  EXPECT_EQ(Eventually([&] { return gallery_->CommandStatus(); }, std::wstring(L"Command: Shortcut text")),
            L"Command: Shortcut text");
}

}  // namespace
}  // namespace lanvero::gallery::testing
