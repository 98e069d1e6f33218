// The further standard controls on system classes: created from a stored
// layout, their window classes, their properties by name and their
// notifications reflected back to them.
#include <windows.h>
#include <commctrl.h>

#include "framework/controls/TabControl.h"
#include "framework/core/PropertyAccess.h"
#include "tests/framework/WinTestSupport.h"

namespace lanvero::framework::testing {
namespace {

constexpr char kLayout[] = R"(object F: TTestForm
  object Tabs: TTabControl
    Width = 300
    Height = 100
    Tabs.Strings = ('First' 'Second' 'Third')
    TabIndex = 1
  end
end
)";

class MoreControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = MakeForm(kLayout);
    form->Show();
    Pump();
  }
  template <class T>
  T* Find(const wchar_t* name) {
    return FindIn<T>(*form, name);
  }
  std::wstring WindowClass(TWinControl* control) {
    wchar_t name[64]{};
    GetClassNameW(control->WindowHandle(), name, 64);
    return name;
  }
  LRESULT Notify(TWinControl* control, UINT code) {
    NMHDR header{control->WindowHandle(), 0, code};
    return SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  }
  std::unique_ptr<TTestForm> form;
};

TEST_F(MoreControlsTest, TabControlKeepsTabsAndSelectionInItsWindow) {
  auto* tabs = Find<TTabControl>(L"Tabs");
  EXPECT_EQ(WindowClass(tabs), L"TTabControl");
  EXPECT_EQ(SendMessageW(tabs->WindowHandle(), TCM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(tabs->WindowHandle(), TCM_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(GetIntegerProperty(tabs, "TabIndex"), 1);

  tabs->Tabs()->Insert(0, L"Zero");  // rebuilding the tabs keeps the selected index
  EXPECT_EQ(SendMessageW(tabs->WindowHandle(), TCM_GETITEMCOUNT, 0, 0), 4);
  wchar_t text[16]{};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 16;
  SendMessageW(tabs->WindowHandle(), TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, L"Zero");
  EXPECT_EQ(tabs->TabIndex(), 1);

  EXPECT_TRUE(SetPropertyFromText(tabs, "TabIndex", L"3"));
  EXPECT_EQ(GetObjectProperty(tabs, "Tabs"), tabs->Tabs());
  tabs->RecreateWnd();
  EXPECT_EQ(SendMessageW(tabs->WindowHandle(), TCM_GETCURSEL, 0, 0), 3);
  tabs->SetTabIndex(9);  // no such tab: nothing is selected
  EXPECT_EQ(tabs->TabIndex(), -1);
  tabs->Tabs()->Clear();
  EXPECT_EQ(SendMessageW(tabs->WindowHandle(), TCM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(MoreControlsTest, TabControlAsksBeforeAndReportsAfterAChange) {
  auto* tabs = Find<TTabControl>(L"Tabs");
  std::vector<std::wstring> seen;
  bool allow = false;
  tabs->OnChanging = [&](TObject*, bool& allowChange) {
    seen.push_back(L"changing");
    allowChange = allow;
  };
  tabs->OnChange = [&](TObject*) { seen.push_back(L"change " + std::to_wstring(tabs->TabIndex())); };
  EXPECT_EQ(Notify(tabs, static_cast<UINT>(TCN_SELCHANGING)), 1);  // refused
  allow = true;
  EXPECT_EQ(Notify(tabs, static_cast<UINT>(TCN_SELCHANGING)), 0);
  SendMessageW(tabs->WindowHandle(), TCM_SETCURSEL, 2, 0);
  Notify(tabs, static_cast<UINT>(TCN_SELCHANGE));
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"changing", L"changing", L"change 2"}));
}

}  // namespace
}  // namespace lanvero::framework::testing
