// The application object and the life of forms: title, closing, freeing,
// default exception reports, clipboard copy, reading order.
#include <thread>

#include "framework/controls/Buttons.h"
#include "framework/controls/Edits.h"
#include "framework/controls/Labels.h"
#include "tests/framework/WinTestSupport.h"

namespace lanvero::framework::testing {
namespace {

std::wstring WindowText(HWND window) {
  wchar_t text[256]{};
  GetWindowTextW(window, text, 256);
  return text;
}

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM found) {
  wchar_t name[16]{};
  GetClassNameW(window, name, 16);
  if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

TEST(ApplicationTest, TitleIsTheTextOfTheHiddenApplicationWindow) {
  const std::wstring before = Application()->Title();
  Application()->SetTitle(L"Lanvero V1.0");
  EXPECT_EQ(WindowText(Application()->Handle()), L"Lanvero V1.0");
  wchar_t className[32]{};
  GetClassNameW(Application()->Handle(), className, 32);
  EXPECT_STREQ(className, L"TApplication");
  Application()->SetTitle(before);
}

TEST(ApplicationTest, ClosingHidesOrFreesAsTheHandlerSays) {
  auto form = MakeForm("object F: TTestForm\nend\n");
  form->Show();
  std::vector<TCloseAction> seen;
  form->OnClose = [&](TObject*, TCloseAction& action) { seen.push_back(action); };
  SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(seen, std::vector<TCloseAction>{TCloseAction::caHide});
  EXPECT_FALSE(IsWindowVisible(form->Handle()));

  // caFree: the form goes once the queued messages are handled.
  auto* freed = MakeForm("object G: TTestForm\nend\n").release();
  freed->Show();
  const int count = Application()->FormCount();
  freed->OnClose = [](TObject*, TCloseAction& action) { action = TCloseAction::caFree; };
  freed->Close();
  EXPECT_EQ(Application()->FormCount(), count);
  Pump();
  EXPECT_EQ(Application()->FormCount(), count - 1);
  // caNone keeps it.
  form->Show();
  form->OnClose = [](TObject*, TCloseAction& action) { action = TCloseAction::caNone; };
  form->Close();
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST(ApplicationTest, DefaultHandlingShowsTheExceptionTextAndGoesOn) {
  auto form = MakeForm("object F: TTestForm\n  object B: TButton\n    OnClick = Throwing\n  end\n  object C: TButton\n"
                       "    Left = 80\n    OnClick = ButtonClick\n  end\nend\n");
  form->Show();
  Pump();
  auto handler = Application()->OnException;
  Application()->OnException = nullptr;
  std::wstring boxText;
  const DWORD uiThread = GetCurrentThreadId();
  std::thread watcher([&] {
    // Find the visible message box of the user-interface thread, read its
    // text and press OK.
    for (int i = 0; i < 500 && boxText.empty(); ++i) {
      Sleep(10);
      HWND box = nullptr;
      EnumThreadWindows(uiThread, FindVisibleDialog, reinterpret_cast<LPARAM>(&box));
      if (!box) continue;
      boxText = WindowText(GetDlgItem(box, 0xFFFF));
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
  });
  SendMessageW(dynamic_cast<TWinControl*>(form->FindComponent(L"B"))->WindowHandle(), BM_CLICK, 0, 0);
  watcher.join();
  Application()->OnException = handler;
  EXPECT_EQ(boxText, L"handler failed");
  SendMessageW(dynamic_cast<TWinControl*>(form->FindComponent(L"C"))->WindowHandle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form->calls.back(), L"click C");
}

TEST(ApplicationTest, ModalFormRunsUntilItHasAResult) {
  auto owner = MakeForm("object F: TTestForm\nend\n");
  owner->Show();
  auto dialog = MakeForm("object D: TTestForm\n  object OK: TButton\n    ModalResult = 1\n  end\nend\n");
  bool ownerDisabledMeanwhile = false;
  auto* ok = FindIn<TButton>(*dialog, L"OK");
  dialog->OnShow = [&](TObject*) {
    ownerDisabledMeanwhile = !IsWindowEnabled(owner->Handle());
    PostMessageW(ok->Handle(), BM_CLICK, 0, 0);
  };
  EXPECT_EQ(dialog->ShowModal(), 1);
  EXPECT_TRUE(ownerDisabledMeanwhile);
  EXPECT_TRUE(IsWindowEnabled(owner->Handle()));
  EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
}

TEST(ApplicationTest, KeyPreviewLetsTheFormSeeKeysFirst) {
  auto form = MakeForm("object F: TTestForm\n  KeyPreview = True\n  object E: TEdit\n  end\nend\n");
  form->Show();
  auto* edit = FindIn<TEdit>(*form, L"E");
  edit->SetFocus();
  Pump();
  std::vector<std::wstring> seen;
  form->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
    seen.push_back(L"form");
    if (key == 'X') key = 0;  // swallowed: the edit never sees it
  };
  edit->OnKeyDown = [&](TObject*, WORD&, TShiftState) { seen.push_back(L"edit"); };
  PostMessageW(edit->WindowHandle(), WM_KEYDOWN, 'A', 1);
  PostMessageW(edit->WindowHandle(), WM_KEYDOWN, 'X', 1);
  Pump();
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"form", L"edit", L"form"}));
}

TEST(ApplicationTest, MemoSelectsAllAndCopiesToTheClipboard) {
  auto form = MakeForm("object F: TTestForm\n  object M: TMemo\n    ScrollBars = ssVertical\n  end\nend\n");
  form->Show();
  auto* memo = dynamic_cast<TMemo*>(form->FindComponent(L"M"));
  memo->Lines()->Add(L"\u8D75\u59D3");
  memo->Lines()->Add(L"second");
  EXPECT_EQ(memo->Text(), L"\u8D75\u59D3\r\nsecond");
  memo->SelectAll();
  EXPECT_EQ(memo->SelLength(), static_cast<int>(memo->Text().size()));
  memo->CopyToClipboard();
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  ASSERT_NE(data, nullptr);
  const std::wstring copied = static_cast<const wchar_t*>(GlobalLock(data));
  GlobalUnlock(data);
  CloseClipboard();
  EXPECT_EQ(copied, memo->Text());
  EXPECT_EQ(memo->SelLength(), static_cast<int>(memo->Text().size()));  // the selection stays
}

TEST(ApplicationTest, RightToLeftReadingReachesWindowsAndText) {
  auto form = MakeForm(
      "object F: TTestForm\n  BiDiMode = bdRightToLeft\n  object E: TEdit\n  end\n"
      "  object L: TLabel\n    Caption = 'x'\n  end\n  object N: TEdit\n    BiDiMode = bdLeftToRight\n  end\nend\n");
  form->Show();
  auto* edit = dynamic_cast<TEdit*>(form->FindComponent(L"E"));
  EXPECT_TRUE(GetWindowLongPtrW(edit->WindowHandle(), GWL_EXSTYLE) & WS_EX_RTLREADING);
  auto* other = dynamic_cast<TEdit*>(form->FindComponent(L"N"));
  EXPECT_FALSE(GetWindowLongPtrW(other->WindowHandle(), GWL_EXSTYLE) & WS_EX_RTLREADING);
  auto* label = dynamic_cast<TLabel*>(form->FindComponent(L"L"));
  EXPECT_TRUE(label->DrawTextBiDiModeFlags(0) & DT_RTLREADING);
  EXPECT_TRUE(label->DrawTextBiDiModeFlags(0) & DT_RIGHT);
}

}  // namespace
}  // namespace lanvero::framework::testing
