#include "tools/skintool/LoadRecord.h"

#include "skin/ini/QuickIni.h"

namespace lanvero::skintool {

namespace {

KeyRecord Copy(const KeySource& source) {
  return {std::string(source.section), std::string(source.key), std::string(source.text)};
}

}  // namespace

bool FieldHistory::Written() const { return !source.text.empty() && IniInteger(source.text) == value; }

void LoadRecord::NotANumber(const KeySource& source, int32_t fallback) {
  notNumbers.emplace_back(Copy(source), fallback);
}

void LoadRecord::ColorText(const KeySource& source) { colors.push_back(Copy(source)); }

void LoadRecord::ImageRead(const TDataSkinObject* owner, DefinitionField field, const KeySource& source,
                           ImageLookup outcome, const PixelImage& image) {
  images.push_back({owner, field, Copy(source), outcome, image.Width(), image.Height()});
}

void LoadRecord::FieldRead(const TDataSkinObject& owner, DefinitionField field, const KeySource& source,
                           int32_t value) {
  FieldHistory& history = History(owner, field);
  if (history.Written() && history.value != value) {
    replacements.push_back({field, history.source, value, std::nullopt, std::string(source.key)});
  }
  history = {Copy(source), value, std::nullopt};
}

void LoadRecord::FieldDecided(const TDataSkinObject& owner, DefinitionField field, int32_t value, FieldRule rule) {
  FieldHistory& history = History(owner, field);
  if (history.Written() && history.value != value) replacements.push_back({field, history.source, value, rule, {}});
  history.value = value;
  history.rule = rule;
}

const FieldHistory* LoadRecord::Field(const TDataSkinObject* owner, DefinitionField field) const {
  const auto found = index_.find({owner, field});
  return found == index_.end() ? nullptr : &fields_[found->second].second;
}

FieldHistory& LoadRecord::History(const TDataSkinObject& owner, DefinitionField field) {
  const FieldKey key{&owner, field};
  const auto [found, added] = index_.try_emplace(key, fields_.size());
  if (added) fields_.emplace_back(key, FieldHistory{});
  return fields_[found->second].second;
}

}  // namespace lanvero::skintool
