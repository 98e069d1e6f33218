#include "framework/controls/TreeNodes.h"

#include <algorithm>

#include "framework/controls/TreeView.h"
#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

namespace {

// Calls `visit` for each node below `node`, depth first.
template <class Visit>
void ForEachBelow(const TTreeNode& node, Visit&& visit) {
  for (int i = 0; i < node.Count(); ++i) {
    visit(*node.Item(i));
    ForEachBelow(*node.Item(i), visit);
  }
}

}  // namespace

// ----- TTreeNode --------------------------------------------------------------

TTreeNode::TTreeNode(TTreeNodes& owner, TTreeNode* parent, std::wstring text)
    : owner_(owner), parent_(parent), text_(std::move(text)) {}

void TTreeNode::SetText(const std::wstring& text) {
  text_ = text;
  if (!item_) return;
  TVITEMW item{};
  item.mask = TVIF_TEXT;
  item.hItem = item_;
  item.pszText = text_.data();
  owner_.view_.SendToWindow(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

int TTreeNode::Index() const {
  if (!parent_) return -1;
  const auto& siblings = parent_->children_;
  const auto it =
      std::find_if(siblings.begin(), siblings.end(), [this](const auto& node) { return node.get() == this; });
  return static_cast<int>(it - siblings.begin());
}

int TTreeNode::Level() const {
  int level = -1;  // the hidden root holds the top level
  for (const TTreeNode* node = parent_; node; node = node->parent_) ++level;
  return level;
}

bool TTreeNode::Expanded() const {
  if (!item_) return expanded_;
  return (owner_.view_.SendToWindow(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item_), TVIS_EXPANDED) &
          TVIS_EXPANDED) != 0;
}

void TTreeNode::SetExpanded(bool value) {
  expanded_ = value;
  if (item_) owner_.view_.SendToWindow(TVM_EXPAND, value ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(item_));
}

void TTreeNode::Expand(bool recurse) {
  SetExpanded(true);
  if (recurse) ForEachBelow(*this, [](TTreeNode& node) { node.SetExpanded(true); });
}

void TTreeNode::Collapse(bool recurse) {
  SetExpanded(false);
  if (recurse) ForEachBelow(*this, [](TTreeNode& node) { node.SetExpanded(false); });
}

bool TTreeNode::Selected() const { return owner_.view_.Selected() == this; }

void TTreeNode::SetSelected(bool value) {
  if (value) {
    owner_.view_.SetSelected(this);
  } else if (Selected()) {
    owner_.view_.SetSelected(nullptr);
  }
}

void TTreeNode::Delete() { owner_.Delete(this); }

// ----- TTreeNodes -------------------------------------------------------------

const ClassInfo& TTreeNodes::StaticClassInfo() {
  static const ClassInfo info = DescribeClass("TTreeNodes", &TPersistent::StaticClassInfo());
  return info;
}

TTreeNodes::TTreeNodes(TTreeView& view) : view_(view), root_(std::make_unique<TTreeNode>(*this, nullptr, L"")) {}

TTreeNodes::~TTreeNodes() = default;

int TTreeNodes::Count() const {
  int count = 0;
  ForEachBelow(*root_, [&count](TTreeNode&) { ++count; });
  return count;
}

TTreeNode* TTreeNodes::Item(int index) const {
  TTreeNode* found = nullptr;
  int position = 0;
  ForEachBelow(*root_, [&](TTreeNode& node) {
    if (position++ == index) found = &node;
  });
  if (!found) throw FrameworkError(L"Tree node index out of bounds (" + std::to_wstring(index) + L")");
  return found;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::wstring& text) {
  return AddChild(sibling ? sibling->parent_ : nullptr, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::wstring& text) {
  TTreeNode* holder = Parentless(parent);
  return InsertAt(holder, holder->children_.size(), text);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* parent, const std::wstring& text) {
  return InsertAt(Parentless(parent), 0, text);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* sibling, const std::wstring& text) {
  if (!sibling) return AddChild(nullptr, text);
  return InsertAt(sibling->parent_, static_cast<size_t>(sibling->Index()), text);
}

TTreeNode* TTreeNodes::InsertAt(TTreeNode* parent, size_t position, const std::wstring& text) {
  auto& siblings = parent->children_;
  auto node = std::make_unique<TTreeNode>(*this, parent, text);
  TTreeNode* added = node.get();
  siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(position), std::move(node));
  if (view_.HandleAllocated()) InsertItem(*added);
  return added;
}

void TTreeNodes::InsertItem(TTreeNode& node) {
  const int index = node.Index();
  TVINSERTSTRUCTW insert{};
  insert.hParent = node.parent_ == root_.get() ? TVI_ROOT : node.parent_->item_;
  insert.hInsertAfter = index == 0 ? TVI_FIRST : node.parent_->Item(index - 1)->item_;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM;
  insert.item.pszText = node.text_.data();
  insert.item.lParam = reinterpret_cast<LPARAM>(&node);
  node.item_ = reinterpret_cast<HTREEITEM>(view_.SendToWindow(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  for (const auto& child : node.children_) InsertItem(*child);
  // A node can only open once it has children in the window.
  if (node.expanded_) node.SetExpanded(true);
}

void TTreeNodes::Delete(TTreeNode* node) {
  if (!node || node == root_.get()) return;
  auto& siblings = node->parent_->children_;
  const auto it =
      std::find_if(siblings.begin(), siblings.end(), [node](const auto& entry) { return entry.get() == node; });
  if (it == siblings.end()) return;
  // The window lets go of the items first, while the nodes still exist.
  if (node->item_) view_.SendToWindow(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(node->item_));
  siblings.erase(it);
}

void TTreeNodes::Clear() {
  if (view_.HandleAllocated()) view_.SendToWindow(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  root_->children_.clear();
}

TTreeNode* TTreeNodes::NodeOf(HTREEITEM item) const {
  if (!item || !view_.HandleAllocated()) return nullptr;
  TVITEMW query{};
  query.mask = TVIF_PARAM | TVIF_HANDLE;
  query.hItem = item;
  if (!view_.SendToWindow(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query))) return nullptr;
  return reinterpret_cast<TTreeNode*>(query.lParam);
}

void TTreeNodes::WindowCreated() {
  for (const auto& node : root_->children_) InsertItem(*node);
}

void TTreeNodes::WindowDestroying() {
  ForEachBelow(*root_, [](TTreeNode& node) {
    node.expanded_ = node.Expanded();
    node.item_ = nullptr;
  });
}

}  // namespace lanvero::framework
