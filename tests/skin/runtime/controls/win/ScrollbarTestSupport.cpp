#include "tests/skin/runtime/controls/win/ScrollbarTestSupport.h"

#include <cstdlib>
#include <string>

#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/SysColors.h"
#include "skin/image/win/DibSection.h"
#include "skin/runtime/controls/SkinnerLookup.h"

namespace lanvero::testing {

const char* kScrollingControls =
    "object Memo1: TMemo\n Left = 10\n Top = 10\n Width = 160\n Height = 130\n ScrollBars = ssVertical\n end\n"
    "object List1: TListBox\n Left = 190\n Top = 10\n Width = 140\n Height = 130\n end\n"
    "object Bar1: TScrollBar\n Left = 10\n Top = 160\n Width = 200\n Height = 17\n Max = 100\n PageSize = 10\n end\n";

namespace {

INPUT MouseInputAt(HWND hwnd, POINT client, DWORD flags) {
  ClientToScreen(hwnd, &client);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(client.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(client.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  return input;
}

void Send(HWND hwnd, POINT client, DWORD flags) {
  INPUT input = MouseInputAt(hwnd, client, flags);
  SendInput(1, &input, sizeof input);
}

}  // namespace

Color StripPixel(const TDataSkinObject& definition, int frame, int count, int x, int y, Color behind) {
  const PixelImage image = ReadBitmapPixels(MapHandle(definition.Map));
  const int frameWidth = image.Width() / count;
  const Color pixel = image.At((frame - 1) * frameWidth + x, y) & 0xFFFFFF;
  return pixel == 0xFF00FF ? behind : pixel;
}

Color FromColorRef(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

Color ScreenFace(const TSkinData& skin) { return FromColorRef(ResolveColor(skin.Colors[kSchemeButtonFace])); }

bool Near(Color a, Color b, int tolerance) {
  for (int shift : {0, 8, 16}) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance) {
      return false;
    }
  }
  return true;
}

e2e::Image CapturePanel(const TWScrollbar& panel) { return e2e::CaptureClient(panel.WindowHandle()); }

void MouseTo(HWND hwnd, POINT client) { Send(hwnd, client, 0); }
void MouseDown(HWND hwnd, POINT client) { Send(hwnd, client, MOUSEEVENTF_LEFTDOWN); }
void MouseUp(HWND hwnd, POINT client) { Send(hwnd, client, MOUSEEVENTF_LEFTUP); }

void ScrollbarSkinnerTest::MakeScrollingForm() {
  MakeSkinnedForm(kScrollingControls);
  memo_ = framework::testing::FindIn<framework::TMemo>(*form_, L"Memo1");
  list_ = framework::testing::FindIn<framework::TListBox>(*form_, L"List1");
  bar_ = framework::testing::FindIn<framework::TScrollBar>(*form_, L"Bar1");
  ASSERT_TRUE(memo_ && list_ && bar_);
  for (int i = 0; i < 60; ++i) {
    if (i < 24) memo_->Lines()->Add(L"line " + std::to_wstring(i));
    list_->Items()->Add(L"item " + std::to_wstring(i));
  }
  SendMessageW(memo_->Handle(), EM_SETSEL, 0, 0);
  SendMessageW(memo_->Handle(), EM_SCROLLCARET, 0, 0);
  PumpFor(100);
}

TSkinScrollbar* ScrollbarSkinnerTest::SkinnerOf(framework::TControl* control) const {
  return dynamic_cast<TSkinScrollbar*>(SkinnerOfControl(control));
}

}  // namespace lanvero::testing
