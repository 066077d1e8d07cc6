#pragma once

#include <string_view>

namespace velamo {

// wchar_t is UTF-16 on Windows: the program's UTF-16 text goes to the W calls as it is, and
// comes back from them the same way.
inline const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
inline std::wstring_view Wide(std::u16string_view text) {
  return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}
inline std::u16string_view Utf16(std::wstring_view text) {
  return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

}  // namespace velamo
