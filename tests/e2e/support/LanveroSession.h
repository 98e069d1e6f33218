// One running Lanvero.exe, used as a person would: its main window and the
// controls a person sees, found once at start by class and text, and the
// few gestures every test needs (press a button, type a keyword, answer a
// message, switch pages, close).
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "tests/e2e/driver/Desktop.h"
#include "tests/e2e/driver/Process.h"

namespace lanvero::e2e {

class LanveroSession {
 public:
  // Starts Lanvero.exe (with `arguments`) and waits for its main window and
  // for the status bar to report the records (a normal start). Throws
  // std::runtime_error when the window does not appear.
  static std::unique_ptr<LanveroSession> Start(const std::wstring& arguments = L"");
  // Only starts Lanvero.exe, for a start that shows a message first: the
  // caller answers the message, then calls WaitForMainWindow.
  static std::unique_ptr<LanveroSession> Launch(const std::wstring& arguments = L"");
  void WaitForMainWindow();
  // For suites that share one program: starts one when `session` is empty,
  // and replaces one that ended or was left with a message box open by a
  // failed case.
  static void EnsureUsable(std::unique_ptr<LanveroSession>& session);

  DWORD Id() const { return process_.Id(); }
  Process& Program() { return process_; }
  HWND Form() const { return form_; }
  HWND Grid() const { return grid_; }
  HWND MemoInfo() const { return memoInfo_; }
  HWND Keyword() const { return keyword_; }
  HWND VersionEdit() const { return versionEdit_; }
  HWND StatusBar() const { return statusBar_; }
  HWND PageControl() const { return pageControl_; }
  // A windowed button by caption ("复制", "搜索", "退出", ...).
  HWND Button(const wchar_t* caption) const;

  std::wstring Status(int panel = 0) const;
  std::wstring Memo() const;
  // Input reaches the program a little later than it is sent, later still
  // on a busy machine: these return the status (panel 0) or memo text once
  // it equals `expected`, or the text as it is after a few seconds.
  std::wstring AwaitStatus(const std::wstring& expected) const;
  std::wstring AwaitMemo(const std::wstring& expected) const;

  // A click in the middle of a control (or at a point of its client area).
  void ClickOn(HWND control);
  void ClickAt(HWND window, POINT clientPoint);
  void PressButton(const wchar_t* caption) { ClickOn(Button(caption)); }
  // Clicks into the keyword box (which empties it) and types `keyword`.
  void TypeKeyword(const std::wstring& keyword);
  // Types a keyword and presses the search button.
  void SearchFor(const std::wstring& keyword);
  void ShowPage(int index);

  // Waits for the next message box, answers it with its OK button and
  // returns its text (nothing when no box appeared). Throws
  // std::runtime_error when the box has no OK button or stays open.
  std::optional<std::wstring> AnswerMessage(DWORD timeoutMs = 10000);
  // Caption and number of buttons of the last message box answered.
  const std::wstring& LastMessageCaption() const { return lastCaption_; }
  size_t LastMessageButtonCount() const { return lastButtonCount_; }

  // Lets the program finish handling the input sent so far.
  void Settle(DWORD extraMs = 150) const;

  // Closes the main window as its close button would; true when the
  // process then ended with exit code 0.
  bool Close();

 private:
  explicit LanveroSession(Process process);
  void FindControls();

  Process process_;
  HWND form_ = nullptr;
  HWND grid_ = nullptr;
  HWND memoInfo_ = nullptr;
  HWND keyword_ = nullptr;
  HWND versionEdit_ = nullptr;
  HWND statusBar_ = nullptr;
  HWND pageControl_ = nullptr;
  std::wstring lastCaption_;
  size_t lastButtonCount_ = 0;
};

// Path of Lanvero.exe in the build tree.
std::wstring LanveroExe();
// Full path of the database file the program writes, in the Windows folder.
std::wstring DatabaseFilePath();
// Where the program writes the file when the Windows folder refuses it: the
// "Lanvero" folder of the user's local application data.
std::wstring FallbackDatabaseFilePath();

}  // namespace lanvero::e2e
