#pragma once

#include <charconv>
#include <string>

namespace velamo {

// Appends `value` in plain decimal: no sign for positive values, no leading zeros or spaces.
inline void AppendDecimal(std::u16string& text, int value) {
  char digits[12];
  char* const end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  text.append(digits, end);
}

}  // namespace velamo
