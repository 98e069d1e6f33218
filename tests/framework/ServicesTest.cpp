// Timers, the hint window, image lists, menus and forms read from resources.
#include "framework/menus/Menus.h"
#include "framework/services/HintWindow.h"
#include "framework/services/ImageList.h"
#include "framework/services/Screen.h"
#include "framework/controls/Edits.h"
#include "framework/services/Timer.h"
#include "tests/framework/WinTestSupport.h"

namespace lanvero::framework::testing {
namespace {

// Pumps until `done` or about two seconds passed.
template <class Done>
void PumpUntil(Done done) {
  for (int i = 0; i < 200 && !done(); ++i) {
    Pump();
    Sleep(10);
  }
}

TEST(Services, OneShotTimerFiresOncePeriodicTimerKeepsGoing) {
  TTimer oneShot(nullptr);
  oneShot.SetEnabled(false);
  oneShot.SetOneShot(true);
  oneShot.SetInterval(20);
  int shots = 0;
  oneShot.OnTimer = [&](TObject*) { ++shots; };
  oneShot.SetEnabled(true);
  TTimer periodic(nullptr);
  periodic.SetInterval(20);
  int ticks = 0;
  periodic.OnTimer = [&](TObject*) { ++ticks; };
  PumpUntil([&] { return ticks >= 4; });
  EXPECT_EQ(shots, 1);
  EXPECT_FALSE(oneShot.Enabled());
  EXPECT_GE(ticks, 4);
  periodic.SetEnabled(false);
  const int stopped = ticks;
  for (int i = 0; i < 10; ++i) {
    Sleep(10);
    Pump();
  }
  EXPECT_EQ(ticks, stopped);
}

TEST(Services, HintWindowShowsWithoutTakingTheMouseOrFocus) {
  THintWindow hint(nullptr);
  const RECT needed = hint.CalcHintRect(500, L"\u6700\u5C0F\u5316");
  EXPECT_GT(needed.right, 0);
  EXPECT_GT(needed.bottom, 0);
  EXPECT_LE(needed.right, 500 + 10);
  HWND focus = GetFocus();
  RECT at = needed;
  OffsetRect(&at, 100, 100);
  hint.ActivateHint(at, L"\u6700\u5C0F\u5316");
  EXPECT_TRUE(hint.Showing());
  EXPECT_EQ(hint.ClassName(), L"THintWindow");
  EXPECT_EQ(SendMessageW(hint.WindowHandle(), WM_NCHITTEST, 0, MAKELPARAM(105, 105)), HTTRANSPARENT);
  EXPECT_EQ(GetFocus(), focus);
  hint.ReleaseHint();
  EXPECT_FALSE(hint.Showing());
}

TEST(Services, ControlsShowTheirHintAfterAPause) {
  auto form = MakeForm("object F: TTestForm\n  ClientWidth = 200\n  ClientHeight = 100\n"
                       "  object L: TLabel\n    Left = 10\n    Top = 10\n    Caption = 'help'\n"
                       "    Hint = 'Opens the site'\n    ShowHint = True\n  end\nend\n");
  form->Show();
  Application()->SetHintPause(20);
  SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(12, 12));
  PumpUntil([] { return Application()->HintWindow() && Application()->HintWindow()->Showing(); });
  ASSERT_NE(Application()->HintWindow(), nullptr);
  EXPECT_TRUE(Application()->HintWindow()->Showing());
  EXPECT_EQ(Application()->HintWindow()->GetText(), L"Opens the site");
  SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(150, 80));
  EXPECT_FALSE(Application()->HintWindow()->Showing());
}

TEST(Services, ImageListCutsAStripIntoImages) {
  TImageList images(nullptr);
  TBitmap strip(48, 16);
  strip.Canvas().Brush().SetColor(clFuchsia);
  strip.Canvas().FillRect(RECT{0, 0, 48, 16});
  EXPECT_EQ(images.AddMasked(strip, clFuchsia), 0);
  EXPECT_EQ(images.Count(), 3);
  int cx = 0, cy = 0;
  ImageList_GetIconSize(images.Handle(), &cx, &cy);
  EXPECT_EQ(cx, 16);
  TBitmap target(16, 16);
  target.Canvas().Brush().SetColor(clWhite);
  target.Canvas().FillRect(RECT{0, 0, 16, 16});
  images.Draw(target.Canvas(), 0, 0, 1);
  EXPECT_EQ(target.Canvas().Pixel(8, 8), RGB(255, 255, 255));  // all transparent
  EXPECT_FALSE(Screen().Fonts().empty());
  EXPECT_GT(Screen().MenuFont().Height() != 0, 0);
}

