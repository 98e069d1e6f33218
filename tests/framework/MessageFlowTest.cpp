// The path of messages through control objects: the replaceable handler,
// raw subclassing, reflected notifications, window-less controls, dialog
// keys and exception reports. Sequences are recorded and compared.
#include <windows.h>
#include <commctrl.h>

#include "framework/base/GdiObject.h"
#include "framework/controls/Buttons.h"
#include "framework/controls/Edits.h"
#include "framework/controls/Labels.h"
#include "framework/controls/PageControl.h"
#include "tests/framework/WinTestSupport.h"

namespace lanvero::framework::testing {
namespace {

constexpr char kLayout[] = R"(object Form1: TTestForm
  ClientWidth = 300
  ClientHeight = 200
  object Edit1: TEdit
    Left = 8
    Top = 8
    TabOrder = 0
    OnEnter = EditEnter
  end
  object OK: TButton
    Left = 8
    Top = 40
    Caption = '&OK'
    Default = True
    TabOrder = 1
    OnClick = ButtonClick
  end
  object Other: TButton
    Left = 100
    Top = 40
    TabOrder = 2
    OnClick = Throwing
  end
  object Quit: TButton
    Left = 200
    Top = 40
    Caption = 'Quit'
    Cancel = True
    TabOrder = 4
    OnClick = ButtonClick
  end
  object Link: TLabel
    Left = 10
    Top = 100
    Width = 50
    Height = 13
    AutoSize = False
    Caption = 'link'
    Cursor = crHandPoint
    OnClick = ButtonClick
  end
  object Pages: TPageControl
    Left = 100
    Top = 80
    Width = 190
    Height = 100
    TabOrder = 3
    object First: TTabSheet
      Caption = 'one'
    end
    object Second: TTabSheet
      Caption = 'two'
    end
  end
end
)";

// Reflected messages keep the numbers components written elsewhere send
// by value: CN_BASE plus the original message.
static_assert(CN_COMMAND == 0xBD11u);
static_assert(CN_NOTIFY == 0xBC4Eu);

class MessageFlowTest : public LayoutFormTest {
 protected:
  void SetUp() override {
    ClassRegistry::Register(TTestForm::StaticClassInfo());
    ShowForm(kLayout);
    form->calls.clear();
    ClearReportedException();
  }
  void Key(HWND window, WPARAM key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
    Pump();
  }
};

TEST_F(MessageFlowTest, ReplacedHandlerSeesMessagesAndIsRestored) {
  auto* button = Find<TButton>(L"OK");
  {
    MessageRecorder recorder(*button);
    SendMessageW(button->WindowHandle(), WM_USER + 7, 0, 0);
    button->SetEnabled(false);
    button->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(recorder.SawInOrder({WM_USER + 7, CM_ENABLEDCHANGED, WM_ENABLE, CM_MOUSEENTER}));
    EXPECT_FALSE(IsWindowEnabled(button->WindowHandle()));
  }
  // Restored: a new recorder sees only what comes after it.
  MessageRecorder later(*button);
  button->SetEnabled(true);
  EXPECT_EQ(later.Messages().front().msg, CM_ENABLEDCHANGED);
  EXPECT_TRUE(IsWindowEnabled(button->WindowHandle()));
}

TEST_F(MessageFlowTest, ConsumingHandlerKeepsMessagesFromTheControl) {
  auto* button = Find<TButton>(L"OK");
  TWndMethod previous = button->WindowProc;
  button->WindowProc = [&](TMessage& message) {
    if (message.Msg != WM_SETTEXT) previous(message);
  };
  SendMessageW(button->WindowHandle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"changed"));
  button->WindowProc = previous;
  wchar_t text[16]{};
  GetWindowTextW(button->WindowHandle(), text, 16);
  EXPECT_STREQ(text, L"&OK");
}

LRESULT CALLBACK CountingProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
WNDPROC g_previousProc = nullptr;
int g_rawCount = 0;
LRESULT CALLBACK CountingProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_USER + 9) ++g_rawCount;
  return CallWindowProcW(g_previousProc, window, msg, wParam, lParam);
}

TEST_F(MessageFlowTest, RawSubclassingKeepsTheObjectBound) {
  auto* edit = Find<TEdit>(L"Edit1");
  HWND window = edit->WindowHandle();
  g_previousProc =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProc)));
  MessageRecorder recorder(*edit);
  SendMessageW(window, WM_USER + 9, 0, 0);
  SetWindowTextW(window, L"typed");
  EXPECT_EQ(g_rawCount, 1);
  EXPECT_TRUE(recorder.SawInOrder({WM_USER + 9, WM_SETTEXT}));
  EXPECT_EQ(edit->Text(), L"typed");
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_previousProc));
}

