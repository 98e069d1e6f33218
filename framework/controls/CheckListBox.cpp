#include "framework/controls/CheckListBox.h"

#include <algorithm>

#include "framework/core/ClassBuilder.h"
#include "framework/core/FrameworkError.h"

namespace lanvero::framework {

namespace {

// Item data bits: the check state in the low two bits, then "disabled", so
// that a new item (data 0) is unchecked and enabled.
constexpr uint32_t kStateMask = 3;
constexpr uint32_t kDisabled = 4;
constexpr int kCheckSize = 13;
constexpr int kCheckMargin = 2;

}  // namespace

const ClassInfo& TCheckListBox::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TCheckListBox>("TCheckListBox", &TListBox::StaticClassInfo())
                                    .Creatable()
                                    .Boolean("AllowGrayed", &TCheckListBox::AllowGrayed, &TCheckListBox::SetAllowGrayed)
                                    .Event("OnClickCheck", &TCheckListBox::OnClickCheck)
                                    .Build();
  return info;
}

TCheckListBox::TCheckListBox(TComponent* owner) : TListBox(owner) {}

int TCheckListBox::CheckColumnWidth() { return kCheckMargin + kCheckSize + kCheckMargin; }

void TCheckListBox::CreateParams(TCreateParams& params) {
  TListBox::CreateParams(params);
  params.style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
}

void TCheckListBox::CreateHandleState() {
  TListBox::CreateHandleState();
  std::vector<uint32_t> flags = std::move(savedFlags_);
  savedFlags_.clear();
  for (size_t i = 0; i < flags.size() && static_cast<int>(i) < Items()->Count(); ++i) {
    SetItemFlags(static_cast<int>(i), flags[i]);
  }
}

void TCheckListBox::DestroyWnd() {
  std::vector<uint32_t> flags;
  for (int i = 0; i < Items()->Count(); ++i) flags.push_back(ItemFlags(i));
  TListBox::DestroyWnd();
  savedFlags_ = std::move(flags);
}

