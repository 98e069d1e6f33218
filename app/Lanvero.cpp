// Program entry of Lanvero: the application window (whose text is the
// taskbar title) and the main window "TForm1", centred, with a single
// non-resizable border and only the system menu.
#include <windows.h>

namespace {

constexpr wchar_t kApplicationTitle[] = L"Lanvero V1.0";
constexpr wchar_t kApplicationClass[] = L"TApplication";
constexpr wchar_t kMainFormClass[] = L"TForm1";
constexpr int kClientWidth = 665;
constexpr int kClientHeight = 612;
constexpr DWORD kMainFormStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;

LRESULT CALLBACK ApplicationWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK MainFormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

bool RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(instance, L"MAINICON");
  wc.hIconSm = static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = name;
  return RegisterClassExW(&wc) != 0;
}

// The application window is a zero-sized popup that owns every form, so the
// taskbar shows one button carrying the application title.
HWND CreateApplicationWindow(HINSTANCE instance) {
  const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
  const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
  HWND hwnd = CreateWindowExW(0, kApplicationClass, kApplicationTitle,
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              x, y, 0, 0, nullptr, nullptr, instance, nullptr);
  if (hwnd) ShowWindow(hwnd, SW_SHOWNORMAL);
  return hwnd;
}

HWND CreateMainForm(HINSTANCE instance, HWND owner) {
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kMainFormStyle, FALSE, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return CreateWindowExW(0, kMainFormClass, L"", kMainFormStyle, left, top, width, height,
                         owner, nullptr, instance, nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  if (!RegisterWindowClass(instance, kApplicationClass, ApplicationWindowProc) ||
      !RegisterWindowClass(instance, kMainFormClass, MainFormProc)) {
    return 1;
  }
  HWND application = CreateApplicationWindow(instance);
  HWND mainForm = CreateMainForm(instance, application);
  if (!mainForm) return 1;
  ShowWindow(mainForm, show);
  UpdateWindow(mainForm);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (application) DestroyWindow(application);
  return static_cast<int>(msg.wParam);
}