TEST_F(MessageFlowTest, ParentReflectsNotificationsToTheChild) {
  auto* button = Find<TButton>(L"OK");
  MessageRecorder recorder(*button);
  SendMessageW(button->WindowHandle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(recorder.SawInOrder({CN_COMMAND}));
  EXPECT_EQ(form->calls, std::vector<std::wstring>{L"click OK"});

  // WM_NOTIFY from the tab control reaches the page control as 0xBC4E.
  auto* pages = Find<TPageControl>(L"Pages");
  MessageRecorder pageRecorder(*pages);
  SendMessageW(pages->WindowHandle(), TCM_SETCURSEL, 1, 0);
  NMHDR header{pages->WindowHandle(), 0, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  EXPECT_TRUE(pageRecorder.SawInOrder({0xBC4E}));
  EXPECT_EQ(pages->ActivePage(), Find<TTabSheet>(L"Second"));
  EXPECT_FALSE(Find<TTabSheet>(L"First")->Visible());

  // Colour requests of a child come back to it as CN_CTLCOLOR*.
  auto* edit = Find<TEdit>(L"Edit1");
  MessageRecorder editRecorder(*edit);
  const WindowDC dc(edit->WindowHandle());
  const auto brush = SendMessageW(form->Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.Get()),
                                  reinterpret_cast<LPARAM>(edit->WindowHandle()));
  EXPECT_TRUE(editRecorder.SawInOrder({CN_CTLCOLOREDIT}));
  EXPECT_NE(brush, 0);
}

TEST_F(MessageFlowTest, ParentPassesMouseToWindowlessChildren) {
  auto* label = Find<TLabel>(L"Link");
  EXPECT_EQ(form->ControlAtPos(POINT{20, 105}), label);
  EXPECT_EQ(form->ControlAtPos(POINT{70, 105}), nullptr);
  MessageRecorder recorder(*label);
  SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 105));
  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 105));
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(21, 106));
  EXPECT_TRUE(recorder.SawInOrder({CM_MOUSEENTER, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
  EXPECT_EQ(form->calls, std::vector<std::wstring>{L"click Link"});
  // Pressed on the label, released outside it: no click.
  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 105));
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(200, 10));
  EXPECT_EQ(form->calls.size(), 1u);
  SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(200, 10));
  EXPECT_TRUE(recorder.SawInOrder({CM_MOUSEENTER, CM_MOUSELEAVE}));
  // The label's cursor shows over it.
  POINT screen = label->ClientToScreen(POINT{5, 5});
  SetCursorPos(screen.x, screen.y);
  SendMessageW(form->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form->Handle()),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
}

TEST_F(MessageFlowTest, EnterPressesTheDefaultButtonAndTabMovesOn) {
  auto* edit = Find<TEdit>(L"Edit1");
  EXPECT_EQ(GetFocus(), edit->WindowHandle());  // the first tab stop gets the focus on showing
  Find<TButton>(L"Other")->SetFocus();
  Pump();
  form->calls.clear();
  edit->SetFocus();
  Pump();
  EXPECT_EQ(GetFocus(), edit->WindowHandle());
  EXPECT_EQ(form->calls, std::vector<std::wstring>{L"enter Edit1"});
  EXPECT_TRUE(Find<TButton>(L"OK")->Active());
  Key(edit->WindowHandle(), VK_RETURN);
  EXPECT_EQ(form->calls.back(), L"click OK");
  Key(edit->WindowHandle(), VK_TAB);
  EXPECT_EQ(GetFocus(), Find<TButton>(L"OK")->WindowHandle());
  // Focus on another button takes the default frame away from OK.
  Find<TButton>(L"Other")->SetFocus();
  Pump();
  EXPECT_FALSE(Find<TButton>(L"OK")->Active());
  EXPECT_TRUE(Find<TButton>(L"Other")->Active());
}

TEST_F(MessageFlowTest, RecreatedWindowKeepsItsObjectAndState) {
  auto* edit = Find<TEdit>(L"Edit1");
  edit->SetText(L"kept");
  HWND before = edit->WindowHandle();
  MessageRecorder recorder(*edit);
  edit->RecreateWnd();
  EXPECT_EQ(recorder.Messages().front().msg, CM_RECREATEWND);
  EXPECT_TRUE(recorder.SawInOrder({CM_RECREATEWND, WM_NCDESTROY, WM_NCCREATE, WM_CREATE}));
  EXPECT_FALSE(IsWindow(before));
  ASSERT_TRUE(edit->HandleAllocated());
  EXPECT_EQ(FindControlFromHandle(edit->WindowHandle()), edit);
  EXPECT_EQ(edit->Text(), L"kept");
}

