#include "skin/runtime/controls/MediaPlayerPanel.h"

#include <algorithm>

#include "framework/controls/WinControl.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/runtime/controls/ChildWindowClass.h"
#include "skin/runtime/controls/OffscreenBitmap.h"
#include "skin/runtime/controls/PropertyByName.h"
#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {
namespace {

constexpr wchar_t kPanelClass[] = L"SkinMediaPlayerPanel";
constexpr std::array<const wchar_t*, kPlayerButtons> kButtonNames = {L"MPPLAY", L"MPPAUSE",  L"MPSTOP",
                                                                     L"MPNEXT", L"MPPREV",   L"MPSTEP",
                                                                     L"MPBACK", L"MPRECORD", L"MPEJECT"};
constexpr std::array<const wchar_t*, kPlayerButtons> kButtonIdentifiers = {L"btPlay", L"btPause",  L"btStop",
                                                                           L"btNext", L"btPrev",   L"btStep",
                                                                           L"btBack", L"btRecord", L"btEject"};
constexpr std::array<const wchar_t*, 3> kGlyphKinds = {L"EN", L"DI", L"CL"};
constexpr int kGlyphEnabled = 0, kGlyphDisabled = 1, kGlyphColored = 2;
constexpr int kFrameNormal = 1, kFramePressed = 2, kFrameDisabled = 3;
// The glyphs' background, replaced by the button face.
constexpr Color kGlyphBackground = RGB(128, 128, 0);

// The identifiers of a set property's text ("[btPlay, btStop]").
std::vector<std::wstring> SetMembers(const std::wstring& text) {
  std::vector<std::wstring> members;
  std::wstring current;
  for (const wchar_t c : text) {
    if (c == L'[' || c == L']' || c == L',' || c == L' ') {
      if (!current.empty()) members.push_back(std::exchange(current, {}));
    } else {
      current += c;
    }
  }
  if (!current.empty()) members.push_back(current);
  return members;
}

bool Contains(const std::vector<std::wstring>& members, const wchar_t* identifier) {
  return std::find(members.begin(), members.end(), identifier) != members.end();
}

int MouseX(LPARAM lParam) { return LOWORD(lParam); }

}  // namespace

TWMediaPlayer::TWMediaPlayer() { LoadPlayerGlyphs(); }

TWMediaPlayer::~TWMediaPlayer() { DestroyPanel(); }

void TWMediaPlayer::LoadPlayerGlyphs() {
  const HINSTANCE module = GetModuleHandleW(nullptr);
  for (size_t i = 0; i < Buttons.size(); ++i) {
    for (size_t k = 0; k < kGlyphKinds.size(); ++k) {
      const std::wstring name = std::wstring(kGlyphKinds[k]) + L"_" + kButtonNames[i];
      PlayerGlyph& glyph = Buttons[i].Glyphs[k];
      glyph.bitmap = framework::UniqueBitmap(LoadBitmapW(module, name.c_str()));
      BITMAP info{};
      if (glyph.bitmap && GetObjectW(glyph.bitmap.Get(), sizeof info, &info)) {
        glyph.width = info.bmWidth;
        glyph.height = std::abs(info.bmHeight);
      }
    }
  }
}

void TWMediaPlayer::Attach(TSkinControl& askin, framework::TWinControl& aObj) {
  skincontrol = &askin;
  obj = &aObj;
  const wchar_t* cls = RegisterChildClass(kPanelClass, &TWMediaPlayer::WndProc);
  const HWND player = aObj.Handle();
  if (!cls || !IsWindow(player) || window_) return;
  RECT client{};
  GetClientRect(player, &client);
  CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE, 0, 0, client.right, client.bottom, player, nullptr,
                  GetModuleHandleW(nullptr), this);
}

void TWMediaPlayer::SetPosition() {
  if (!window_ || !obj) return;
  RECT client{};
  GetClientRect(GetParent(window_), &client);
  SetWindowPos(window_, HWND_TOP, 0, 0, client.right, client.bottom, SWP_NOACTIVATE);
}

void TWMediaPlayer::Show(bool visible) {
  if (window_) ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

void TWMediaPlayer::DestroyPanel() {
  if (!window_) return;
  const HWND window = std::exchange(window_, nullptr);
  // The window no longer reaches this object while it goes.
  UnbindChildWindow(window);
  DestroyWindow(window);
}

void TWMediaPlayer::Repaint() {
  if (window_) InvalidateRect(window_, nullptr, FALSE);
}

LRESULT CALLBACK TWMediaPlayer::WndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = EnterChildWindow(window, msg, lParam, &TWMediaPlayer::window_);
  if (!self) return DefWindowProcW(window, msg, wParam, lParam);
  // The skinner, which owns this panel, is not freed while this runs.
  CallDepthCounted::CallScope scope(*self->skincontrol);
  return self->HandleMessage(msg, wParam, lParam);
}

LRESULT TWMediaPlayer::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: return PaintChildWindow(window_, [this](HDC dc) { Paint(dc); });
    case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: Press(wParam, lParam); return 0;
    case WM_LBUTTONUP: Release(wParam, lParam); return 0;
    case WM_CAPTURECHANGED:
      if (IsDown) {
        IsDown = false;
        Repaint();
      }
      return 0;
    default: return DefWindowProcW(window_, msg, wParam, lParam);
  }
}

