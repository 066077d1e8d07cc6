#pragma once

#include <string_view>

namespace velamo {

// The halves of a character outside the Basic Multilingual Plane in UTF-16.
inline bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
inline bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Whether every surrogate in `text` stands in a pair.
inline bool IsWellFormed(std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsLowSurrogate(text[i])) return false;
    if (IsHighSurrogate(text[i]) && (++i == text.size() || !IsLowSurrogate(text[i]))) return false;
  }
  return true;
}

}  // namespace velamo
