// The nodes of a tree view: TTreeNode (text, children, expanded and
// selected states) and TTreeNodes, the tree view's Items, which makes and
// frees them. Once the tree view has a window every node has an item in it
// (its ItemId); the nodes are the lasting copy across re-created windows.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/core/Object.h"

namespace lanvero::framework {

class TTreeView;
class TTreeNodes;

class TTreeNode {
 public:
  TTreeNode(TTreeNodes& owner, TTreeNode* parent, std::wstring text);
  TTreeNode(const TTreeNode&) = delete;
  TTreeNode& operator=(const TTreeNode&) = delete;

  std::wstring Text() const { return text_; }
  void SetText(const std::wstring& text);
  TTreeNode* Parent() const { return parent_; }
  int Count() const { return static_cast<int>(children_.size()); }
  bool HasChildren() const { return !children_.empty(); }
  TTreeNode* Item(int index) const { return children_.at(static_cast<size_t>(index)).get(); }
  // The place among the siblings, and the depth (top-level nodes: 0).
  int Index() const;
  int Level() const;
  bool Expanded() const;
  void SetExpanded(bool value);
  void Expand(bool recurse);
  void Collapse(bool recurse);
  bool Selected() const;
  void SetSelected(bool value);
  // The application's own value for the node.
  void* Data() const { return data_; }
  void SetData(void* data) { data_ = data; }
  // The item in the tree view's window (null without a window).
  HTREEITEM ItemId() const { return item_; }
  // Removes the node and its children from the tree (and frees it).
  void Delete();

 private:
  friend class TTreeNodes;
  TTreeNodes& owner_;
  TTreeNode* parent_;
  std::wstring text_;
  std::vector<std::unique_ptr<TTreeNode>> children_;
  HTREEITEM item_ = nullptr;
  bool expanded_ = false;
  void* data_ = nullptr;
};

class TTreeNodes : public TPersistent {
 public:
  explicit TTreeNodes(TTreeView& view);
  ~TTreeNodes() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TTreeView& Owner() const { return view_; }
  // Every node, counted depth first.
  int Count() const;
  // The node at a depth-first index.
  TTreeNode* Item(int index) const;
  TTreeNode* GetFirstNode() const { return root_->HasChildren() ? root_->Item(0) : nullptr; }
  // A new last sibling of `sibling` (a top-level node for nil).
  TTreeNode* Add(TTreeNode* sibling, const std::wstring& text);
  // A new last child of `parent` (a top-level node for nil).
  TTreeNode* AddChild(TTreeNode* parent, const std::wstring& text);
  // A new first child of `parent`.
  TTreeNode* AddChildFirst(TTreeNode* parent, const std::wstring& text);
  // A new node just before `sibling`.
  TTreeNode* Insert(TTreeNode* sibling, const std::wstring& text);
  void Delete(TTreeNode* node);
  void Clear();
  // The node of an item of the window, or nil.
  TTreeNode* NodeOf(HTREEITEM item) const;

 private:
  friend class TTreeView;
  friend class TTreeNode;
  TTreeNode* InsertAt(TTreeNode* parent, size_t position, const std::wstring& text);
  // Puts the node (and its children) into the window after its previous sibling.
  void InsertItem(TTreeNode& node);
  void WindowCreated();
  void WindowDestroying();
  TTreeNode* Parentless(TTreeNode* parent) const { return parent ? parent : root_.get(); }

  TTreeView& view_;
  std::unique_ptr<TTreeNode> root_;  // holds the top-level nodes; never in the window
};

}  // namespace lanvero::framework
