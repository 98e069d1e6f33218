// One running SkinGallery.exe, used as a person would: its main window,
// its pages, the skin picker and the plain dialog.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/driver/Process.h"
#include "tests/e2e/support/SkinFiles.h"

namespace lanvero::gallery::testing {

using e2e::Process;

class GallerySession {
 public:
  // Starts the gallery with `arguments` and waits for its main window.
  static std::unique_ptr<GallerySession> Start(const std::wstring& arguments = L"");
  // Only starts it, for a start that shows a message first.
  static std::unique_ptr<GallerySession> Launch(const std::wstring& arguments);
  void WaitForMainWindow();

  DWORD Id() const { return process_.Id(); }
  Process& Program() { return process_; }
  HWND Form() const { return form_; }
  HWND Pages() const { return pages_; }

  // Clicks tab `index` of the main page control.
  void ShowPage(int index);
  // The caption of the sheet of the main page control that shows now.
  std::wstring VisibleSheet() const;
  // Clicks the middle of a control.
  void ClickOn(HWND control);
  // A button, check box or radio button of the main window by caption.
  HWND ButtonControl(const wchar_t* windowClass, const wchar_t* caption) const;
  // The status line at the foot of the main window: the last command.
  std::wstring CommandStatus() const;
  // The visible popup menu windows ("#32768") of the gallery.
  std::vector<HWND> MenuWindows() const;
  // A visible top-level window of the gallery by its caption; null when none
  // shows within a few seconds.
  HWND WaitForTitledWindow(const std::wstring& title) const;
  // A key to whatever window of the gallery has the focus (a menu, while one
  // is open), with time for it to be handled: `modifier` held (0 for none)
  // while `key` is pressed.
  void Keys(WORD modifier, WORD key);
  void Key(WORD key) { Keys(0, key); }

  bool Close();

 private:
  explicit GallerySession(Process process) : process_(std::move(process)) {}

  Process process_;
  HWND form_ = nullptr;
  HWND pages_ = nullptr;
};

std::wstring GalleryExe();
// Every window below `parent`, depth first.
std::vector<HWND> ChildWindows(HWND parent);
// The skin engine's answer: 1 for a window it skins.
bool AnswersSkinQuery(HWND window);
using e2e::CaptionBrightness;
using e2e::TemporaryFile;

}  // namespace lanvero::gallery::testing
