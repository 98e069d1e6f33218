#include "tools/skintool/CheckResult.h"

#include <algorithm>

namespace lanvero::skintool {

namespace {

std::string Counted(int count, const char* singular) {
  return std::to_string(count) + " " + singular + (count == 1 ? "" : "s");
}

}  // namespace

void CheckResult::Add(Severity severity, std::string text) {
  const bool known = std::any_of(findings_.begin(), findings_.end(), [&](const Finding& finding) {
    return finding.severity == severity && finding.text == text;
  });
  if (known) return;
  // Errors come first, each grade in the order found.
  const auto end = severity == Severity::Error
                       ? std::find_if(findings_.begin(), findings_.end(),
                                      [](const Finding& f) { return f.severity == Severity::Warning; })
                       : findings_.end();
  findings_.insert(end, {severity, std::move(text)});
}

int CheckResult::Count(Severity severity) const {
  return static_cast<int>(std::count_if(findings_.begin(), findings_.end(),
                                        [severity](const Finding& finding) { return finding.severity == severity; }));
}

std::string CheckSummary(const CheckResult& result) {
  const int errors = result.Count(Severity::Error);
  const int warnings = result.Count(Severity::Warning);
  const std::string counts = Counted(errors, "error") + ", " + Counted(warnings, "warning") + ", " +
                             Counted(result.imagesChecked, "image") + " checked";
  return errors + warnings == 0 ? "OK: " + counts : counts;
}

int CheckExitStatus(const CheckResult& result) {
  if (result.Count(Severity::Error) > 0) return kExitErrors;
  if (result.Count(Severity::Warning) > 0) return kExitWarningsOnly;
  return kExitClean;
}

}  // namespace lanvero::skintool
