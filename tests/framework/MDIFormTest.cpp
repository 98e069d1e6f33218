// MDI forms and the menu item states a skinned menu bar relies on: a frame
// with its MDI client, children created in it, the active child, the
// window menu's list, the arrangement commands, and menu items that do not
// run while disabled and show radio checks.
#include "framework/menus/Menus.h"
#include "tests/framework/WinTestSupport.h"

namespace lanvero::framework::testing {
namespace {

std::unique_ptr<TTestForm> MakeStyledForm(const std::string& name, const std::string& style) {
  return MakeForm("object " + name +
                  ": TTestForm\n  Left = 40\n  Top = 40\n  Width = 500\n  Height = 400\n"
                  "  Caption = '" +
                  name + "'\n  FormStyle = " + style + "\nend\n");
}

int WindowListEntries(HMENU windowMenu) {
  int entries = 0;
  for (int i = 0; i < GetMenuItemCount(windowMenu); ++i) {
    if (GetMenuItemID(windowMenu, i) >= kFirstMDIChildCommand) ++entries;
  }
  return entries;
}

TEST(MDIFormTest, ChildrenLiveInTheFramesClientAndAreListedInTheWindowMenu) {
  auto frame = MakeStyledForm("Frame", "fsMDIForm");
  auto* menu = new TMainMenu(frame.get());
  auto* window = new TMenuItem(menu);
  window->SetCaption(L"&Window");
  menu->Items()->Add(window);
  auto* tile = new TMenuItem(menu);
  tile->SetCaption(L"&Tile");
  window->Add(tile);
  frame->SetMenu(menu);
  frame->SetWindowMenu(window);
  frame->Show();
  ASSERT_NE(frame->ClientHandle(), nullptr);
  EXPECT_EQ(GetParent(frame->ClientHandle()), frame->WindowHandle());

  auto first = MakeStyledForm("FirstChild", "fsMDIChild");
  first->Show();
  auto second = MakeStyledForm("SecondChild", "fsMDIChild");
  second->Show();
  Pump();
  EXPECT_EQ(GetParent(first->WindowHandle()), frame->ClientHandle());
  EXPECT_TRUE(GetWindowLongPtrW(second->WindowHandle(), GWL_EXSTYLE) & WS_EX_MDICHILD);
  EXPECT_EQ(frame->MDIChildCount(), 2);
  EXPECT_EQ(frame->ActiveMDIChild(), second.get());
  EXPECT_EQ(WindowListEntries(window->Handle()), 2);

  first->Show();
  EXPECT_EQ(frame->ActiveMDIChild(), first.get());
  frame->Next();
  EXPECT_EQ(frame->ActiveMDIChild(), second.get());

  // Tile lays the two children side by side, cascade overlaps them.
  frame->Tile();
  RECT a{}, b{};
  GetWindowRect(first->WindowHandle(), &a);
  GetWindowRect(second->WindowHandle(), &b);
  RECT overlap{};
  EXPECT_FALSE(IntersectRect(&overlap, &a, &b) && overlap.right - overlap.left > 2 && overlap.bottom - overlap.top > 2);
  frame->Cascade();
  GetWindowRect(first->WindowHandle(), &a);
  GetWindowRect(second->WindowHandle(), &b);
  EXPECT_TRUE(IntersectRect(&overlap, &a, &b));
  frame->ArrangeIcons();

  // A child that goes leaves the client and the list.
  second.reset();
  Pump();
  EXPECT_EQ(frame->MDIChildCount(), 1);
  EXPECT_EQ(WindowListEntries(window->Handle()), 1);
  first.reset();
  Pump();
  EXPECT_EQ(frame->MDIChildCount(), 0);
}

TEST(MDIFormTest, DisabledItemsDoNotRunAndRadioItemsAreMarkedForTheSystem) {
  auto form = MakeStyledForm("MenuForm", "fsNormal");
  auto* menu = new TMainMenu(form.get());
  auto* item = new TMenuItem(menu);
  item->SetCaption(L"Run");
  menu->Items()->Add(item);
  int clicks = 0;
  item->OnClick = [&](TObject*) { ++clicks; };
  form->SetMenu(menu);
  form->Show();
  item->SetEnabled(false);
  EXPECT_TRUE(menu->DispatchCommand(item->Command()));
  EXPECT_EQ(clicks, 0);
  // An action may enable the item in its update before the click.
  auto* action = new TAction(form.get());
  action->SetEnabled(false);
  action->OnUpdate = [&](TObject*) { action->SetEnabled(true); };
  int executed = 0;
  action->OnExecute = [&](TObject*) { ++executed; };
  item->SetAction(action);
  item->Click();
  EXPECT_EQ(executed, 1);

  auto* radio = new TMenuItem(menu);
  radio->SetCaption(L"One");
  radio->SetRadioItem(true);
  radio->SetChecked(true);
  menu->Items()->Add(radio);
  EXPECT_TRUE(MenuItemType(menu->Handle(), radio->Command()) & MFT_RADIOCHECK);
  EXPECT_TRUE(GetMenuState(menu->Handle(), radio->Command(), MF_BYCOMMAND) & MF_CHECKED);
}

}  // namespace
}  // namespace lanvero::framework::testing
