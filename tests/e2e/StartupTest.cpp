// Starting and closing Lanvero.exe: the main window's class, size and
// position, the taskbar title, and a clean exit.
#include <gtest/gtest.h>

#include "tests/e2e/driver/Desktop.h"
#include "tests/e2e/driver/Process.h"
#include "tests/e2e/driver/Screenshot.h"

namespace lanvero::e2e {
namespace {

constexpr int kClientWidth = 665;
constexpr int kClientHeight = 612;

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = std::make_unique<Process>(Process::Launch(BuildTreePath(L"bin/Lanvero.exe")));
    mainForm_ = WaitForWindow(program_->Id(), L"TForm1");
    ASSERT_NE(mainForm_, nullptr) << "no visible TForm1 window appeared";
  }

  std::unique_ptr<Process> program_;
  HWND mainForm_ = nullptr;
};

TEST_F(StartupTest, MainWindowHasItsClientSizeAndIsCentredOnTheDesktop) {
  const SIZE client = ClientSize(mainForm_);
  EXPECT_EQ(client.cx, kClientWidth);
  EXPECT_EQ(client.cy, kClientHeight);

  const RECT frame = WindowRectOnScreen(mainForm_);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_LE(std::abs((frame.left + frame.right) - screenWidth), 1);
  EXPECT_LE(std::abs((frame.top + frame.bottom) - screenHeight), 1);

  SaveBitmap(CaptureWindow(mainForm_), OutputPath(L"e2e-startup.bmp"));
}

TEST_F(StartupTest, BorderIsSingleAndOnlyTheSystemMenuIsOffered) {
  const LONG style = GetWindowLongW(mainForm_, GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_THICKFRAME) << "the window must not be resizable";
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
}

TEST_F(StartupTest, TaskbarTitleIsTheApplicationTitle) {
  // The taskbar shows the window that owns the main form: the application window.
  HWND application = GetWindow(mainForm_, GW_OWNER);
  ASSERT_NE(application, nullptr);
  EXPECT_EQ(WindowText(application), L"Lanvero V1.0");
  EXPECT_EQ(GetWindow(application, GW_OWNER), nullptr);
}

TEST_F(StartupTest, ClosingTheMainWindowEndsTheProcess) {
  RequestClose(mainForm_);
  ASSERT_TRUE(program_->WaitForExit(10000)) << "the program kept running after its window closed";
  EXPECT_EQ(program_->ExitCode(), 0u);
}

}  // namespace
}  // namespace lanvero::e2e
