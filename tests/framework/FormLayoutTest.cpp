// Forms built from stored layouts: classes, window classes, properties by
// name, alignment and the tab-order list.
#include <windows.h>
#include <commctrl.h>

#include "framework/controls/Buttons.h"
#include "framework/controls/Containers.h"
#include "framework/controls/Edits.h"
#include "framework/controls/Labels.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/StatusBar.h"
#include "framework/controls/WindowProcedure.h"
#include "framework/core/PropertyAccess.h"
#include "framework/layout/LayoutError.h"
#include "tests/framework/WinTestSupport.h"

namespace lanvero::framework::testing {
namespace {

// A reduced main window: the same kinds of components, nesting and bindings.
constexpr char kMainLayout[] = R"(object Form1: TTestForm
  Left = 287
  Top = 210
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  ClientHeight = 612
  ClientWidth = 665
  Color = clBtnFace
  Constraints.MinWidth = 270
  Font.Charset = ANSI_CHARSET
  Font.Color = clWindowText
  Font.Height = -13
  Font.Name = #23435#20307
  Position = poScreenCenter
  OnCreate = FormCreate
  object Label15: TLabel
    Left = 32
    Top = 567
    Width = 74
    Height = 13
    AutoSize = False
    Caption = 'Quarrow'#31639#21629#32593
    Cursor = crHandPoint
    Font.Color = clPurple
    OnClick = ButtonClick
  end
  object PageControl1: TPageControl
    Left = 0
    Top = 130
    Width = 665
    Height = 424
    ActivePage = TabSheet1
    Align = alTop
    TabOrder = 0
    object TabSheet1: TTabSheet
      Caption = #20449#24687#31649#29702
      object GroupBox1: TGroupBox
        Left = 0
        Top = 0
        Width = 657
        Height = 395
        Align = alClient
        object Button_Copy: TButton
          Left = 452
          Top = 16
          Caption = #22797#21046
          TabOrder = 1
          OnClick = ButtonClick
        end
        object Button_Search: TButton
          Left = 292
          Top = 16
          Caption = #25628#32034
          TabOrder = 2
          OnClick = ButtonClick
        end
        object searchkeyword: TEdit
          Left = 8
          Top = 18
          Width = 273
          Height = 21
          TabOrder = 0
          Text = #35831#36755#20837
          OnEnter = EditEnter
        end
        object Memo_Info: TMemo
          Left = 132
          Top = 48
          Width = 522
          Height = 339
          BevelKind = bkTile
          BorderStyle = bsNone
          ScrollBars = ssVertical
          TabOrder = 3
        end
      end
    end
    object TabSheet2: TTabSheet
      Caption = #20851#20110#25105#20204
      object Memo1: TMemo
        Lines.Strings = (
          '1.3'
          #31532#20108)
        TabOrder = 0
      end
    end
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 589
    Width = 665
    Height = 23
    Panels = <
      item
        Width = 300
      end
      item
        Text = 'QQ:12345'
        Width = 150
      end>
  end
  object Button_Close: TButton
    Left = 584
    Top = 558
    Caption = #36864#20986
    TabOrder = 1
    OnClick = ButtonClick
  end
end
)";

class FormLayoutTest : public LayoutFormTest {
 protected:
  void SetUp() override {
    ClassRegistry::Register(TTestForm::StaticClassInfo());
    ShowForm(kMainLayout);
  }
};

std::wstring WindowClassOf(HWND window) {
  wchar_t name[64]{};
  GetClassNameW(window, name, 64);
  return name;
}

TEST_F(FormLayoutTest, EveryWindowedControlHasItsClassNamedWindow) {
  EXPECT_EQ(form->calls, std::vector<std::wstring>{L"FormCreate"});
  EXPECT_EQ(WindowClassOf(form->Handle()), L"TTestForm");
  for (const wchar_t* name :
       {L"PageControl1", L"TabSheet1", L"GroupBox1", L"Button_Copy", L"searchkeyword", L"Memo_Info", L"StatusBar1"}) {
    auto* control = Find<TWinControl>(name);
    ASSERT_NE(control, nullptr) << name;
    ASSERT_TRUE(control->HandleAllocated()) << name;
    EXPECT_EQ(WindowClassOf(control->WindowHandle()), control->ClassName()) << name;
    EXPECT_EQ(FindControlFromHandle(control->WindowHandle()), control) << name;
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control->WindowHandle(), GWLP_WNDPROC)), FrameworkWindowProc)
        << name;
  }
  // The property atom is named after the module and the thread.
  wchar_t atomName[64]{};
  GlobalGetAtomNameW(ControlAtom(), atomName, 64);
  wchar_t expected[64];
  swprintf(expected, 64, L"ControlOfs%.8X%.8X",
           static_cast<unsigned>(reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr))),
           static_cast<unsigned>(GetCurrentThreadId()));
  EXPECT_STREQ(atomName, expected);
  EXPECT_EQ(FindControlFromHandle(nullptr), nullptr);
  EXPECT_EQ(FindControlFromHandle(GetDesktopWindow()), nullptr);
}

