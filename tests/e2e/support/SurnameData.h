// What the program should show, read independently of the program: the
// committed source of the shipped database (assets/data/surnames.tsv), with
// readable bodies, in the order of the database's rows.
#pragma once

#include <string>
#include <vector>

namespace lanvero::e2e {

struct SurnameRecord {
  std::wstring title;
  std::wstring shownBody;  // the body as the memo shows it: "<br>" marks removed
};

class SurnameData {
 public:
  // Reads LANVERO_SOURCE_DIR/assets/data/surnames.tsv; throws
  // std::runtime_error when it is missing or malformed.
  static const SurnameData& Shipped();

  const std::vector<SurnameRecord>& Records() const { return records_; }
  size_t Count() const { return records_.size(); }
  // Indices of the records whose title contains `text`.
  std::vector<size_t> TitlesContaining(const std::wstring& text) const;

 private:
  std::vector<SurnameRecord> records_;
};

}  // namespace lanvero::e2e