TEST_F(MessageFlowTest, ParentTakesItsChildrenAlongWhenItGoes) {
  auto* pages = Find<TPageControl>(L"Pages");
  auto* second = Find<TTabSheet>(L"Second");
  auto* edit = new TEdit(form.get());  // owned by the form, placed on a page
  edit->SetName(L"OnPage");
  edit->SetParent(second);
  ASSERT_TRUE(edit->HandleAllocated());
  HWND editWindow = edit->WindowHandle();
  HWND pagesWindow = pages->WindowHandle();
  delete pages;
  EXPECT_EQ(form->FindComponent(L"OnPage"), nullptr);
  EXPECT_EQ(form->FindComponent(L"Second"), nullptr);
  EXPECT_FALSE(IsWindow(editWindow));
  EXPECT_FALSE(IsWindow(pagesWindow));
  // The form goes on working.
  SendMessageW(Find<TButton>(L"OK")->WindowHandle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form->calls.back(), L"click OK");
}

TEST_F(MessageFlowTest, EscapeAltLettersAndTabWrapReachTheirButtons) {
  auto* edit = Find<TEdit>(L"Edit1");
  Key(edit->WindowHandle(), VK_ESCAPE);
  EXPECT_EQ(form->calls.back(), L"click Quit");
  PostMessageW(edit->WindowHandle(), WM_SYSCHAR, L'o', 1 << 29);
  Pump();
  EXPECT_EQ(form->calls.back(), L"click OK");  // "&OK"
  // Tab from the last tab stop wraps around to the first.
  auto* quit = Find<TButton>(L"Quit");
  quit->SetFocus();
  Pump();
  Key(quit->WindowHandle(), VK_TAB);
  EXPECT_EQ(GetFocus(), edit->WindowHandle());
}

TEST_F(MessageFlowTest, VisibilityAndEnablingAreAnnouncedBeforeTheWindowChanges) {
  auto* button = Find<TButton>(L"Other");
  MessageRecorder recorder(*button);
  button->SetVisible(false);
  EXPECT_TRUE(recorder.SawInOrder({CM_VISIBLECHANGED, WM_SHOWWINDOW}));
  EXPECT_FALSE(IsWindowVisible(button->WindowHandle()));
  // A hidden control is no tab stop.
  EXPECT_NE(form->FindNextControl(Find<TButton>(L"OK"), true, true, false), button);
  recorder.Clear();
  button->SetVisible(true);
  button->SetEnabled(false);
  EXPECT_TRUE(recorder.SawInOrder({CM_VISIBLECHANGED, WM_SHOWWINDOW, CM_ENABLEDCHANGED, WM_ENABLE}));
  EXPECT_FALSE(button->CanFocus());
}

TEST_F(MessageFlowTest, PageChangeCanBeRefused) {
  auto* pages = Find<TPageControl>(L"Pages");
  pages->OnChanging = [](TObject*, bool& allow) { allow = false; };
  NMHDR header{pages->WindowHandle(), 0, static_cast<UINT>(TCN_SELCHANGING)};
  EXPECT_EQ(SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header)), 1);
  EXPECT_EQ(pages->ActivePage(), Find<TTabSheet>(L"First"));
  pages->SetActivePageIndex(1);
  EXPECT_EQ(SendMessageW(pages->WindowHandle(), TCM_GETCURSEL, 0, 0), 1);
  EXPECT_TRUE(Find<TTabSheet>(L"Second")->Visible());
  Find<TTabSheet>(L"First")->SetTabVisible(false);
  EXPECT_EQ(SendMessageW(pages->WindowHandle(), TCM_GETITEMCOUNT, 0, 0), 1);
  EXPECT_EQ(Find<TTabSheet>(L"Second")->TabIndex(), 0);
}

TEST_F(MessageFlowTest, ExceptionsInHandlersAreReportedAndTheProgramGoesOn) {
  auto* other = Find<TButton>(L"Other");
  SendMessageW(other->WindowHandle(), BM_CLICK, 0, 0);
  EXPECT_EQ(LastReportedException(), L"handler failed");
  SendMessageW(Find<TButton>(L"OK")->WindowHandle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form->calls.back(), L"click OK");
}

}  // namespace
}  // namespace lanvero::framework::testing
