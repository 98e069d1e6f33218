// A header control on the system header ("SysHeader32") and a list view on
// the system list view ("SysListView32"). The report view of a list view
// has such a header above its rows.
#pragma once

#include <functional>
#include <memory>

#include "framework/controls/WinControl.h"
#include "framework/core/Collection.h"
#include "framework/core/Strings.h"

namespace lanvero::framework {

// A titled column of given width: a header section or a list view column.
class TTitledColumn : public TCollectionItem {
 public:
  explicit TTitledColumn(TCollection* collection) : TCollectionItem(collection) {}

  std::wstring Text() const { return text_; }
  void SetText(const std::wstring& text);
  int Width() const { return width_; }
  void SetWidth(int width);
  // Takes a width the user dragged in the window, without sending it back.
  void KeepWidth(int width) { width_ = width; }

 private:
  std::wstring text_;
  int width_ = 50;
};

class THeaderSection : public TTitledColumn {
 public:
  explicit THeaderSection(TCollection* collection) : TTitledColumn(collection) {}
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }
};

class THeaderControl : public TWinControl {
 public:
  explicit THeaderControl(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TOwnedCollection<THeaderSection>* Sections() const { return sections_.get(); }

  std::function<void(THeaderControl* sender, THeaderSection* section)> OnSectionClick;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void Dispatch(TMessage& message) override;
  void CNNotify(TMessage& message);

 private:
  void UpdateSections();
  std::unique_ptr<TOwnedCollection<THeaderSection>> sections_;
};

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

class TListColumn : public TTitledColumn {
 public:
  explicit TListColumn(TCollection* collection) : TTitledColumn(collection) {}
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }
  std::wstring Caption() const { return Text(); }
  void SetCaption(const std::wstring& caption) { SetText(caption); }
};

// A row: its caption in the first column, SubItems in the following ones.
class TListItem : public TCollectionItem {
 public:
  explicit TListItem(TCollection* collection);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  std::wstring Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  TStringList* SubItems() const { return &subItems_; }

 private:
  std::wstring caption_;
  mutable TStringList subItems_;
};

class TListView : public TWinControl {
 public:
  explicit TListView(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TOwnedCollection<TListColumn>* Columns() const { return columns_.get(); }
  TOwnedCollection<TListItem>* Items() const { return items_.get(); }
  TViewStyle ViewStyle() const { return viewStyle_; }
  void SetViewStyle(TViewStyle style);
  // The header window of the report view (nil without a window).
  HWND HeaderHandle() const;

  std::function<void(TObject* sender, TListColumn* column)> OnColumnClick;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void Dispatch(TMessage& message) override;
  void CNNotify(TMessage& message);

 private:
  void UpdateColumns();
  void UpdateItems();
  std::unique_ptr<TOwnedCollection<TListColumn>> columns_;
  std::unique_ptr<TOwnedCollection<TListItem>> items_;
  TViewStyle viewStyle_ = TViewStyle::vsIcon;
};

}  // namespace lanvero::framework
