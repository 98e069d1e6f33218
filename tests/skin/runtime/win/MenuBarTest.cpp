// The skinned menu bar: a form's main menu drawn in the menu band (no
// native menu bar), its buttons' widths, the band's pixels from the skin,
// and the keyboard walk through the drop-downs with one menu window alive.
#include <functional>
#include <initializer_list>
#include <vector>

#include "framework/menus/Menus.h"
#include "framework/services/Screen.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/SkinText.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/menus/MenuBar.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

using framework::TMainMenu;
using framework::TMenuItem;

BOOL CALLBACK CountMenuWindow(HWND window, LPARAM count) {
  if (GetWindowClassStr(window) == L"#32768" && IsWindowVisible(window)) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int MenuWindowCount() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountMenuWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Which drop-down was open, and how many menu windows were alive, at each
// note taken inside a menu loop.
struct DropDownWalk {
  std::vector<int> opened;
  std::vector<int> windows;
  std::function<void()> Note() {
    return [this] {
      opened.push_back(OpenMenuBarButton());
      windows.push_back(MenuWindowCount());
    };
  }
};

void PostKey(WPARAM key) {
  const HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

class MenuBarTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    beforeShow_ = [this](framework::testing::TTestForm& form) { BuildMenu(form); };
    MakeSkinnedForm();
  }

  TMenuItem* Add(TMenuItem* parent, const std::wstring& caption) {
    auto* item = new TMenuItem(menu_);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }

  void BuildMenu(framework::testing::TTestForm& form) {
    menu_ = new TMainMenu(&form);
    file_ = Add(menu_->Items(), L"&File");
    open_ = Add(file_, L"&Open");
    close_ = Add(file_, L"&Close");
    edit_ = Add(menu_->Items(), L"&Edit");
    Add(edit_, L"Copy");
    recent_ = Add(edit_, L"&Recent");
    Add(recent_, L"First");
    Add(recent_, L"Second");
    help_ = Add(menu_->Items(), L"&Help");
    Add(help_, L"About");
    disabled_ = Add(menu_->Items(), L"&Locked");
    disabled_->SetEnabled(false);
    disabled_->OnClick = [this](framework::TObject*) { ++lockedClicks_; };
    form.SetMenu(menu_);
  }

  TWinSkinMenu& Bar() { return *Skinner()->MenuBar(); }

  void EnterByAlt() { SendMessageW(Window(), WM_SYSCOMMAND, SC_KEYMENU, 0); }

  TMainMenu* menu_ = nullptr;
  TMenuItem *file_ = nullptr, *open_ = nullptr, *close_ = nullptr, *edit_ = nullptr, *recent_ = nullptr;
  TMenuItem *help_ = nullptr, *disabled_ = nullptr;
  int lockedClicks_ = 0;
};

TEST_F(MenuBarTest, MainMenuIsASkinnedBarWithButtonsAsWideAsTheirTextAndTheSkinsBand) {
  ASSERT_EQ(GetMenu(Window()), nullptr) << "the native menu bar must not show";
  ASSERT_NE(Skinner()->MenuBar(), nullptr);
  ASSERT_EQ(Bar().Buttons().size(), 4u);
  EXPECT_GT(Skinner()->MenuHeight, 0);

  // Each button: its text measured in the menu font plus 10 pixels, side
  // by side from the skin's left tile width + 4.
  framework::WindowDC screen(nullptr);
  framework::SelectGuard font(screen.Get(), framework::Screen().MenuFont().Handle());
  const Rect band = Bar().Bar;
  ASSERT_FALSE(band.IsEmpty());
  int x = band.left + skin_->Menubar->r.left + 4;
  for (const auto& button : Bar().Buttons()) {
    RECT measured{0, 0, 0, 0};
    SkinDrawText(screen.Get(), button->caption, measured, DT_CALCRECT | DT_NOCLIP);
    EXPECT_EQ(button->bounds.Width(), measured.right - measured.left + 10)
        << std::string(button->caption.begin(), button->caption.end());
    EXPECT_EQ(button->bounds.left, x);
    x = button->bounds.right;
  }
  EXPECT_FALSE(Bar().Buttons()[3]->enabled);

  // The band's last column (no text there) comes from the last column of
  // the menu bar image's first frame.
  const RECT window = WindowRect();
  DibSection frame = DibSection::Create(window.right - window.left, window.bottom - window.top);
  {
    BitmapDC dc(frame.Handle());
    SendMessageW(Window(), WM_SKINPAINTFRAME, reinterpret_cast<WPARAM>(dc.Get()), SKIN_SIGNATURE);
  }
  const PixelImage painted = frame.ToImage();
  const PixelImage& image = skin_->Menubar->Map.Image();
  const int frameHeight = image.Height() / 2;
  const int column = band.right - 1;
  int matches = 0;
  for (int y = band.top; y < band.bottom; ++y) {
    const int imageRow = (y - band.top) * frameHeight / band.Height();
    const Pixel want = image.At(image.Width() - 1, std::min(imageRow, frameHeight - 1));
    const Pixel got = painted.At(column, y);
    const bool similar = std::abs(int(PixelRed(want)) - int(PixelRed(got))) <= 24 &&
                         std::abs(int(PixelGreen(want)) - int(PixelGreen(got))) <= 24 &&
                         std::abs(int(PixelBlue(want)) - int(PixelBlue(got))) <= 24;
    matches += similar ? 1 : 0;
  }
  EXPECT_GE(matches, band.Height() - 2) << "the band is not drawn from the menu bar image";
}

