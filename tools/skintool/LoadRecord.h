#pragma once
// Everything one skin load told its observer, kept for the checks: the
// images it looked up, where every definition field's final value came
// from, integer texts that were not numbers, colour texts, and the values
// an author wrote that the loader did not keep.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "skin/definitions/SkinReadObserver.h"

namespace lanvero::skintool {

// A KeySource that owns its text.
struct KeyRecord {
  std::string section;
  std::string key;
  std::string text;  // empty: the key is absent
};

struct FieldHistory {
  KeyRecord source;               // the last key read for the field; `key` empty when none was
  int32_t value = 0;              // the value the field ended with
  std::optional<FieldRule> rule;  // the last decision of the loader about the field, if any
  // The author wrote the final value: the key's text reads as exactly it.
  bool Written() const;
};

struct ImageRecord {
  const TDataSkinObject* owner;  // null for the MDI buttons' strip
  DefinitionField field;
  KeyRecord source;
  ImageLookup outcome;
  int32_t width = 0;
  int32_t height = 0;
};

// A value the author wrote that the loader replaced, by a rule of its own
// or by another key (`rule` empty, `replacingKey` names it).
struct Replacement {
  DefinitionField field;
  KeyRecord written;
  int32_t used = 0;
  std::optional<FieldRule> rule;
  std::string replacingKey;
};

class LoadRecord : public SkinReadObserver {
 public:
  void NotANumber(const KeySource& source, int32_t fallback) override;
  void ColorText(const KeySource& source) override;
  void ImageRead(const TDataSkinObject* owner, DefinitionField field, const KeySource& source, ImageLookup outcome,
                 const PixelImage& image) override;
  void FieldRead(const TDataSkinObject& owner, DefinitionField field, const KeySource& source, int32_t value) override;
  void FieldDecided(const TDataSkinObject& owner, DefinitionField field, int32_t value, FieldRule rule) override;

  // Null when the load told nothing about that field.
  const FieldHistory* Field(const TDataSkinObject* owner, DefinitionField field) const;
  using FieldKey = std::pair<const TDataSkinObject*, DefinitionField>;
  // Every field the load told of, in the order it first did.
  const std::vector<std::pair<FieldKey, FieldHistory>>& Fields() const { return fields_; }

  std::vector<ImageRecord> images;
  std::vector<std::pair<KeyRecord, int32_t>> notNumbers;  // with the value used instead
  std::vector<KeyRecord> colors;
  std::vector<Replacement> replacements;

 private:
  FieldHistory& History(const TDataSkinObject& owner, DefinitionField field);

  std::vector<std::pair<FieldKey, FieldHistory>> fields_;
  std::map<FieldKey, std::size_t> index_;  // into fields_
};

}  // namespace lanvero::skintool