TEST(Services, MainMenuItemsRunFromTheirCommands) {
  auto form = MakeForm(R"(object F: TTestForm
  Menu = MainMenu1
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object Open1: TMenuItem
        Caption = '&Open'
        OnClick = ButtonClick
      end
      object Quit1: TMenuItem
        Caption = 'Quit'
        Enabled = False
      end
    end
  end
end
)");
  form->Show();
  auto* menu = dynamic_cast<TMainMenu*>(form->FindComponent(L"MainMenu1"));
  auto* file = dynamic_cast<TMenuItem*>(form->FindComponent(L"File1"));
  auto* open = dynamic_cast<TMenuItem*>(form->FindComponent(L"Open1"));
  auto* quit = dynamic_cast<TMenuItem*>(form->FindComponent(L"Quit1"));
  ASSERT_TRUE(menu && file && open && quit);
  EXPECT_EQ(GetMenu(form->Handle()), menu->Handle());
  EXPECT_EQ(file->Count(), 2);
  ASSERT_NE(file->Handle(), nullptr);
  EXPECT_EQ(GetSubMenu(menu->Handle(), 0), file->Handle());
  EXPECT_EQ(menu->FindItem(open->Command(), TFindItemKind::fkCommand), open);
  EXPECT_EQ(menu->FindItem(static_cast<UINT>(reinterpret_cast<UINT_PTR>(file->Handle())), TFindItemKind::fkHandle),
            file);
  EXPECT_TRUE(GetMenuState(file->Handle(), quit->Command(), MF_BYCOMMAND) & MF_GRAYED);
  SendMessageW(form->Handle(), WM_COMMAND, open->Command(), 0);
  EXPECT_EQ(form->calls.back(), L"click Open1");
  // A changed item reaches the form as CM_MENUCHANGED and the bar is rebuilt.
  MessageRecorder recorder(*form);
  quit->SetEnabled(true);
  EXPECT_TRUE(recorder.SawInOrder({CM_MENUCHANGED}));
  EXPECT_FALSE(GetMenuState(file->Handle(), quit->Command(), MF_BYCOMMAND) & MF_GRAYED);
  wchar_t text[32]{};
  GetMenuStringW(menu->Handle(), 0, text, 32, MF_BYPOSITION);
  EXPECT_STREQ(text, L"&File");
}

// Ctrl held while K goes down, as the keyboard state of this thread says.
void PostCtrlKey(HWND window, WORD key) {
  BYTE keys[256]{};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PostMessageW(window, WM_KEYDOWN, key, 1);
  Application()->ProcessMessages();
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
}

TEST(Services, MainMenuShortcutsRunTheirItemsUnlessDisabled) {
  auto form = MakeForm(R"(object F: TTestForm
  Menu = MainMenu1
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object Open1: TMenuItem
        Caption = '&Open'
        ShortCut = 16463
        OnClick = ButtonClick
      end
      object Quit1: TMenuItem
        Caption = 'Quit'
        ShortCut = 16465
        Enabled = False
        OnClick = ButtonClick
      end
    end
  end
  object Edit1: TEdit
    Text = 'typed here'
  end
end
)");
  form->Show();
  auto* edit = FindIn<TEdit>(*form, L"Edit1");
  ASSERT_NE(edit, nullptr);
  PostCtrlKey(edit->Handle(), 'O');
  EXPECT_EQ(form->calls, std::vector<std::wstring>{L"click Open1"}) << "Ctrl+O in a control of the form";
  PostCtrlKey(edit->Handle(), 'Q');
  PostMessageW(edit->Handle(), WM_KEYDOWN, 'O', 1);  // O alone is no shortcut
  Application()->ProcessMessages();
  EXPECT_EQ(form->calls.size(), 1u) << "a disabled item ran by its shortcut, or a plain key did";
}

TEST(Services, ActionsKeepTheirMenuItemsInStep) {
  TPopupMenu menu(nullptr);
  auto* item = new TMenuItem(&menu);
  menu.Items()->Add(item);
  TAction action(nullptr);
  int runs = 0;
  action.OnExecute = [&](TObject*) { ++runs; };
  action.SetCaption(L"&Copy");
  item->SetAction(&action);
  EXPECT_EQ(item->Caption(), L"&Copy");
  action.SetEnabled(false);
  EXPECT_FALSE(item->Enabled());
  EXPECT_TRUE(GetMenuState(menu.Handle(), item->Command(), MF_BYCOMMAND) & MF_GRAYED);
  // A disabled command is found but does not run.
  EXPECT_TRUE(menu.DispatchCommand(item->Command()));
  EXPECT_EQ(runs, 0);
  action.SetEnabled(true);
  EXPECT_TRUE(menu.DispatchCommand(item->Command()));
  EXPECT_EQ(runs, 1);
  EXPECT_FALSE(menu.DispatchCommand(0xEFFF));
}

class TResourceForm;
TResourceForm* g_resourceForm = nullptr;

class TResourceForm : public TForm {
 public:
  explicit TResourceForm(TComponent* owner) : TForm(owner) {
    // The program-wide reference is set before the creation handler runs.
    OnCreate = [this](TObject*) { referenceSetInOnCreate = g_resourceForm == this; };
  }
  bool referenceSetInOnCreate = false;
  static const ClassInfo& StaticClassInfo() {
    static const ClassInfo info = DescribeClass("TResourceForm", &TForm::StaticClassInfo());
    return info;
  }
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }
};

TEST(Services, FormReadsTheLayoutNamedAfterItsClassFromTheResources) {
  Application()->CreateForm(g_resourceForm);
  TResourceForm* form = g_resourceForm;
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->referenceSetInOnCreate);
  EXPECT_EQ(form->Caption(), L"from resource");
  EXPECT_NE(form->FindComponent(L"Button1"), nullptr);
  EXPECT_EQ(Application()->Forms(Application()->FormCount() - 1), form);
  delete form;
  TTestForm missing(nullptr);
  EXPECT_THROW(missing.InitializeFromResource(), FrameworkError);
}

}  // namespace
}  // namespace lanvero::framework::testing
