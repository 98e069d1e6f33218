// The tree view: nodes added, inserted and deleted in the window, their
// expanded and selected states, and both across a re-created window.
#include <windows.h>
#include <commctrl.h>

#include "framework/controls/TreeView.h"
#include "framework/core/PropertyAccess.h"
#include "tests/framework/WinTestSupport.h"

namespace lanvero::framework::testing {
namespace {

class TreeViewTest : public LayoutFormTest {
 protected:
  void SetUp() override {
    ShowForm("object F: TTestForm\n  object Tree: TTreeView\n    Width = 200\n    Height = 200\n  end\nend\n");
    tree = Find<TTreeView>(L"Tree");
  }
  std::wstring ItemText(HTREEITEM item) {
    wchar_t text[32]{};
    TVITEMW query{};
    query.mask = TVIF_TEXT | TVIF_HANDLE;
    query.hItem = item;
    query.pszText = text;
    query.cchTextMax = 32;
    SendMessageW(tree->WindowHandle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
    return text;
  }
  // The texts of the window's children of `parent`, in order.
  std::vector<std::wstring> Children(HTREEITEM parent) {
    std::vector<std::wstring> texts;
    const HWND window = tree->WindowHandle();
    auto item = reinterpret_cast<HTREEITEM>(
        SendMessageW(window, TVM_GETNEXTITEM, parent ? TVGN_CHILD : TVGN_ROOT, reinterpret_cast<LPARAM>(parent)));
    for (; item; item = reinterpret_cast<HTREEITEM>(
                     SendMessageW(window, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
      texts.push_back(ItemText(item));
    }
    return texts;
  }
  TTreeView* tree = nullptr;
};

TEST_F(TreeViewTest, NodesTakeTheirPlacesInTheWindow) {
  wchar_t name[16]{};
  GetClassNameW(tree->WindowHandle(), name, 16);
  EXPECT_STREQ(name, L"TTreeView");
  TTreeNodes& items = *tree->Items();
  EXPECT_EQ(GetObjectProperty(tree, "Items"), &items);
  TTreeNode* fruit = items.Add(nullptr, L"fruit");
  TTreeNode* tools = items.Add(fruit, L"tools");
  TTreeNode* apple = items.AddChild(fruit, L"apple");
  items.AddChild(fruit, L"pear");
  items.AddChildFirst(fruit, L"fig");
  items.Insert(apple, L"date");
  items.AddChild(tools, L"saw");
  EXPECT_EQ(items.Count(), 7);
  EXPECT_EQ(SendMessageW(tree->WindowHandle(), TVM_GETCOUNT, 0, 0), 7);
  EXPECT_EQ(Children(nullptr), (std::vector<std::wstring>{L"fruit", L"tools"}));
  EXPECT_EQ(Children(fruit->ItemId()), (std::vector<std::wstring>{L"fig", L"date", L"apple", L"pear"}));
  EXPECT_EQ(items.Item(3)->Text(), L"apple");  // depth first
  EXPECT_EQ(apple->Level(), 1);
  EXPECT_EQ(apple->Index(), 2);
  EXPECT_EQ(apple->Parent(), fruit);
  EXPECT_EQ(items.NodeOf(apple->ItemId()), apple);

  apple->SetText(L"apples");
  EXPECT_EQ(ItemText(apple->ItemId()), L"apples");
  fruit->Item(0)->Delete();
  EXPECT_EQ(Children(fruit->ItemId()), (std::vector<std::wstring>{L"date", L"apples", L"pear"}));
  items.Delete(tools);
  EXPECT_EQ(items.Count(), 4);
  EXPECT_EQ(SendMessageW(tree->WindowHandle(), TVM_GETCOUNT, 0, 0), 4);
  items.Clear();
  EXPECT_EQ(SendMessageW(tree->WindowHandle(), TVM_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(items.GetFirstNode(), nullptr);
}

TEST_F(TreeViewTest, SelectionAndExpansionReportToTheEvents) {
  TTreeNodes& items = *tree->Items();
  TTreeNode* top = items.Add(nullptr, L"top");
  TTreeNode* leaf = items.AddChild(top, L"leaf");
  std::vector<std::wstring> seen;
  tree->OnChange = [&](TObject*, TTreeNode* node) { seen.push_back(L"change " + (node ? node->Text() : L"-")); };
  tree->OnExpanded = [&](TObject*, TTreeNode* node) { seen.push_back(L"expanded " + node->Text()); };
  tree->OnCollapsed = [&](TObject*, TTreeNode* node) { seen.push_back(L"collapsed " + node->Text()); };

  top->SetSelected(true);
  EXPECT_EQ(tree->Selected(), top);
  EXPECT_FALSE(top->Expanded());
  // The user opens and closes the node with the arrow keys.
  SendMessageW(tree->WindowHandle(), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_TRUE(top->Expanded());
  SendMessageW(tree->WindowHandle(), WM_KEYDOWN, VK_LEFT, 0);
  EXPECT_FALSE(top->Expanded());
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"change top", L"expanded top", L"collapsed top"}));

  top->Expand(false);
  EXPECT_TRUE(top->Expanded());
  tree->SetSelected(leaf);
  EXPECT_TRUE(leaf->Selected());
  EXPECT_FALSE(top->Selected());
}

TEST_F(TreeViewTest, NodesOutliveTheWindow) {
  TTreeNodes& items = *tree->Items();
  TTreeNode* top = items.Add(nullptr, L"top");
  TTreeNode* middle = items.AddChild(top, L"middle");
  TTreeNode* leaf = items.AddChild(middle, L"leaf");
  top->Expand(true);
  leaf->SetSelected(true);
  EXPECT_TRUE(SetPropertyFromText(tree, "ShowLines", L"False"));
  EXPECT_EQ(GetWindowLongPtrW(tree->WindowHandle(), GWL_STYLE) & TVS_HASLINES, 0);
  EXPECT_EQ(SendMessageW(tree->WindowHandle(), TVM_GETCOUNT, 0, 0), 3);
  EXPECT_TRUE(top->Expanded());
  EXPECT_TRUE(middle->Expanded());
  EXPECT_EQ(tree->Selected(), leaf);

  // A tree view without a window keeps its nodes until it gets one.
  auto* loose = new TTreeView(form.get());
  loose->Items()->AddChild(loose->Items()->Add(nullptr, L"a"), L"b");
  loose->SetSelected(loose->Items()->Item(1));
  loose->SetParent(form.get());
  EXPECT_EQ(SendMessageW(loose->WindowHandle(), TVM_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(loose->Selected(), loose->Items()->Item(1));
}

}  // namespace
}  // namespace lanvero::framework::testing
