// The columns of a data grid: the field each shows, its width, visibility
// and title, as stored in a layout.
#pragma once

#include <memory>
#include <string>

#include "framework/core/Collection.h"

namespace lanvero::framework {

class TColumnTitle : public TPersistent {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }
  std::wstring Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption) { caption_ = caption; }

 private:
  std::wstring caption_;
};

class TColumn : public TCollectionItem {
 public:
  explicit TColumn(TCollection* collection);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  std::wstring FieldName() const { return fieldName_; }
  void SetFieldName(const std::wstring& name);
  TColumnTitle* Title() const { return title_.get(); }
  int Width() const { return width_; }
  void SetWidth(int width);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // The data set field the column shows; -1 when the name matches none.
  int FieldIndex() const { return fieldIndex_; }
  void SetFieldIndex(int index) { fieldIndex_ = index; }
  // The title text: the title caption, else the field name.
  std::wstring TitleText() const;

 private:
  std::wstring fieldName_;
  std::unique_ptr<TColumnTitle> title_;
  int width_ = 64;
  bool visible_ = true;
  int fieldIndex_ = -1;
};

}  // namespace lanvero::framework
