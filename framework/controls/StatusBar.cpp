#include "framework/controls/StatusBar.h"

#include <commctrl.h>

#include "framework/core/ClassBuilder.h"
#include "framework/forms/Form.h"

namespace lanvero::framework {

namespace {

const EnumInfo& StatusPanelBevelEnum() {
  static const EnumInfo info{"TStatusPanelBevel", {"pbNone", "pbLowered", "pbRaised"}};
  return info;
}

const EnumInfo& StatusPanelStyleEnum() {
  static const EnumInfo info{"TStatusPanelStyle", {"psText", "psOwnerDraw"}};
  return info;
}

// The SB_SETTEXT drawing flags of a panel (high word of the part number).
WPARAM PanelDrawFlags(const TStatusPanel& panel) {
  WPARAM flags = 0;
  if (panel.Bevel() == TStatusPanelBevel::pbNone) flags |= SBT_NOBORDERS;
  if (panel.Bevel() == TStatusPanelBevel::pbRaised) flags |= SBT_POPOUT;
  if (panel.Style() == TStatusPanelStyle::psOwnerDraw) flags |= SBT_OWNERDRAW;
  return flags;
}

}  // namespace

const ClassInfo& TStatusPanel::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TStatusPanel>("TStatusPanel", &TCollectionItem::StaticClassInfo())
          .Integer("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth)
          .String("Text", &TStatusPanel::Text, &TStatusPanel::SetText)
          .Enumeration("Alignment", AlignmentEnum(), &TStatusPanel::Alignment, &TStatusPanel::SetAlignment)
          .Enumeration("Bevel", StatusPanelBevelEnum(), &TStatusPanel::Bevel, &TStatusPanel::SetBevel)
          .Enumeration("Style", StatusPanelStyleEnum(), &TStatusPanel::Style, &TStatusPanel::SetStyle)
          .Build();
  return info;
}

void TStatusPanel::SetWidth(int width) {
  width_ = width;
  Changed();
}

void TStatusPanel::SetText(const std::wstring& text) {
  if (text == text_) return;
  text_ = text;
  Changed();
}

void TStatusPanel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Changed();
}

void TStatusPanel::SetBevel(TStatusPanelBevel bevel) {
  bevel_ = bevel;
  Changed();
}

void TStatusPanel::SetStyle(TStatusPanelStyle style) {
  style_ = style;
  Changed();
}

const ClassInfo& TStatusBar::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TStatusBar>("TStatusBar", &TWinControl::StaticClassInfo())
                                    .Creatable()
                                    .Object("Panels", &TStatusBar::Panels)
                                    .Boolean("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel)
                                    .String("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText)
                                    .Boolean("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip)
                                    .Event("OnDrawPanel", &TStatusBar::OnDrawPanel)
                                    .Build();
  return info;
}

TStatusBar::TStatusBar(TComponent* owner)
    : TWinControl(owner), panels_(std::make_unique<TOwnedCollection<TStatusPanel>>()) {
  panels_->OnUpdate = [this](TCollectionItem*) { UpdatePanels(); };
  SetBounds(0, 0, 185, 19);
  SetAlign(TAlign::alBottom);
}

void TStatusBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClass = STATUSCLASSNAMEW;
  // The framework places the bar (Align), not the system.
  params.style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
  const TCustomForm* form = GetParentForm(this);
  const bool sizeable = form && (form->BorderStyle() == TFormBorderStyle::bsSizeable ||
                                 form->BorderStyle() == TFormBorderStyle::bsSizeToolWin);
  if (sizeGrip_ && sizeable) params.style |= SBARS_SIZEGRIP;
}

void TStatusBar::CreateHandleState() {
  TWinControl::CreateHandleState();
  UpdatePanels();
}

void TStatusBar::SetSimplePanel(bool value) {
  simplePanel_ = value;
  UpdatePanels();
}

void TStatusBar::SetSimpleText(const std::wstring& text) {
  simpleText_ = text;
  UpdatePanels();
}

void TStatusBar::SetSizeGrip(bool value) {
  if (value == sizeGrip_) return;
  sizeGrip_ = value;
  RecreateWnd();
}

void TStatusBar::UpdatePanels() {
  if (!HandleAllocated()) return;
  SendToWindow(SB_SIMPLE, simplePanel_ ? TRUE : FALSE, 0);
  if (simplePanel_) {
    SendToWindow(SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(simpleText_.c_str()));
    return;
  }
  const int count = panels_->Count();
  std::vector<int> edges(static_cast<size_t>(std::max(count, 1)), -1);
  int right = 0;
  for (int i = 0; i < count; ++i) {
    right += (*panels_)[i]->Width();
    // The last panel reaches to the end of the bar.
    edges[static_cast<size_t>(i)] = i == count - 1 ? -1 : right;
  }
  SendToWindow(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (int i = 0; i < count; ++i) {
    TStatusPanel* panel = (*panels_)[i];
    const WPARAM part = static_cast<WPARAM>(i) | PanelDrawFlags(*panel);
    if (panel->Style() == TStatusPanelStyle::psOwnerDraw) {
      // The window hands this value back as the item data of WM_DRAWITEM.
      SendToWindow(SB_SETTEXTW, part, reinterpret_cast<LPARAM>(panel));
      continue;
    }
    std::wstring text = panel->Text();
    if (panel->Alignment() == TAlignment::taCenter) text = L"\t" + text;
    if (panel->Alignment() == TAlignment::taRightJustify) text = L"\t\t" + text;
    SendToWindow(SB_SETTEXTW, part, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

void TStatusBar::Dispatch(TMessage& message) {
  if (message.Msg == CN_DRAWITEM) return CNDrawItem(message);
  TWinControl::Dispatch(message);
}

void TStatusBar::CNDrawItem(TMessage& message) {
  const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
  message.Result = TRUE;
  const int index = static_cast<int>(draw.itemID);
  if (simplePanel_ || index < 0 || index >= panels_->Count()) return;
  CanvasAttachment attached(canvas_, draw.hDC);
  canvas_.Font().Assign(*Font());
  canvas_.Brush().SetColor(Color());
  if (OnDrawPanel) OnDrawPanel(this, (*panels_)[index], draw.rcItem);
}

}  // namespace lanvero::framework