TEST_F(MenuBarTest, KeyboardWalkCyclesEveryDropDownWithOneMenuWindowAndOpensSubMenus) {
  DropDownWalk walk;
  const auto note = walk.Note();
  std::vector<std::function<void()>> steps{note};
  for (int i = 0; i < 4; ++i) {
    steps.push_back([] { PostKey(VK_RIGHT); });
    steps.push_back(note);
  }
  steps.push_back([] { PostKey(VK_ESCAPE); });
  steps.push_back([] { PostKey(VK_ESCAPE); });
  RunInMenuLoop([&] { EnterByAlt(); }, steps);

  // The disabled button shows no drop-down; the walk goes on from it.
  EXPECT_EQ(walk.opened, (std::vector<int>{0, 1, 2, -1, 0}));
  EXPECT_EQ(walk.windows, (std::vector<int>{1, 1, 1, 0, 1}));
  EXPECT_EQ(OpenMenuBarButton(), -1);
  EXPECT_FALSE(Skinner()->InMenu());
  EXPECT_EQ(MenuWindowCount(), 0) << "Escape twice leaves the bar";
  EXPECT_EQ(lockedClicks_, 0) << "a disabled command never runs";

  // Right on an item with a sub-menu opens the sub-menu, not the next button.
  int subMenuWindows = 0;
  int openAfterRight = -1;
  RunInMenuLoop([&] { SendMessageW(Window(), WM_SYSCOMMAND, SC_KEYMENU, 'e'); },
                {[] {}, [] { PostKey(VK_DOWN); }, [] { PostKey(VK_RIGHT); },
                 [&] {
                   subMenuWindows = MenuWindowCount();
                   openAfterRight = OpenMenuBarButton();
                 },
                 [] { PostKey(VK_ESCAPE); }, [] { PostKey(VK_ESCAPE); }, [] { PostKey(VK_ESCAPE); }});
  EXPECT_EQ(openAfterRight, 1) << "Alt+E opens Edit and stays there";
  EXPECT_EQ(subMenuWindows, 2);
}