// The player starts its button action; the panel keeps the mouse so that
// the release comes here wherever it happens.
void TWMediaPlayer::Press(WPARAM wParam, LPARAM lParam) {
  if (!obj) return;
  IsDown = true;
  SendMessageW(obj->Handle(), WM_LBUTTONDOWN, wParam, lParam);
  if (!window_) return;  // the player went while handling the press
  ReleaseCapture();
  SetCapture(window_);
  BtnClick = PlayerButtonAt(MouseX(lParam));
  Repaint();
}

// Only a release over the pressed button reaches the player.
void TWMediaPlayer::Release(WPARAM wParam, LPARAM lParam) {
  IsDown = false;
  const HWND window = window_;
  if (GetCapture() == window) ReleaseCapture();
  if (!window_ || !obj) return;
  const TMPBtnType released = PlayerButtonAt(MouseX(lParam));
  const TMPBtnType pressed = std::exchange(BtnClick, released);
  Repaint();
  if (released == pressed && released != TMPBtnType::btNone) {
    SendMessageW(obj->Handle(), WM_LBUTTONUP, wParam, lParam);
  }
}

TMPBtnType TWMediaPlayer::PlayerButtonAt(int x) {
  BtnFocuse = TMPBtnType::btNone;
  int sum = 0;
  for (int i = 0; i < kPlayerButtons; ++i) {
    if (!Buttons[i].IsVisible) continue;
    if (sum <= x && x <= sum + BtnWidth) {
      BtnFocuse = static_cast<TMPBtnType>(i);
      break;
    }
    sum += BtnWidth;
  }
  return BtnFocuse;
}

void TWMediaPlayer::ReadButtonSets() {
  const auto visible = SetMembers(GetTextPropByName(obj, "VisibleButtons"));
  const auto enabled = SetMembers(GetTextPropByName(obj, "EnabledButtons"));
  const auto colored = SetMembers(GetTextPropByName(obj, "ColoredButtons"));
  const bool playerEnabled = obj && IsWindowEnabled(obj->Handle());
  count = 0;
  for (size_t i = 0; i < Buttons.size(); ++i) {
    Buttons[i].IsVisible = Contains(visible, kButtonIdentifiers[i]);
    Buttons[i].IsEnabled = playerEnabled && Contains(enabled, kButtonIdentifiers[i]);
    Buttons[i].IsColored = Contains(colored, kButtonIdentifiers[i]);
    count += Buttons[i].IsVisible ? 1 : 0;
  }
}

void TWMediaPlayer::Paint(HDC dc) {
  RECT client{};
  GetClientRect(window_, &client);
  const TSkinData* fsd = skincontrol ? skincontrol->fsd : nullptr;
  if (client.right <= 0 || client.bottom <= 0 || !fsd) return;
  ReadButtonSets();
  const Color face = fsd->Colors[kSchemeButtonFace];
  OffscreenBitmap buffer(client.right, client.bottom);
  if (!buffer) return;
  FillSolid(buffer.Dc(), FromRECT(client), face);
  BtnWidth = count ? client.right / count : 0;
  int x = 0;
  for (int i = 0; i < kPlayerButtons && BtnWidth > 0; ++i) {
    if (!Buttons[i].IsVisible) continue;
    DrawPlayerButton(buffer.Dc(), i, RECT{x, 0, x + BtnWidth, client.bottom});
    x += BtnWidth;
  }
  buffer.CopyTo(dc, 0, 0);
}

void TWMediaPlayer::DrawPlayerButton(HDC dc, int index, const RECT& rc) {
  const PlayerButton& button = Buttons[index];
  const int kind = !button.IsEnabled ? kGlyphDisabled : button.IsColored ? kGlyphColored : kGlyphEnabled;
  int frame = (IsDown && static_cast<int>(BtnClick) == index) ? kFramePressed : kFrameNormal;
  if (kind == kGlyphDisabled) frame = kFrameDisabled;
  const TSkinData& fsd = *skincontrol->fsd;
  if (const TDataSkinButton* image = fsd.Button.get(); image && MapHandle(image->Map)) {
    DrawSkinFrame(dc, FromRECT(rc), MapHandle(image->Map), image->r, frame, std::max(image->frame, 1),
                  image->trans == 1, image->Tile == 1, false);
  }
  const PlayerGlyph& glyph = button.Glyphs[kind];
  if (!glyph.bitmap || glyph.width <= 0 || glyph.height <= 0) return;
  const int sink = frame == kFramePressed ? 1 : 0;
  const int left = rc.left + (rc.right - rc.left - glyph.width) / 2 + sink;
  const int top = (rc.bottom - rc.top - glyph.height) / 2 + sink;
  const Rect at{left, top, left + glyph.width, top + glyph.height};
  // The glyph's background shows the button face, as the player's own
  // buttons show it.
  FillSolid(dc, at, fsd.Colors[kSchemeButtonFace]);
  TransparentBlit(dc, at, glyph.bitmap.Get(), kGlyphBackground);
}

}  // namespace lanvero
