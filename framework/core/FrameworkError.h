// The exception the framework raises. It carries wide text, because the
// application shows it to the user in a message box.
#pragma once

#include <stdexcept>
#include <string>

namespace lanvero::framework {

class FrameworkError : public std::runtime_error {
 public:
  explicit FrameworkError(std::wstring message) : std::runtime_error(Narrow(message)), message_(std::move(message)) {}

  const std::wstring& Message() const { return message_; }

 private:
  static std::string Narrow(const std::wstring& text) {
    std::string result;
    for (wchar_t c : text) result.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return result;
  }
  std::wstring message_;
};

}  // namespace lanvero::framework
