#pragma once

#include <windows.h>

#include <cstdint>

#include "core/types.h"

namespace velamo {

// Handles are 32-bit values in the shared state; user and GDI handles fit in 32 bits on every
// Windows.
template <typename Win32Handle>
Handle ToHandle(Win32Handle handle) {
  return static_cast<Handle>(reinterpret_cast<std::uintptr_t>(handle));
}

template <typename Win32Handle>
Win32Handle FromHandle(Handle handle) {
  return reinterpret_cast<Win32Handle>(static_cast<std::uintptr_t>(handle));
}

}  // namespace velamo
