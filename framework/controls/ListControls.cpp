#include "framework/controls/ListControls.h"

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

namespace {

constexpr ItemMessages kComboMessages{CB_GETCOUNT,     CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_ADDSTRING, CB_INSERTSTRING,
                                      CB_DELETESTRING, CB_RESETCONTENT, CB_GETCURSEL, CB_SETCURSEL};
constexpr ItemMessages kListMessages{LB_GETCOUNT,     LB_GETTEXTLEN,   LB_GETTEXT,   LB_ADDSTRING, LB_INSERTSTRING,
                                     LB_DELETESTRING, LB_RESETCONTENT, LB_GETCURSEL, LB_SETCURSEL};

const EnumInfo& ComboBoxStyleEnum() {
  static const EnumInfo info{"TComboBoxStyle", {"csDropDown", "csSimple", "csDropDownList"}};
  return info;
}

// Items kept in the window once it exists, in a string list before.
class TWindowStrings : public TStrings {
 public:
  TWindowStrings(TWinControl& control, const ItemMessages& messages) : control_(control), messages_(messages) {}

  int Count() const override { return Window() ? static_cast<int>(Send(messages_.count, 0, 0)) : cache_.Count(); }
  std::wstring Get(int index) const override {
    if (!Window()) return cache_.Get(index);
    CheckIndex(index, false);
    const auto length = Send(messages_.getTextLength, static_cast<WPARAM>(index), 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    Send(messages_.getText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
  }
  void Insert(int index, const std::wstring& text) override {
    if (!Window()) return cache_.Insert(index, text);
    CheckIndex(index, true);
    Send(messages_.insertString, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
  }
  void Delete(int index) override {
    if (!Window()) return cache_.Delete(index);
    CheckIndex(index, false);
    Send(messages_.deleteString, static_cast<WPARAM>(index), 0);
  }
  void Clear() override {
    if (!Window()) return cache_.Clear();
    Send(messages_.reset, 0, 0);
  }

  // Moves the items between the window and the cache as the window comes and goes.
  void WindowCreated() {
    for (int i = 0; i < cache_.Count(); ++i) {
      Send(messages_.addString, 0, reinterpret_cast<LPARAM>(cache_.Get(i).c_str()));
    }
    cache_.Clear();
  }
  void WindowDestroying() {
    std::vector<std::wstring> items = ToVector();
    detached_ = true;
    cache_.SetStrings(items);
    detached_ = false;
  }

 private:
  HWND Window() const { return detached_ ? nullptr : control_.WindowHandle(); }
  LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam) const { return SendMessageW(Window(), msg, wParam, lParam); }
  void CheckIndex(int index, bool allowEnd) const {
    if (index < 0 || index > Count() - (allowEnd ? 0 : 1)) {
      throw FrameworkError(L"List index out of bounds (" + std::to_wstring(index) + L")");
    }
  }

  TWinControl& control_;
  ItemMessages messages_;
  TStringList cache_;
  bool detached_ = false;
};

}  // namespace

TCustomListControl::TCustomListControl(TComponent* owner, const ItemMessages& messages)
    : TWinControl(owner), messages_(messages), items_(std::make_unique<TWindowStrings>(*this, messages)) {
  SetTabStop(true);
  SetColor(clWindow);
  // Clicks come from the window's notifications, not from the mouse.
  SetControlStyle(Style() & ~static_cast<uint32_t>(csClickEvents | csDoubleClicks));
}

TCustomListControl::~TCustomListControl() {
  MarkDestroying();
  DestroyComponents();
  DestroyHandle();
}

void TCustomListControl::CreateHandleState() {
  TWinControl::CreateHandleState();
  static_cast<TWindowStrings*>(items_.get())->WindowCreated();
  if (itemIndex_ >= 0) SendToWindow(messages_.setCurSel, static_cast<WPARAM>(itemIndex_), 0);
}

void TCustomListControl::DestroyWnd() {
  itemIndex_ = ItemIndex();
  static_cast<TWindowStrings*>(items_.get())->WindowDestroying();
  TWinControl::DestroyWnd();
}

int TCustomListControl::ItemIndex() const {
  if (HandleAllocated()) itemIndex_ = static_cast<int>(SendToWindow(messages_.getCurSel, 0, 0));
  return itemIndex_;
}

void TCustomListControl::SetItemIndex(int index) {
  itemIndex_ = index;
  SendToWindow(messages_.setCurSel, static_cast<WPARAM>(index), 0);
}

// ----- TComboBox ------------------------------------------------------------

const ClassInfo& TComboBox::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TComboBox>("TComboBox", &TWinControl::StaticClassInfo())
          .Creatable()
          .Enumeration("Style", ComboBoxStyleEnum(), &TComboBox::ComboStyle, &TComboBox::SetComboStyle)
          .Object("Items", &TComboBox::Items)
          .Integer("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex)
          .Integer("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount)
          .String("Text", &TComboBox::Text, &TComboBox::SetTextProperty)
          .Event("OnChange", &TComboBox::OnChange)
          .Event("OnSelect", &TComboBox::OnSelect)
          .Build();
  return info;
}

TComboBox::TComboBox(TComponent* owner) : TCustomListControl(owner, kComboMessages) { SetBounds(0, 0, 145, 21); }

void TComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClass = L"COMBOBOX";
  params.style |= WS_VSCROLL | CBS_AUTOHSCROLL;
  switch (style_) {
    case TComboBoxStyle::csDropDown: params.style |= CBS_DROPDOWN; break;
    case TComboBoxStyle::csSimple: params.style |= CBS_SIMPLE; break;
    case TComboBoxStyle::csDropDownList: params.style |= CBS_DROPDOWNLIST; break;
  }
  // The window's height includes the drop-down list.
  if (style_ != TComboBoxStyle::csSimple) params.height = Height() + dropDownCount_ * 16;
}

void TComboBox::SetComboStyle(TComboBoxStyle style) {
  if (style == style_) return;
  style_ = style;
  RecreateWnd();
}

void TComboBox::Dispatch(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    switch (HIWORD(message.WParam)) {
      case CBN_EDITCHANGE:
        if (OnChange) OnChange(this);
        return;
      case CBN_SELCHANGE:
        if (OnSelect) OnSelect(this);
        if (OnChange) OnChange(this);
        return;
      default: return;
    }
  }
  TCustomListControl::Dispatch(message);
}

// ----- TListBox -------------------------------------------------------------

const ClassInfo& TListBox::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TListBox>("TListBox", &TWinControl::StaticClassInfo())
                                    .Creatable()
                                    .Object("Items", &TListBox::Items)
                                    .Integer("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex)
                                    .Boolean("Sorted", &TListBox::Sorted, &TListBox::SetSorted)
                                    .Build();
  return info;
}

TListBox::TListBox(TComponent* owner) : TCustomListBox(owner, kListMessages) { SetBounds(0, 0, 121, 97); }

void TListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClass = L"LISTBOX";
  params.style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL;
  if (sorted_) params.style |= LBS_SORT;
  params.exStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::SetSorted(bool value) {
  if (value == sorted_) return;
  sorted_ = value;
  RecreateWnd();
}

int TListBox::ItemHeight() const { return static_cast<int>(SendToWindow(LB_GETITEMHEIGHT, 0, 0)); }

void TListBox::Dispatch(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    if (HIWORD(message.WParam) == LBN_SELCHANGE) Click();
    if (HIWORD(message.WParam) == LBN_DBLCLK) DblClick();
    return;
  }
  TCustomListControl::Dispatch(message);
}

}  // namespace lanvero::framework
