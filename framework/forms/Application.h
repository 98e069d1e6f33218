// The application object: the hidden application window (its text is the
// title the taskbar shows), the list of forms, the message loop with dialog
// navigation, and the default exception handling that reports an exception
// in a message box and goes on.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Component.h"

namespace lanvero::framework {

class TControl;
class TCustomForm;
class THintWindow;
class TTimer;
class TWinControl;

class TApplication : public TComponent {
 public:
  explicit TApplication(TComponent* owner = nullptr);
  ~TApplication() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  HWND Handle() const { return window_; }
  std::wstring Title() const;
  void SetTitle(const std::wstring& title);

  // Creates a form owned by the application, stores it in `reference`
  // before its layout is read and its OnCreate runs, and makes the first
  // form created the main form.
  template <class Form>
  void CreateForm(Form*& reference) {
    auto* form = new Form(this);
    reference = form;
    if (!mainForm_) mainForm_ = form;
    form->InitializeFromResource();
  }

  TCustomForm* MainForm() const { return mainForm_; }
  void SetMainForm(TCustomForm* form) { mainForm_ = form; }
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const { return forms_.at(static_cast<size_t>(index)); }
  const std::vector<TCustomForm*>& FormList() const { return forms_; }
  TCustomForm* ActiveForm() const { return activeForm_; }
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool value) { showMainForm_ = value; }

  // Shows the main form and runs the message loop until Terminate.
  void Run();
  // Handles every message that is waiting, then returns.
  void ProcessMessages();
  // Handles one message; false when none was waiting.
  bool ProcessMessage(MSG& message);
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Reports an exception: OnException when assigned, else a message box
  // with the exception's text.
  void HandleException(std::exception_ptr exception);
  std::function<void(std::exception_ptr)> OnException;
  // A message box owned by the active form (or the main form).
  int MessageBox(const std::wstring& text, const std::wstring& caption, UINT flags);
  // A plain information box with an OK button, captioned with the title.
  void ShowInformation(const std::wstring& text);

  // Hints: the control under the mouse shows its Hint after HintPause
  // milliseconds when its ShowHint is set; leaving it or pressing a button
  // hides the hint.
  void HintMouseEnter(TControl* control);
  void HintMouseLeave(TControl* control);
  void CancelHint();
  unsigned HintPause() const { return hintPause_; }
  void SetHintPause(unsigned milliseconds) { hintPause_ = milliseconds; }
  THintWindow* HintWindow() const { return hintWindow_.get(); }

  // Called by forms as they come and go.
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);
  void SetActiveForm(TCustomForm* form) { activeForm_ = form; }
  // Frees a form once the messages queued before now are handled.
  void ReleaseForm(TCustomForm* form);

 private:
  static LRESULT CALLBACK ApplicationWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  bool IsKeyMessage(const MSG& message);
  static bool IsMenuShortCut(TWinControl& control, WPARAM key);
  HWND MessageBoxOwner() const;

  void ShowHintNow();

  HWND window_ = nullptr;
  std::unique_ptr<THintWindow> hintWindow_;
  std::unique_ptr<TTimer> hintTimer_;
  TControl* hintControl_ = nullptr;
  unsigned hintPause_ = 500;
  std::vector<TCustomForm*> forms_;
  TCustomForm* mainForm_ = nullptr;
  TCustomForm* activeForm_ = nullptr;
  bool showMainForm_ = true;
  bool terminated_ = false;
};

// The one application object of the process, or nil before it exists.
TApplication* Application();

// Reports an exception that reached a window procedure.
void HandleUncaughtException(std::exception_ptr exception);

// The text of an exception, as a message box shows it.
std::wstring ExceptionText(std::exception_ptr exception);

}  // namespace lanvero::framework
