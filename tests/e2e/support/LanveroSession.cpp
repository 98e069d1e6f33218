#include "tests/e2e/support/LanveroSession.h"

#include <shlobj.h>

#include <stdexcept>
#include <vector>

#include "tests/e2e/driver/RemoteControls.h"

namespace lanvero::e2e {
namespace {

constexpr wchar_t kShippedVersion[] = L"1.3.20130318";
constexpr DWORD kStartTimeoutMs = 15000;
constexpr wchar_t kAboutMemoStart[] = L"1.3";

BOOL CALLBACK CollectDescendant(HWND hwnd, LPARAM lp) {
  reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
  return TRUE;
}

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(parent, CollectDescendant, reinterpret_cast<LPARAM>(&found));
  return found;
}

POINT CentreOf(HWND hwnd) {
  RECT rect{};
  GetClientRect(hwnd, &rect);
  return POINT{rect.right / 2, rect.bottom / 2};
}

bool WindowShows(HWND window) { return IsWindow(window) && IsWindowVisible(window); }

}  // namespace

std::wstring LanveroExe() { return BuildTreePath(L"bin/Lanvero.exe"); }

std::wstring DatabaseFilePath() {
  wchar_t folder[MAX_PATH] = {};
  GetWindowsDirectoryW(folder, MAX_PATH);
  return std::wstring(folder) + L"\\_.dll";
}

std::wstring FallbackDatabaseFilePath() {
  wchar_t folder[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder);
  return std::wstring(folder) + L"\\Lanvero\\_.dll";
}

LanveroSession::LanveroSession(Process process) : process_(std::move(process)) {}

std::unique_ptr<LanveroSession> LanveroSession::Launch(const std::wstring& arguments) {
  return std::unique_ptr<LanveroSession>(new LanveroSession(Process::Launch(LanveroExe(), arguments)));
}

std::unique_ptr<LanveroSession> LanveroSession::Start(const std::wstring& arguments) {
  std::unique_ptr<LanveroSession> session = Launch(arguments);
  // A normal start shows the main window; a failed one a message first.
  const auto firstWindow = [&] {
    if (WaitForWindow(session->Id(), L"#32770", 0)) return std::wstring(L"#32770");
    return std::wstring(WaitForWindow(session->Id(), L"TForm1", 0) ? L"TForm1" : L"");
  };
  if (Eventually(firstWindow, std::wstring(L"TForm1"), kStartTimeoutMs) != L"TForm1") {
    throw std::runtime_error(
        "Lanvero showed no main window, or a message first: another copy (someone else's test?) may hold the "
        "shared database file; rerun");
  }
  session->WaitForMainWindow();
  if (Eventually([&] { return session->Status().empty(); }, false, kStartTimeoutMs)) {
    throw std::runtime_error("the status bar never reported the records");
  }
  return session;
}

void LanveroSession::EnsureUsable(std::unique_ptr<LanveroSession>& session) {
  if (session && session->Program().IsRunning() && WaitForNoMessageBox(session->Id(), 500)) return;
  session.reset();
  session = Start();
}

void LanveroSession::WaitForMainWindow() {
  form_ = WaitForWindow(Id(), L"TForm1");
  if (!form_) throw std::runtime_error("no visible TForm1 window appeared");
  FindControls();
  Settle();
}

void LanveroSession::FindControls() {
  for (HWND hwnd : Descendants(form_)) {
    const std::wstring cls = WindowClass(hwnd);
    if (cls == L"TDBGrid") {
      grid_ = hwnd;
    } else if (cls == L"TStatusBar") {
      statusBar_ = hwnd;
    } else if (cls == L"TPageControl") {
      pageControl_ = hwnd;
    } else if (cls == L"TMemo" && ControlText(hwnd).rfind(kAboutMemoStart, 0) != 0) {
      memoInfo_ = hwnd;
    } else if (cls == L"TEdit") {
      (ControlText(hwnd) == kShippedVersion ? versionEdit_ : keyword_) = hwnd;
    }
  }
  if (!grid_ || !statusBar_ || !pageControl_ || !memoInfo_ || !keyword_ || !versionEdit_) {
    throw std::runtime_error("the main window lacks one of its controls");
  }
}

HWND LanveroSession::Button(const wchar_t* caption) const {
  HWND button = FindChild(form_, L"TButton", caption);
  if (!button) throw std::runtime_error("the main window has no button with that caption");
  return button;
}

std::wstring LanveroSession::Status(int panel) const { return StatusBarPanelText(statusBar_, panel); }

std::wstring LanveroSession::Memo() const { return ControlText(memoInfo_); }

std::wstring LanveroSession::AwaitStatus(const std::wstring& expected) const {
  return Eventually([&] { return Status(); }, expected);
}

std::wstring LanveroSession::AwaitMemo(const std::wstring& expected) const {
  return Eventually([&] { return Memo(); }, expected);
}

void LanveroSession::ClickOn(HWND control) { ClickAt(control, CentreOf(control)); }

void LanveroSession::ClickAt(HWND window, POINT clientPoint) {
  Activate(form_);
  Click(window, clientPoint);
  Settle();
}

void LanveroSession::TypeKeyword(const std::wstring& keyword) {
  ClickOn(keyword_);
  TypeText(keyword);
  Settle();
}

void LanveroSession::SearchFor(const std::wstring& keyword) {
  TypeKeyword(keyword);
  PressButton(L"搜索");
}

void LanveroSession::ShowPage(int index) {
  const RECT tab = TabItemRect(pageControl_, index);
  ClickAt(pageControl_, POINT{(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2});
}

std::optional<std::wstring> LanveroSession::AnswerMessage(DWORD timeoutMs) {
  const std::optional<MessageBoxInfo> box = WaitForMessageBox(Id(), timeoutMs);
  if (!box) return std::nullopt;
  lastCaption_ = box->caption;
  lastButtonCount_ = box->buttons.size();
  // A person whose click did not take clicks again; a box that stays open
  // after three presses is a failure.
  for (int press = 0; press < 3 && WindowShows(box->hwnd); ++press) {
    if (!PressDialogButton(box->hwnd, IDOK)) throw std::runtime_error("the message box has no OK button");
    for (DWORD waited = 0; waited < 2000 && WindowShows(box->hwnd); waited += 50) Sleep(50);
  }
  if (WindowShows(box->hwnd)) throw std::runtime_error("the message box stayed open after OK, pressed three times");
  if (!WaitForNoMessageBox(Id())) throw std::runtime_error("a message box stayed open after OK");
  Settle();
  return box->text;
}

void LanveroSession::Settle(DWORD extraMs) const { e2e::Settle(Id(), extraMs); }

bool LanveroSession::Close() {
  RequestClose(form_);
  return process_.WaitForExit(10000) && process_.ExitCode() == 0;
}

}  // namespace lanvero::e2e
