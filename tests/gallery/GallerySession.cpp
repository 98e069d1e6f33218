#include "tests/gallery/GallerySession.h"

#include <stdexcept>

#include "tests/e2e/driver/Desktop.h"
#include "tests/e2e/driver/RemoteControls.h"
#include "tests/e2e/driver/Screenshot.h"

namespace lanvero::gallery::testing {
namespace {

constexpr wchar_t kFormClass[] = L"TGalleryForm";
constexpr UINT kSkinQuery = 0x3523;  // the engine's WM_SKINQUERY
// Time for a key to be handled: a menu opens or moves its selection.
constexpr DWORD kKeyMs = 150;
constexpr DWORD kWindowTimeoutMs = 8000;

void AppendDescendants(HWND parent, std::vector<HWND>& windows) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    windows.push_back(child);
    AppendDescendants(child, windows);
  }
}

}  // namespace

std::wstring GalleryExe() { return e2e::BuildTreePath(L"bin/SkinGallery.exe"); }

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> windows;
  AppendDescendants(parent, windows);
  return windows;
}

bool AnswersSkinQuery(HWND window) { return SendMessageW(window, kSkinQuery, 0, 0) == 1; }

std::unique_ptr<GallerySession> GallerySession::Launch(const std::wstring& arguments) {
  return std::unique_ptr<GallerySession>(new GallerySession(Process::Launch(GalleryExe(), arguments)));
}

std::unique_ptr<GallerySession> GallerySession::Start(const std::wstring& arguments) {
  std::unique_ptr<GallerySession> session = Launch(arguments);
  session->WaitForMainWindow();
  return session;
}

void GallerySession::WaitForMainWindow() {
  form_ = e2e::WaitForWindow(Id(), kFormClass);
  if (!form_) throw std::runtime_error("no visible gallery window appeared");
  // The first page control below the form is the main one: the nested
  // one lies deeper, on the "Tabs" page.
  pages_ = e2e::FindChild(form_, L"TPageControl");
  if (!pages_) throw std::runtime_error("the gallery has no page control");
  e2e::Settle(Id());
}

void GallerySession::ShowPage(int index) {
  const RECT tab = e2e::TabItemRect(pages_, index);
  e2e::Activate(form_);
  e2e::Click(pages_, POINT{(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2});
  e2e::Settle(Id());
}

std::wstring GallerySession::VisibleSheet() const {
  for (HWND child = GetWindow(pages_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (e2e::WindowClass(child) == L"TTabSheet" && IsWindowVisible(child)) return e2e::WindowText(child);
  }
  return L"";
}

void GallerySession::ClickOn(HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  e2e::Activate(form_);
  e2e::Click(control, POINT{client.right / 2, client.bottom / 2});
  e2e::Settle(Id());
}

HWND GallerySession::ButtonControl(const wchar_t* windowClass, const wchar_t* caption) const {
  HWND control = e2e::FindChild(form_, windowClass, caption);
  if (!control) throw std::runtime_error("the gallery has no such button");
  return control;
}

std::wstring GallerySession::CommandStatus() const {
  for (HWND child = GetWindow(form_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (e2e::WindowClass(child) == L"TStatusBar") return e2e::StatusBarPanelText(child, 0);
  }
  throw std::runtime_error("the gallery has no status line");
}

std::vector<HWND> GallerySession::MenuWindows() const {
  std::vector<HWND> visible;
  for (HWND window : e2e::TopLevelWindows(Id(), L"#32768")) {
    if (IsWindowVisible(window)) visible.push_back(window);
  }
  return visible;
}

HWND GallerySession::WaitForTitledWindow(const std::wstring& title) const {
  const DWORD start = GetTickCount();
  do {
    for (HWND window : e2e::TopLevelWindows(Id())) {
      if (IsWindowVisible(window) && e2e::WindowText(window) == title) return window;
    }
    Sleep(50);
  } while (GetTickCount() - start < kWindowTimeoutMs);
  return nullptr;
}

void GallerySession::Keys(WORD modifier, WORD key) {
  if (modifier) {
    e2e::PressKeyCombination(modifier, key);
  } else {
    e2e::PressKey(key);
  }
  e2e::Settle(Id(), kKeyMs);
}

bool GallerySession::Close() {
  e2e::RequestClose(form_);
  return process_.WaitForExit(10000) && process_.ExitCode() == 0;
}

}  // namespace lanvero::gallery::testing
