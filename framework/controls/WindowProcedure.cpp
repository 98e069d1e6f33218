// The window procedure of every framework window class, the window classes
// themselves and the property that ties a window to its control object.
//
// Binding: each window carries a property named by ControlAtom() whose value
// is its TControl*. The class's window procedure looks the object up there on
// every message; the first messages of a window being created arrive before
// the property exists and find the object in a per-thread slot set just
// around CreateWindowEx. Because the binding lives in the window and not in
// the procedure, code that subclasses the window with SetWindowLongPtr and
// calls the previous procedure keeps working.
#include "framework/controls/WindowProcedure.h"

#include <commctrl.h>

#include <cstdio>
#include <map>

#include "framework/controls/WinControl.h"
#include "framework/core/FrameworkError.h"
#include "framework/forms/Application.h"

namespace lanvero::framework {

namespace {

thread_local TWinControl* t_creatingControl = nullptr;

// Owns the process's control atom; the atom goes when the module unloads.
class ControlAtomOwner {
 public:
  ControlAtomOwner() {
    wchar_t name[40];
    swprintf(name, 40, L"ControlOfs%.8X%.8X",
             static_cast<unsigned>(reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr))),
             static_cast<unsigned>(GetCurrentThreadId()));
    atom_ = GlobalAddAtomW(name);
  }
  ~ControlAtomOwner() {
    if (atom_) GlobalDeleteAtom(atom_);
  }
  ATOM Get() const { return atom_; }

 private:
  ATOM atom_ = 0;
};

void InitCommonControlsOnce() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                               ICC_TAB_CLASSES | ICC_PROGRESS_CLASS};
    return InitCommonControlsEx(&init) != FALSE;
  }();
  (void)done;
}

}  // namespace

ATOM ControlAtom() {
  static const ControlAtomOwner owner;
  return owner.Get();
}

TControl* FindControlFromHandle(HWND window) {
  if (!window) return nullptr;
  return static_cast<TControl*>(GetPropW(window, MAKEINTATOM(ControlAtom())));
}

TWinControl* FindWinControlOf(HWND window) {
  for (; window; window = GetParent(window)) {
    if (auto* control = dynamic_cast<TWinControl*>(FindControlFromHandle(window))) return control;
  }
  return nullptr;
}

void SetCreatingControl(TWinControl* control) { t_creatingControl = control; }

WNDPROC RegisterFrameworkClass(const std::wstring& className, const TCreateParams& params) {
  // Framework window classes and the procedure each one superclasses.
  static std::map<std::wstring, WNDPROC> registered;
  if (auto it = registered.find(className); it != registered.end()) return it->second;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  WNDPROC original = DefWindowProcW;
  if (!params.systemClass.empty()) {
    InitCommonControlsOnce();
    if (!GetClassInfoExW(nullptr, params.systemClass.c_str(), &windowClass)) {
      throw FrameworkError(L"Window class " + params.systemClass + L" is not available");
    }
    windowClass.cbSize = sizeof windowClass;
    original = windowClass.lpfnWndProc;
    windowClass.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
  } else {
    windowClass.style = params.classStyle;
    windowClass.hCursor = params.classCursor ? params.classCursor : LoadCursorW(nullptr, IDC_ARROW);
  }
  windowClass.lpfnWndProc = FrameworkWindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = className.c_str();
  windowClass.lpszMenuName = nullptr;
  if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw FrameworkError(L"Cannot register window class " + className);
  }
  registered[className] = original;
  return original;
}

LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* control = static_cast<TWinControl*>(FindControlFromHandle(window));
  if (!control) {
    control = t_creatingControl;
    if (!control) return DefWindowProcW(window, msg, wParam, lParam);
    t_creatingControl = nullptr;
    control->AttachHandle(window);
  }
  TMessage message{msg, wParam, lParam, 0};
  const LifeWatch life = control->WatchLife();
  try {
    if (control->WindowProc) {
      control->WindowProc(message);
    } else {
      control->WndProc(message);
    }
  } catch (...) {
    // Exceptions must not unwind through the system's frames: report here.
    HandleUncaughtException(std::current_exception());
  }
  if (msg == WM_NCDESTROY && !life.Gone()) control->DetachHandle();
  return message.Result;
}

}  // namespace lanvero::framework