uint32_t TCheckListBox::ItemFlags(int index) const {
  if (index < 0 || index >= Items()->Count()) {
    throw FrameworkError(L"List index out of bounds (" + std::to_wstring(index) + L")");
  }
  if (!HandleAllocated())
    return static_cast<size_t>(index) < savedFlags_.size() ? savedFlags_[static_cast<size_t>(index)] : 0;
  return static_cast<uint32_t>(SendToWindow(LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

void TCheckListBox::SetItemFlags(int index, uint32_t flags) {
  if (!HandleAllocated()) {
    if (savedFlags_.size() <= static_cast<size_t>(index)) savedFlags_.resize(static_cast<size_t>(index) + 1, 0);
    savedFlags_[static_cast<size_t>(index)] = flags;
    return;
  }
  SendToWindow(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(flags));
  RECT item{};
  if (SendToWindow(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) != LB_ERR) {
    InvalidateRect(WindowHandle(), &item, FALSE);
  }
}

TCheckBoxState TCheckListBox::State(int index) const {
  return static_cast<TCheckBoxState>(std::min<uint32_t>(ItemFlags(index) & kStateMask, 2));
}

void TCheckListBox::SetState(int index, TCheckBoxState state) {
  SetItemFlags(index, (ItemFlags(index) & ~kStateMask) | static_cast<uint32_t>(state));
}

void TCheckListBox::SetChecked(int index, bool value) {
  SetState(index, value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
}

bool TCheckListBox::ItemEnabled(int index) const { return (ItemFlags(index) & kDisabled) == 0; }

void TCheckListBox::SetItemEnabled(int index, bool value) {
  SetItemFlags(index, value ? ItemFlags(index) & ~kDisabled : ItemFlags(index) | kDisabled);
}

void TCheckListBox::ToggleClickCheck(int index) {
  if (index < 0 || index >= Items()->Count() || !ItemEnabled(index)) return;
  TCheckBoxState next = TCheckBoxState::cbUnchecked;
  switch (State(index)) {
    case TCheckBoxState::cbUnchecked: next = TCheckBoxState::cbChecked; break;
    case TCheckBoxState::cbChecked: next = allowGrayed_ ? TCheckBoxState::cbGrayed : TCheckBoxState::cbUnchecked; break;
    case TCheckBoxState::cbGrayed: next = TCheckBoxState::cbUnchecked; break;
  }
  SetState(index, next);
  if (OnClickCheck) OnClickCheck(this);
}

void TCheckListBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_DRAWITEM: return CNDrawItem(message);
    case CN_MEASUREITEM: return CNMeasureItem(message);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return WMLButtonDown(message);
    case WM_KEYDOWN: return WMKeyDown(message);
    case WM_CHAR:
      if (message.WParam == L' ') return;  // Space toggles (WM_KEYDOWN); it does not search
      break;
    default: break;
  }
  TListBox::Dispatch(message);
}

// The list box selects the item as usual; a press on the box also toggles it.
void TCheckListBox::WMLButtonDown(TMessage& message) {
  TListBox::Dispatch(message);
  const LRESULT hit = SendToWindow(LB_ITEMFROMPOINT, 0, message.LParam);
  if (HIWORD(hit) != 0) return;  // outside every item
  const bool onBox =
      UseRightToLeftAlignment() ? message.X() >= ClientWidth() - CheckColumnWidth() : message.X() < CheckColumnWidth();
  if (onBox) ToggleClickCheck(LOWORD(hit));
}

void TCheckListBox::WMKeyDown(TMessage& message) {
  if (message.WParam == VK_SPACE) return ToggleClickCheck(ItemIndex());
  TListBox::Dispatch(message);
}

void TCheckListBox::CNMeasureItem(TMessage& message) {
  auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
  WindowDC screen(nullptr);
  CanvasAttachment attached(canvas_, screen.Get());
  canvas_.Font().Assign(*Font());
  measure.itemHeight = static_cast<UINT>(std::max(canvas_.TextHeight(L"Wg") + 2, kCheckSize + 2));
  message.Result = TRUE;
}

void TCheckListBox::CNDrawItem(TMessage& message) {
  const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
  message.Result = TRUE;
  CanvasAttachment attached(canvas_, draw.hDC);
  canvas_.Font().Assign(*Font());
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  canvas_.Brush().SetColor(selected ? clHighlight : Color());
  const int index = static_cast<int>(draw.itemID);
  if (index < 0 || index >= Items()->Count()) {
    canvas_.FillRect(draw.rcItem);
    return;
  }
  const bool enabled = Enabled() && ItemEnabled(index);
  RECT text = draw.rcItem;
  RECT box = draw.rcItem;
  if (UseRightToLeftAlignment()) {
    box.left = text.right = draw.rcItem.right - CheckColumnWidth();
  } else {
    box.right = text.left = draw.rcItem.left + CheckColumnWidth();
  }
  canvas_.FillRect(draw.rcItem);
  DrawCheck(canvas_, box, index);
  canvas_.Font().SetColor(!enabled ? clGrayText : selected ? clHighlightText : Font()->Color());
  canvas_.Brush().SetStyle(TBrushStyle::bsClear);
  text.left += kCheckMargin;
  canvas_.DrawText(Items()->Get(index), text,
                   DrawTextBiDiModeFlags(DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX |
                                         (UseRightToLeftAlignment() ? DT_RIGHT : 0)));
  if (draw.itemState & ODS_FOCUS) ::DrawFocusRect(draw.hDC, &draw.rcItem);
}

void TCheckListBox::DrawCheck(TCanvas& canvas, const RECT& column, int index) const {
  const int top = column.top + (column.bottom - column.top - kCheckSize) / 2;
  RECT box{column.left + kCheckMargin, top, column.left + kCheckMargin + kCheckSize, top + kCheckSize};
  UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
  switch (State(index)) {
    case TCheckBoxState::cbChecked: state |= DFCS_CHECKED; break;
    case TCheckBoxState::cbGrayed: state = DFCS_BUTTON3STATE | DFCS_CHECKED | DFCS_FLAT; break;
    case TCheckBoxState::cbUnchecked: break;
  }
  if (!Enabled() || !ItemEnabled(index)) state |= DFCS_INACTIVE;
  DrawFrameControl(canvas.Handle(), &box, DFC_BUTTON, state);
}

}  // namespace lanvero::framework
