#include "framework/forms/Application.h"

#include <algorithm>

#include "framework/core/ClassBuilder.h"
#include "framework/core/FrameworkError.h"
#include "framework/forms/Form.h"
#include "framework/menus/Menus.h"
#include "framework/forms/StandardClasses.h"
#include "framework/services/HintWindow.h"
#include "framework/services/Timer.h"

namespace lanvero::framework {

namespace {

TApplication* g_application = nullptr;
constexpr wchar_t kApplicationClass[] = L"TApplication";

std::wstring Utf8OrAnsiToWide(const char* text) {
  for (UINT codePage : {static_cast<UINT>(CP_UTF8), static_cast<UINT>(CP_ACP)}) {
    const DWORD flags = codePage == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0;
    const int length = MultiByteToWideChar(codePage, flags, text, -1, nullptr, 0);
    if (length > 0) {
      std::wstring wide(static_cast<size_t>(length), L'\0');
      MultiByteToWideChar(codePage, flags, text, -1, wide.data(), length);
      wide.resize(static_cast<size_t>(length - 1));
      return wide;
    }
  }
  return L"";
}

}  // namespace

TApplication* Application() { return g_application; }

std::wstring ExceptionText(std::exception_ptr exception) {
  try {
    std::rethrow_exception(exception);
  } catch (const FrameworkError& error) {
    return error.Message();
  } catch (const std::exception& error) {
    return Utf8OrAnsiToWide(error.what());
  } catch (...) {
    return L"Unknown exception";
  }
}

void HandleUncaughtException(std::exception_ptr exception) {
  if (g_application) g_application->HandleException(exception);
}

const ClassInfo& TApplication::StaticClassInfo() {
  static const ClassInfo info = DescribeClass("TApplication", &TComponent::StaticClassInfo());
  return info;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {
  if (g_application) throw FrameworkError(L"The application object exists already");
  g_application = this;
  RegisterStandardClasses();
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = ApplicationWindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kApplicationClass;
  // The program's main icon (resource "MAINICON") stands for the
  // application on the taskbar; programs without one get the system's.
  windowClass.hIcon = LoadIconW(instance, L"MAINICON");
  if (!windowClass.hIcon) windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  RegisterClassExW(&windowClass);
  // A zero-sized popup with a caption: invisible on the screen, but shown,
  // so that the taskbar shows its text as the application title.
  const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
  const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
  window_ =
      CreateWindowExW(0, kApplicationClass, L"", WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                      x, y, 0, 0, nullptr, nullptr, instance, nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TApplication::~TApplication() {
  MarkDestroying();
  hintTimer_.reset();
  hintWindow_.reset();
  // Forms first (newest first), while the application window still owns them.
  while (!forms_.empty()) delete forms_.back();
  DestroyComponents();
  if (window_) DestroyWindow(window_);
  g_application = nullptr;
}

std::wstring TApplication::Title() const {
  wchar_t buffer[512]{};
  GetWindowTextW(window_, buffer, 512);
  return buffer;
}

void TApplication::SetTitle(const std::wstring& title) { SetWindowTextW(window_, title.c_str()); }

void TApplication::HintMouseEnter(TControl* control) {
  CancelHint();
  if (!control || !control->ShowHint() || control->Hint().empty()) return;
  hintControl_ = control;
  if (!hintTimer_) {
    hintTimer_ = std::make_unique<TTimer>(nullptr);
    hintTimer_->SetOneShot(true);
    hintTimer_->OnTimer = [this](TObject*) { ShowHintNow(); };
  }
  hintTimer_->SetEnabled(false);
  hintTimer_->SetInterval(hintPause_);
  hintTimer_->SetEnabled(true);
}

void TApplication::HintMouseLeave(TControl* control) {
  if (control == hintControl_) CancelHint();
}

void TApplication::CancelHint() {
  hintControl_ = nullptr;
  if (hintTimer_) hintTimer_->SetEnabled(false);
  if (hintWindow_) hintWindow_->ReleaseHint();
}

void TApplication::ShowHintNow() {
  if (!hintControl_) return;
  if (!hintWindow_) hintWindow_ = std::make_unique<THintWindow>(nullptr);
  const std::wstring text = hintControl_->Hint();
  RECT rect = hintWindow_->CalcHintRect(300, text);
  POINT cursor{};
  GetCursorPos(&cursor);
  // Below the cursor, as far as the cursor is tall.
  OffsetRect(&rect, cursor.x, cursor.y + GetSystemMetrics(SM_CYCURSOR) / 2 + 4);
  hintWindow_->ActivateHint(rect, text);
}

void TApplication::AddForm(TCustomForm* form) { forms_.push_back(form); }

void TApplication::RemoveForm(TCustomForm* form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
  if (mainForm_ == form) mainForm_ = nullptr;
  if (activeForm_ == form) activeForm_ = nullptr;
}

void TApplication::ReleaseForm(TCustomForm* form) {
  PostMessageW(window_, CM_RELEASE, 0, reinterpret_cast<LPARAM>(form));
}

LRESULT CALLBACK TApplication::ApplicationWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* application = reinterpret_cast<TApplication*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (application && msg == CM_RELEASE) {
    auto* form = reinterpret_cast<TCustomForm*>(lParam);
    auto& forms = application->forms_;
    if (std::find(forms.begin(), forms.end(), form) != forms.end()) delete form;
    return 0;
  }
  if (msg == WM_DRAWITEM || msg == WM_MEASUREITEM) {
    // Popup menus shown without a control to own them report here.
    TMessage message{msg, wParam, lParam, 0};
    if (DispatchPopupMenuItem(message)) return message.Result;
  }
  if (application && msg == WM_CLOSE) {
    // Closing the taskbar button closes the main form.
    if (application->mainForm_) application->mainForm_->Close();
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

void TApplication::Run() {
  if (mainForm_ && showMainForm_) {
    ShowWindow(window_, SW_SHOWNORMAL);
    mainForm_->Show();
  }
  MSG message{};
  while (!terminated_) {
    const BOOL result = GetMessageW(&message, nullptr, 0, 0);
    if (result == 0 || result == -1) break;
    if (!IsKeyMessage(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  terminated_ = true;
}

bool TApplication::ProcessMessage(MSG& message) {
  if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return false;
  if (message.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  if (!IsKeyMessage(message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

void TApplication::ProcessMessages() {
  MSG message{};
  while (ProcessMessage(message)) {
  }
}

// A key press that is the shortcut of an item of the main menu of the
// control's form runs that item (the framework keeps no accelerator table).
bool TApplication::IsMenuShortCut(TWinControl& control, WPARAM key) {
  TCustomForm* form = GetParentForm(&control);
  TMainMenu* menu = form ? form->Menu() : nullptr;
  return menu && menu->IsShortCut(ShortCutOfKey(static_cast<WORD>(key)));
}

// Offers key messages to the focused control's object first (as CN_KEYDOWN,
// CN_CHAR ...), which turns navigation keys it does not want into dialog keys
// of its form: Tab moves the focus, Enter presses the default button.
bool TApplication::IsKeyMessage(const MSG& message) {
  const UINT msg = message.message;
  if (msg != WM_KEYDOWN && msg != WM_SYSKEYDOWN && msg != WM_CHAR && msg != WM_SYSCHAR) return false;
  TWinControl* control = FindWinControlOf(message.hwnd);
  if (!control) return false;
  try {
    if ((msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) && IsMenuShortCut(*control, message.wParam)) return true;
    return control->Perform(CN_BASE + msg, message.wParam, message.lParam) != 0;
  } catch (...) {
    HandleException(std::current_exception());
    return true;
  }
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

HWND TApplication::MessageBoxOwner() const {
  TCustomForm* owner = activeForm_ ? activeForm_ : mainForm_;
  if (owner && owner->HandleAllocated() && IsWindowVisible(owner->WindowHandle())) return owner->WindowHandle();
  return window_;
}

int TApplication::MessageBox(const std::wstring& text, const std::wstring& caption, UINT flags) {
  return ::MessageBoxW(MessageBoxOwner(), text.c_str(), caption.c_str(), flags);
}

void TApplication::ShowInformation(const std::wstring& text) { MessageBox(text, Title(), MB_OK | MB_ICONINFORMATION); }

void TApplication::HandleException(std::exception_ptr exception) {
  if (OnException) {
    OnException(exception);
    return;
  }
  MessageBox(ExceptionText(exception), Title(), MB_OK | MB_ICONSTOP);
}

}  // namespace lanvero::framework
