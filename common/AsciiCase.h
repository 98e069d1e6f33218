#pragma once
// ASCII-only case folding, for any character type: names, keywords, class
// names and INI keys ignore the case of the letters A-Z and nothing else
// (other characters, including non-ASCII letters, stay as they are).

#include <string>
#include <string_view>

namespace lanvero {

template <class Char>
constexpr Char AsciiToLower(Char c) {
  return (c >= Char('A') && c <= Char('Z')) ? static_cast<Char>(c - Char('A') + Char('a')) : c;
}

template <class Char>
constexpr Char AsciiToUpper(Char c) {
  return (c >= Char('a') && c <= Char('z')) ? static_cast<Char>(c - Char('a') + Char('A')) : c;
}

template <class Char>
std::basic_string<Char> AsciiLowerCopy(std::basic_string_view<Char> text) {
  std::basic_string<Char> out(text);
  for (Char& c : out) c = AsciiToLower(c);
  return out;
}

template <class Char>
std::basic_string<Char> AsciiUpperCopy(std::basic_string_view<Char> text) {
  std::basic_string<Char> out(text);
  for (Char& c : out) c = AsciiToUpper(c);
  return out;
}

}  // namespace lanvero
