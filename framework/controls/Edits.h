// Single-line edits (TEdit) and multi-line memos (TMemo) on the system EDIT
// class.
#pragma once

#include <memory>

#include "framework/controls/WinControl.h"
#include "framework/core/Strings.h"

namespace lanvero::framework {

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  std::wstring Text() const { return GetText(); }
  void SetTextProperty(const std::wstring& text) { SetText(text); }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);
  TBevelKind BevelKind() const { return bevelKind_; }
  void SetBevelKind(TBevelKind kind);
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool value) { autoSelect_ = value; }

  void SelectAll();
  int SelStart() const;
  int SelLength() const;
  void SetSelection(int start, int length);
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void Clear() { SetText(L""); }

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void Dispatch(TMessage& message) override;
  void CNCommand(TMessage& message);
  // A tiled bevel is a two-pixel edge drawn outside the client area.
  void WMNCCalcSize(TMessage& message);
  void WMNCPaint(TMessage& message);
  int BevelWidth() const { return bevelKind_ == TBevelKind::bkNone ? 0 : 2; }

 private:
  bool readOnly_ = false;
  int maxLength_ = 0;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  TBevelKind bevelKind_ = TBevelKind::bkNone;
  bool autoSelect_ = true;
};

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }
};

class TCustomMemo : public TCustomEdit {
 public:
  explicit TCustomMemo(TComponent* owner);
  ~TCustomMemo() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  // The lines; edits go straight to the window once it exists.
  TStrings* Lines() const { return lines_.get(); }
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle style);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool value) { wantReturns_ = value; }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool value) { wantTabs_ = value; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

 protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
  void WMGetDlgCode(TMessage& message);

 private:
  std::unique_ptr<TStrings> lines_;
  TScrollStyle scrollBars_ = TScrollStyle::ssNone;
  bool wordWrap_ = true;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
  TAlignment alignment_ = TAlignment::taLeftJustify;
};

class TMemo : public TCustomMemo {
 public:
  explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }
};

}  // namespace lanvero::framework
