#include "framework/controls/TreeView.h"

#include <utility>

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

const ClassInfo& TTreeView::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TTreeView>("TTreeView", &TWinControl::StaticClassInfo())
                                    .Creatable()
                                    .Object("Items", &TTreeView::Items)
                                    .Boolean("ShowLines", &TTreeView::ShowLines, &TTreeView::SetShowLines)
                                    .Boolean("ShowRoot", &TTreeView::ShowRoot, &TTreeView::SetShowRoot)
                                    .Boolean("ShowButtons", &TTreeView::ShowButtons, &TTreeView::SetShowButtons)
                                    .Boolean("HideSelection", &TTreeView::HideSelection, &TTreeView::SetHideSelection)
                                    .Event("OnChange", &TTreeView::OnChange)
                                    .Event("OnExpanded", &TTreeView::OnExpanded)
                                    .Event("OnCollapsed", &TTreeView::OnCollapsed)
                                    .Build();
  return info;
}

TTreeView::TTreeView(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TTreeNodes>(*this)) {
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 97);
  // Clicks and selection come from the window's notifications.
  SetControlStyle(Style() & ~static_cast<uint32_t>(csClickEvents | csDoubleClicks));
}

TTreeView::~TTreeView() {
  MarkDestroying();
  DestroyComponents();
  DestroyHandle();  // the window's items refer to the nodes
}

void TTreeView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClass = WC_TREEVIEWW;
  params.exStyle |= WS_EX_CLIENTEDGE;
  if (showLines_) params.style |= TVS_HASLINES;
  if (showRoot_) params.style |= TVS_LINESATROOT;
  if (showButtons_) params.style |= TVS_HASBUTTONS;
  if (!hideSelection_) params.style |= TVS_SHOWSELALWAYS;
}

void TTreeView::CreateHandleState() {
  TWinControl::CreateHandleState();
  items_->WindowCreated();
  if (savedSelection_) SetSelected(std::exchange(savedSelection_, nullptr));
}

void TTreeView::DestroyWnd() {
  savedSelection_ = Selected();
  items_->WindowDestroying();
  TWinControl::DestroyWnd();
}

TTreeNode* TTreeView::Selected() const {
  if (!HandleAllocated()) return savedSelection_;
  return items_->NodeOf(reinterpret_cast<HTREEITEM>(SendToWindow(TVM_GETNEXTITEM, TVGN_CARET, 0)));
}

void TTreeView::SetSelected(TTreeNode* node) {
  if (!HandleAllocated()) {
    savedSelection_ = node;
    return;
  }
  SendToWindow(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node ? node->ItemId() : nullptr));
}

void TTreeView::ChangeStyle(bool& flag, bool value) {
  if (flag == value) return;
  flag = value;
  RecreateWnd();
}

void TTreeView::SetShowLines(bool value) { ChangeStyle(showLines_, value); }
void TTreeView::SetShowRoot(bool value) { ChangeStyle(showRoot_, value); }
void TTreeView::SetShowButtons(bool value) { ChangeStyle(showButtons_, value); }
void TTreeView::SetHideSelection(bool value) { ChangeStyle(hideSelection_, value); }

void TTreeView::Dispatch(TMessage& message) {
  if (message.Msg == CN_NOTIFY) return CNNotify(message);
  TWinControl::Dispatch(message);
}

void TTreeView::CNNotify(TMessage& message) {
  const auto& notice = *reinterpret_cast<const NMTREEVIEWW*>(message.LParam);
  switch (notice.hdr.code) {
    case TVN_SELCHANGEDW:
      if (OnChange) OnChange(this, items_->NodeOf(notice.itemNew.hItem));
      break;
    case TVN_ITEMEXPANDEDW: {
      TTreeNode* node = items_->NodeOf(notice.itemNew.hItem);
      const TTVExpandedEvent& event = notice.action & TVE_EXPAND ? OnExpanded : OnCollapsed;
      if (node && event) event(this, node);
      break;
    }
    default: break;
  }
  message.Result = 0;
}

}  // namespace lanvero::framework