// Real mouse movement to a screen point: the drop-down's loop sees it as
// it would see the user's hand.
void MoveMouseTo(POINT screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

TEST_F(MenuBarTest, AClickOpensADropDownAndMovingAlongTheBarSwitchesToTheNeighbours) {
  const auto middleOf = [this](int index) {
    const Rect& bounds = Bar().Buttons()[static_cast<size_t>(index)]->bounds;
    return ScreenPoint((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
  };
  DropDownWalk walk;
  const auto note = walk.Note();
  std::vector<std::function<void()>> steps{note};
  for (int index : {1, 2, 0}) {
    steps.push_back([&, index] { MoveMouseTo(middleOf(index)); });
    steps.push_back(note);
  }
  steps.push_back([] { PostKey(VK_ESCAPE); });
  steps.push_back([] { PostKey(VK_ESCAPE); });
  const POINT file = middleOf(0);
  MoveMouseTo(file);
  PumpFor(50);
  RunInMenuLoop([&] { SendMessageW(Window(), WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(file.x, file.y)); }, steps);

  EXPECT_EQ(walk.opened, (std::vector<int>{0, 1, 2, 0}));
  EXPECT_EQ(walk.windows, (std::vector<int>{1, 1, 1, 1})) << "one drop-down window at a time";
  EXPECT_FALSE(Skinner()->InMenu());
  EXPECT_EQ(MenuWindowCount(), 0);
}

// The modifier keys this thread's keyboard state shows as held.
void HoldKeys(std::initializer_list<int> keys) {
  BYTE state[256]{};
  GetKeyboardState(state);
  for (int key : {VK_MENU, VK_SHIFT, VK_CONTROL}) state[key] = 0;
  for (int key : keys) state[key] = 0x80;
  SetKeyboardState(state);
}

TEST_F(MenuBarTest, AltLetterTypedInAControlReachesTheBarAsTheFormsDialogCharacter) {
  // Alt+H as the framework offers it to the form: Help opens.
  int opened = -1;
  RunInMenuLoop(
      [&] {
        HoldKeys({VK_MENU});
        EXPECT_EQ(form_->Perform(framework::CM_DIALOGCHAR, 'h', 0x20000000), 1);
        HoldKeys({});
        PumpFor(400);
      },
      {[&] { opened = OpenMenuBarButton(); }, [] { PostKey(VK_ESCAPE); }, [] { PostKey(VK_ESCAPE); }});
  EXPECT_EQ(opened, 2) << "Alt+H did not open the Help drop-down";

  // Alt+Shift+H, a letter no button has, and Alt+L on the disabled button
  // open nothing.
  HoldKeys({VK_MENU, VK_SHIFT});
  EXPECT_EQ(form_->Perform(framework::CM_DIALOGCHAR, 'h', 0x20000000), 0);
  HoldKeys({VK_MENU});
  EXPECT_EQ(form_->Perform(framework::CM_DIALOGCHAR, 'q', 0x20000000), 0);
  EXPECT_EQ(form_->Perform(framework::CM_DIALOGCHAR, 'l', 0x20000000), 0);
  HoldKeys({});
  PumpFor(100);
  EXPECT_EQ(MenuWindowCount(), 0);
  EXPECT_EQ(lockedClicks_, 0);
}

TEST_F(MenuBarTest, DisabledCommandsNeverRunAndAHandlerChangingTheMenuInTheLoopIsSafe) {
  // A press on the disabled button.
  TMenuBtn* locked = Bar().Buttons()[3].get();
  const RECT window = WindowRect();
  const LPARAM at = MAKELPARAM(window.left + locked->bounds.left + 3, window.top + locked->bounds.top + 3);
  SendMessageW(Window(), WM_SKINMENUCLICK, 0, at);
  PumpFor(50);
  EXPECT_EQ(lockedClicks_, 0);
  // A disabled item's click handler does not run by its command either.
  int closeClicks = 0;
  close_->OnClick = [&](framework::TObject*) { ++closeClicks; };
  close_->SetEnabled(false);
  PostMessageW(Window(), WM_COMMAND, close_->Command(), 0);
  PumpFor(50);
  EXPECT_EQ(closeClicks, 0);

  // A handler that disables a sibling while the drop-down is open: the
  // menu is rebuilt once the loop ends.
  RunInMenuLoop([&] { EnterByAlt(); },
                {[&] { open_->SetEnabled(false); }, [] { PostKey(VK_ESCAPE); }, [] { PostKey(VK_ESCAPE); }});
  PumpFor(50);
  EXPECT_EQ(GetMenu(Window()), nullptr);
  ASSERT_NE(Skinner()->MenuBar(), nullptr);
  HMENU fileMenu = Bar().Buttons()[0]->hsubmenu;
  ASSERT_NE(fileMenu, nullptr);
  EXPECT_TRUE(GetMenuState(fileMenu, open_->Command(), MF_BYCOMMAND) & MF_GRAYED);
}

}  // namespace
}  // namespace lanvero::testing
