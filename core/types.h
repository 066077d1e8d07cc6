#pragma once

#include <cstdint>

namespace velamo {

// The program's conventions, kept on purpose (docs/design.md tells why).

// Window, icon and cursor handles cross the program as 32-bit values.
using Handle = std::uint32_t;

// Table, control-array and menu indexes are 16-bit signed throughout.
using Index = std::int16_t;

// Booleans kept in shared state are 16-bit: True is -1, False is 0.
using Bool16 = std::int16_t;
inline constexpr Bool16 kTrue = -1;
inline constexpr Bool16 kFalse = 0;

}  // namespace velamo
