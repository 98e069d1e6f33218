#pragma once
// What `skintool check` found in a skin: findings in two grades, the number
// of images looked at, the summary line and the exit status.

#include <string>
#include <vector>

namespace lanvero::skintool {

enum class Severity {
  Error,    // the engine refuses the skin or a part of it
  Warning,  // the engine draws, but not what the author meant
};

struct Finding {
  Severity severity;
  std::string text;  // "[Section] Key=value: what the engine does with it"
};

class CheckResult {
 public:
  // Add a finding unless the same one is there already (the loader reads
  // some keys more than once). Errors are listed before warnings.
  void Error(std::string text) { Add(Severity::Error, std::move(text)); }
  void Warning(std::string text) { Add(Severity::Warning, std::move(text)); }

  const std::vector<Finding>& Findings() const { return findings_; }
  int Count(Severity severity) const;

  int imagesChecked = 0;

 private:
  void Add(Severity severity, std::string text);

  std::vector<Finding> findings_;
};

// "OK: 0 errors, 0 warnings, 46 images checked" for a clean skin, otherwise
// the counts alone.
std::string CheckSummary(const CheckResult& result);

inline constexpr int kExitClean = 0;
inline constexpr int kExitErrors = 1;
inline constexpr int kExitWarningsOnly = 3;
int CheckExitStatus(const CheckResult& result);

}  // namespace lanvero::skintool
