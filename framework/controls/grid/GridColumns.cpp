#include "framework/controls/grid/GridColumns.h"

#include <algorithm>

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

const ClassInfo& TColumnTitle::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TColumnTitle>("TColumnTitle", &TPersistent::StaticClassInfo())
                                    .String("Caption", &TColumnTitle::Caption, &TColumnTitle::SetCaption)
                                    .Build();
  return info;
}

const ClassInfo& TColumn::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TColumn>("TColumn", &TCollectionItem::StaticClassInfo())
                                    .String("FieldName", &TColumn::FieldName, &TColumn::SetFieldName)
                                    .Object("Title", &TColumn::Title)
                                    .Integer("Width", &TColumn::Width, &TColumn::SetWidth)
                                    .Boolean("Visible", &TColumn::Visible, &TColumn::SetVisible)
                                    .Build();
  return info;
}

TColumn::TColumn(TCollection* collection) : TCollectionItem(collection), title_(std::make_unique<TColumnTitle>()) {}

void TColumn::SetFieldName(const std::wstring& name) {
  fieldName_ = name;
  Changed();
}

void TColumn::SetWidth(int width) {
  width_ = std::max(0, width);
  Changed();
}

void TColumn::SetVisible(bool visible) {
  visible_ = visible;
  Changed();
}

std::wstring TColumn::TitleText() const { return title_->Caption().empty() ? fieldName_ : title_->Caption(); }

}  // namespace lanvero::framework