TEST_F(FormLayoutTest, FormGeometryFollowsTheLayout) {
  RECT client{};
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 665);
  EXPECT_EQ(client.bottom, 612);
  const LONG_PTR style = GetWindowLongPtrW(form->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), Application()->Handle());
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_NEAR((window.left + window.right) / 2, (work.left + work.right) / 2, 1);
  // Aligned children: the page control below the top, the status bar at the bottom.
  auto* status = Find<TStatusBar>(L"StatusBar1");
  EXPECT_EQ(status->Top(), 612 - 23);
  EXPECT_EQ(status->Width(), 665);
  auto* group = Find<TGroupBox>(L"GroupBox1");
  auto* sheet = Find<TTabSheet>(L"TabSheet1");
  EXPECT_EQ(group->Width(), sheet->ClientWidth());
  EXPECT_EQ(group->Height(), sheet->ClientHeight());
  EXPECT_TRUE(sheet->Visible());
  EXPECT_FALSE(Find<TTabSheet>(L"TabSheet2")->Visible());
}

TEST_F(FormLayoutTest, PropertiesReadAndWriteByName) {
  auto* copy = Find<TButton>(L"Button_Copy");
  EXPECT_EQ(GetPropertyText(copy, "Caption"), L"\u590D\u5236");
  wchar_t text[32]{};
  GetWindowTextW(copy->WindowHandle(), text, 32);
  EXPECT_STREQ(text, L"\u590D\u5236");
  EXPECT_EQ(GetIntegerProperty(copy, "Width"), 75);
  EXPECT_EQ(GetIntegerProperty(copy, "Font.Height"), -13);  // inherited from the form
  EXPECT_EQ(copy->Font()->Name(), L"\u5B8B\u4F53");
  EXPECT_EQ(GetEnumProperty(copy, "Default"), "False");
  EXPECT_TRUE(SetPropertyFromText(copy, "Default", L"True"));
  EXPECT_TRUE(copy->Default());
  auto* label = Find<TLabel>(L"Label15");
  EXPECT_EQ(label->Cursor(), crHandPoint);
  EXPECT_EQ(label->Font()->Color(), clPurple);
  EXPECT_FALSE(label->ParentFont());
  EXPECT_EQ(GetIntegerProperty(form.get(), "Color"), clBtnFace);
  EXPECT_EQ(GetEnumProperty(Find<TWinControl>(L"GroupBox1"), "Align"), "alClient");
  EXPECT_TRUE(SetPropertyFromText(form.get(), "AutoScroll", L"False"));
  EXPECT_FALSE(SetPropertyFromText(form.get(), "NoSuchProperty", L"1"));

  auto* status = Find<TStatusBar>(L"StatusBar1");
  wchar_t panel[64]{};
  SendMessageW(status->WindowHandle(), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(panel));
  EXPECT_STREQ(panel, L"QQ:12345");
  (*status->Panels())[0]->SetText(L"\u5171 1509 \u6761\u4FE1\u606F");
  SendMessageW(status->WindowHandle(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(panel));
  EXPECT_STREQ(panel, L"\u5171 1509 \u6761\u4FE1\u606F");
  int edges[4]{};
  EXPECT_EQ(SendMessageW(status->WindowHandle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 2);
  EXPECT_EQ(edges[0], 300);

  auto* memo = Find<TMemo>(L"Memo1");
  EXPECT_EQ(memo->Lines()->Count(), 2);
  EXPECT_EQ(memo->Lines()->Get(1), L"\u7B2C\u4E8C");
  EXPECT_TRUE(GetWindowLongPtrW(Find<TMemo>(L"Memo_Info")->WindowHandle(), GWL_STYLE) & WS_VSCROLL);
}

TEST_F(FormLayoutTest, TabOrderListDescendsIntoContainers) {
  std::vector<TWinControl*> list;
  form->GetTabOrderList(list);
  std::vector<std::wstring> names;
  for (TWinControl* control : list) names.push_back(control->Name());
  EXPECT_EQ(names, (std::vector<std::wstring>{L"PageControl1", L"TabSheet1", L"GroupBox1", L"searchkeyword",
                                              L"Button_Copy", L"Button_Search", L"Memo_Info", L"TabSheet2", L"Memo1",
                                              L"Button_Close", L"StatusBar1"}));
  EXPECT_EQ(Find<TWinControl>(L"Button_Close")->TabOrder(), 1);
  Find<TWinControl>(L"Button_Close")->SetTabOrder(0);
  EXPECT_EQ(Find<TWinControl>(L"PageControl1")->TabOrder(), 1);
  // Tab moves through focusable tab stops, skipping the hidden page.
  auto* edit = Find<TEdit>(L"searchkeyword");
  EXPECT_EQ(form->FindNextControl(edit, true, true, false), Find<TWinControl>(L"Button_Copy"));
  EXPECT_EQ(form->FindNextControl(Find<TWinControl>(L"Memo_Info"), true, true, false),
            Find<TWinControl>(L"Button_Close"));
}

TEST(FormLayoutErrors, UnknownClassOrPropertyIsNamed) {
  ClassRegistry::Register(TTestForm::StaticClassInfo());
  try {
    MakeForm("object F: TTestForm\n  object X: TNoSuchControl\n  end\nend\n");
    FAIL() << "no error";
  } catch (const LayoutError& error) {
    EXPECT_NE(error.Message().find(L"TNoSuchControl"), std::wstring::npos);
    EXPECT_EQ(error.Line(), 2);
  }
  try {
    MakeForm("object F: TTestForm\n  object B: TButton\n    Kaption = 'x'\n  end\nend\n");
    FAIL() << "no error";
  } catch (const LayoutError& error) {
    EXPECT_NE(error.Message().find(L"Kaption"), std::wstring::npos);
    EXPECT_NE(error.Message().find(L"TButton"), std::wstring::npos);
  }
}

}  // namespace
}  // namespace lanvero::framework::testing
