// A tree view on the system tree view ("SysTreeView32"). Its Items are
// TTreeNodes; the selected node is Selected. OnChange follows a change of
// the selection, OnExpanded and OnCollapsed a node opened or closed.
#pragma once

#include <functional>
#include <memory>

#include "framework/controls/TreeNodes.h"
#include "framework/controls/WinControl.h"

namespace lanvero::framework {

using TTVChangedEvent = std::function<void(TObject* sender, TTreeNode* node)>;
using TTVExpandedEvent = std::function<void(TObject* sender, TTreeNode* node)>;

class TTreeView : public TWinControl {
 public:
  explicit TTreeView(TComponent* owner);
  ~TTreeView() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TTreeNodes* Items() const { return items_.get(); }
  TTreeNode* Selected() const;
  void SetSelected(TTreeNode* node);
  bool ShowLines() const { return showLines_; }
  void SetShowLines(bool value);
  bool ShowRoot() const { return showRoot_; }
  void SetShowRoot(bool value);
  bool ShowButtons() const { return showButtons_; }
  void SetShowButtons(bool value);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value);

  TTVChangedEvent OnChange;
  TTVExpandedEvent OnExpanded;
  TTVExpandedEvent OnCollapsed;

 protected:
  friend class TTreeNodes;
  friend class TTreeNode;
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& message) override;
  void CNNotify(TMessage& message);

 private:
  void ChangeStyle(bool& flag, bool value);
  std::unique_ptr<TTreeNodes> items_;
  TTreeNode* savedSelection_ = nullptr;  // while there is no window
  bool showLines_ = true;
  bool showRoot_ = true;
  bool showButtons_ = true;
  bool hideSelection_ = true;
};

}  // namespace lanvero::framework
