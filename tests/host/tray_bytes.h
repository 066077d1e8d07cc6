#pragma once

#include <cstddef>
#include <cstdint>

#include "core/tray_record.h"

namespace velamo::testing {

// The little-endian 32-bit field at `offset` of an ANSI tray record.
inline std::uint32_t FieldAt(const TrayBytes& bytes, std::size_t offset) {
  return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
         static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

}  // namespace velamo::testing
