#include "framework/controls/Edits.h"

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

namespace {

// The lines of a memo, read from and written to its text.
class TMemoStrings : public TStrings {
 public:
  explicit TMemoStrings(TCustomMemo& memo) : memo_(memo) {}
  int Count() const override { return static_cast<int>(Lines().size()); }
  std::wstring Get(int index) const override {
    const auto lines = Lines();
    if (index < 0 || index >= static_cast<int>(lines.size())) {
      throw FrameworkError(L"List index out of bounds (" + std::to_wstring(index) + L")");
    }
    return lines[static_cast<size_t>(index)];
  }
  void Insert(int index, const std::wstring& text) override {
    auto lines = Lines();
    if (index < 0 || index > static_cast<int>(lines.size())) {
      throw FrameworkError(L"List index out of bounds (" + std::to_wstring(index) + L")");
    }
    lines.insert(lines.begin() + index, text);
    Store(lines);
  }
  void Delete(int index) override {
    auto lines = Lines();
    if (index < 0 || index >= static_cast<int>(lines.size())) {
      throw FrameworkError(L"List index out of bounds (" + std::to_wstring(index) + L")");
    }
    lines.erase(lines.begin() + index);
    Store(lines);
  }
  void Clear() override { memo_.SetText(L""); }
  std::wstring Text() const override { return memo_.GetText(); }
  void SetText(const std::wstring& text) override { memo_.SetText(text); }

 private:
  std::vector<std::wstring> Lines() const { return SplitLines(memo_.GetText()); }
  void Store(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (size_t i = 0; i < lines.size(); ++i) text += (i ? L"\r\n" : L"") + lines[i];
    memo_.SetText(text);
  }
  TCustomMemo& memo_;
};

}  // namespace

// ----- TCustomEdit ----------------------------------------------------------

const ClassInfo& TCustomEdit::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TCustomEdit>("TCustomEdit", &TWinControl::StaticClassInfo())
          .Boolean("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly)
          .Integer("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength)
          .Enumeration("BorderStyle", BorderStyleEnum(), &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle)
          .Enumeration("BevelKind", BevelKindEnum(), &TCustomEdit::BevelKind, &TCustomEdit::SetBevelKind)
          .Boolean("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect)
          .Event("OnChange", &TCustomEdit::OnChange)
          .Build();
  return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetColor(clWindow);
  SetParentColor(false);
  SetBounds(0, 0, 121, 21);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClass = L"EDIT";
  params.style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
  if (readOnly_) params.style |= ES_READONLY;
  if (borderStyle_ == TBorderStyle::bsSingle) params.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateHandleState() {
  TWinControl::CreateHandleState();
  if (maxLength_ > 0) SendToWindow(EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  if (bevelKind_ != TBevelKind::bkNone) {
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TCustomEdit::SetReadOnly(bool value) {
  readOnly_ = value;
  SendToWindow(EM_SETREADONLY, value ? TRUE : FALSE, 0);
}

void TCustomEdit::SetMaxLength(int value) {
  maxLength_ = value;
  SendToWindow(EM_LIMITTEXT, static_cast<WPARAM>(value), 0);
}

void TCustomEdit::SetBorderStyle(TBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  RecreateWnd();
}

void TCustomEdit::SetBevelKind(TBevelKind kind) {
  if (kind == bevelKind_) return;
  bevelKind_ = kind;
  RecreateWnd();
}

void TCustomEdit::SelectAll() { SendToWindow(EM_SETSEL, 0, -1); }

int TCustomEdit::SelStart() const {
  DWORD start = 0;
  SendToWindow(EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

int TCustomEdit::SelLength() const {
  DWORD start = 0, end = 0;
  SendToWindow(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelection(int start, int length) {
  SendToWindow(EM_SETSEL, static_cast<WPARAM>(start), start + length);
}

void TCustomEdit::CopyToClipboard() { SendToWindow(WM_COPY, 0, 0); }
void TCustomEdit::CutToClipboard() { SendToWindow(WM_CUT, 0, 0); }
void TCustomEdit::PasteFromClipboard() { SendToWindow(WM_PASTE, 0, 0); }

void TCustomEdit::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND: return CNCommand(message);
    case WM_NCCALCSIZE: return WMNCCalcSize(message);
    case WM_NCPAINT: return WMNCPaint(message);
    default: return TWinControl::Dispatch(message);
  }
}

void TCustomEdit::CNCommand(TMessage& message) {
  if (HIWORD(message.WParam) == EN_CHANGE && OnChange && !IsLoading()) OnChange(this);
}

void TCustomEdit::WMNCCalcSize(TMessage& message) {
  DefaultHandler(message);
  if (const int bevel = BevelWidth()) {
    RECT* rect = reinterpret_cast<RECT*>(message.LParam);
    InflateRect(rect, -bevel, -bevel);
  }
}

void TCustomEdit::WMNCPaint(TMessage& message) {
  DefaultHandler(message);
  if (!BevelWidth()) return;
  WindowDC dc(handle_, true);
  RECT rect{};
  GetWindowRect(handle_, &rect);
  OffsetRect(&rect, -rect.left, -rect.top);
  DrawEdge(dc.Get(), &rect, BDR_SUNKENOUTER | BDR_RAISEDINNER, BF_RECT);
}

// ----- TEdit ----------------------------------------------------------------

const ClassInfo& TEdit::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TEdit>("TEdit", &TCustomEdit::StaticClassInfo())
                                    .Creatable()
                                    .String("Text", &TEdit::Text, &TEdit::SetTextProperty)
                                    .Build();
  return info;
}

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) {}

// ----- TMemo ----------------------------------------------------------------

const ClassInfo& TCustomMemo::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TCustomMemo>("TCustomMemo", &TCustomEdit::StaticClassInfo())
          .Object("Lines", &TCustomMemo::Lines)
          .Enumeration("ScrollBars", ScrollStyleEnum(), &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars)
          .Boolean("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap)
          .Boolean("WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns)
          .Boolean("WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs)
          .Enumeration("Alignment", AlignmentEnum(), &TCustomMemo::Alignment, &TCustomMemo::SetAlignment)
          .Build();
  return info;
}

const ClassInfo& TMemo::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TMemo>("TMemo", &TCustomMemo::StaticClassInfo()).Creatable().Build();
  return info;
}

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), lines_(std::make_unique<TMemoStrings>(*this)) {
  SetBounds(0, 0, 185, 89);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  params.style |= ES_MULTILINE;
  if (!wordWrap_ || scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth) {
    params.style |= ES_AUTOHSCROLL;
  }
  if (scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth) params.style |= WS_VSCROLL;
  if (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth) params.style |= WS_HSCROLL;
  if (alignment_ == TAlignment::taRightJustify) params.style |= ES_RIGHT;
  if (alignment_ == TAlignment::taCenter) params.style |= ES_CENTER;
}

void TCustomMemo::SetScrollBars(TScrollStyle style) {
  if (style == scrollBars_) return;
  scrollBars_ = style;
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  RecreateWnd();
}

void TCustomMemo::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  RecreateWnd();
}

void TCustomMemo::Dispatch(TMessage& message) {
  if (message.Msg == WM_GETDLGCODE) return WMGetDlgCode(message);
  TCustomEdit::Dispatch(message);
}

void TCustomMemo::WMGetDlgCode(TMessage& message) {
  DefaultHandler(message);
  if (wantTabs_) {
    message.Result |= DLGC_WANTTAB;
  } else {
    message.Result &= ~static_cast<LRESULT>(DLGC_WANTTAB);
  }
  if (!wantReturns_) message.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
}

}  // namespace lanvero::framework
