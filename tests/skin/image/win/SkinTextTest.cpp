// Text and window routines under Wine (ANSI code page 936).

#include <gtest/gtest.h>

#include <string>

#include "framework/base/GdiObject.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/image/win/SkinText.h"

namespace lanvero {
namespace {

// A window destroyed with the test.
class TestWindow {
 public:
  TestWindow(const wchar_t* class_name, const wchar_t* text, HWND parent = nullptr, RECT place = {0, 0, 100, 50})
      : hwnd_(CreateWindowExW(0, class_name, text, parent ? WS_CHILD | WS_VISIBLE : WS_OVERLAPPEDWINDOW, place.left,
                              place.top, place.right - place.left, place.bottom - place.top, parent, nullptr,
                              GetModuleHandleW(nullptr), nullptr)) {}
  ~TestWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
  }
  HWND Get() const { return hwnd_; }

 private:
  HWND hwnd_;
};

TEST(SkinText, AnsiTextIsReadInTheSystemCodePage) {
  ASSERT_EQ(GetACP(), 936u) << "the test prefix runs with code page 936";
  EXPECT_EQ(AnsiToWideCP("\xC4\xE3\xBA\xC3 ok"), L"\u4F60\u597D ok");
  EXPECT_EQ(AnsiToWideCP(""), L"");
}

TEST(SkinText, WindowTextAndClassName) {
  const TestWindow window(L"STATIC", L"Lanvero \u59D3\u6C0F");
  ASSERT_NE(window.Get(), nullptr);
  EXPECT_EQ(GetWindowTextStr(window.Get()), L"Lanvero \u59D3\u6C0F");
  EXPECT_EQ(GetWindowClassStr(window.Get()), L"Static");
  SetWindowTextW(window.Get(), L"");
  EXPECT_EQ(GetWindowTextStr(window.Get()), L"");

  const std::wstring long_name = std::wstring(L"LanveroTestClass") + std::wstring(110, L'x');
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = long_name.c_str();
  ASSERT_NE(RegisterClassW(&wc), 0);
  const TestWindow named(long_name.c_str(), L"");
  EXPECT_EQ(GetWindowClassStr(named.Get()), long_name.substr(0, 99));
  UnregisterClassW(long_name.c_str(), GetModuleHandleW(nullptr));
}

TEST(SkinText, DrawTextMeasuresTheWholeText) {
  const framework::UniqueDC dc(CreateCompatibleDC(nullptr));
  RECT one_line{0, 0, 1000, 0};
  const int height = SkinDrawText(dc.Get(), L"Lanvero", one_line, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_GT(height, 0);
  EXPECT_GT(one_line.right, 0);
  RECT two_lines{0, 0, 1000, 0};
  const std::wstring text = L"Lanvero\r\nLanvero";
  EXPECT_GT(SkinDrawText(dc.Get(), text, two_lines, DT_CALCRECT | DT_NOPREFIX), height);
  // Only the given length counts, even without a terminator after it.
  RECT cut{0, 0, 1000, 0};
  SkinDrawText(dc.Get(), std::wstring_view(text).substr(0, 7), cut, DT_CALCRECT | DT_NOPREFIX);
  EXPECT_EQ(cut.bottom, one_line.bottom);
}

// A parent that erases with a colour per column and paints a red square.
LRESULT CALLBACK PatternParent(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  const HDC dc = reinterpret_cast<HDC>(wparam);
  if (message == WM_ERASEBKGND && dc) {
    for (int x = 0; x < 200; ++x) {
      const RECT column{x, 0, x + 1, 200};
      FillSolid(dc, {column.left, column.top, column.right, column.bottom}, static_cast<Color>(x));
    }
    return 1;
  }
  if (message == WM_PAINT && dc) {
    FillSolid(dc, {52, 32, 54, 34}, 0x0000FF);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

TEST(DrawParentBackground, PaintsTheParentUnderTheControl) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = PatternParent;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"LanveroPatternParent";
  RegisterClassW(&wc);
  const TestWindow parent(L"LanveroPatternParent", L"", nullptr, {0, 0, 300, 200});
  const TestWindow child(L"STATIC", L"", parent.Get(), {50, 30, 70, 40});
  ASSERT_NE(child.Get(), nullptr);

  const DibSection target = DibSection::Create(20, 10);
  {
    const framework::UniqueDC dc(CreateCompatibleDC(nullptr));
    const framework::SelectGuard selected(dc.Get(), target.Handle());
    DrawParentBackground(child.Get(), dc.Get());
    POINT origin{};
    GetViewportOrgEx(dc.Get(), &origin);
    EXPECT_EQ(origin.x, 0) << "the device context is restored";
  }
  const PixelImage image = target.ToImage();
  EXPECT_EQ(image.At(0, 0), PixelFromColor(50));
  EXPECT_EQ(image.At(19, 9), PixelFromColor(69));
  EXPECT_EQ(image.At(2, 2), PixelFromRgb(255, 0, 0));
  EXPECT_EQ(image.At(4, 4), PixelFromColor(54));

  const framework::UniqueDC unused(CreateCompatibleDC(nullptr));
  DrawParentBackground(parent.Get(), unused.Get());  // no parent: nothing happens
  UnregisterClassW(L"LanveroPatternParent", GetModuleHandleW(nullptr));
}

}  // namespace
}  // namespace lanvero
