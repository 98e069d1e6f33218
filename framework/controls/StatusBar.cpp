#include "framework/controls/StatusBar.h"

#include <commctrl.h>

#include "framework/core/ClassBuilder.h"
#include "framework/forms/Form.h"

namespace lanvero::framework {

const ClassInfo& TStatusPanel::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TStatusPanel>("TStatusPanel", &TCollectionItem::StaticClassInfo())
          .Integer("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth)
          .String("Text", &TStatusPanel::Text, &TStatusPanel::SetText)
          .Enumeration("Alignment", AlignmentEnum(), &TStatusPanel::Alignment, &TStatusPanel::SetAlignment)
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

const ClassInfo& TStatusBar::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TStatusBar>("TStatusBar", &TWinControl::StaticClassInfo())
                                    .Creatable()
                                    .Object("Panels", &TStatusBar::Panels)
                                    .Boolean("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel)
                                    .String("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText)
                                    .Boolean("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip)
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
    const TStatusPanel* panel = (*panels_)[i];
    std::wstring text = panel->Text();
    if (panel->Alignment() == TAlignment::taCenter) text = L"\t" + text;
    if (panel->Alignment() == TAlignment::taRightJustify) text = L"\t\t" + text;
    SendToWindow(SB_SETTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.c_str()));
  }
}

}  // namespace lanvero::framework
