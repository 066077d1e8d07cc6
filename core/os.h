#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/tray_record.h"
#include "core/types.h"

namespace velamo {

// The operating-system calls the shared procedures make, kept narrow so the procedures can run
// against a recording fake. Each call mirrors the Win32 function it is named after.
class Os {
 public:
  virtual ~Os() = default;

  // The directory of the running executable, as the toolkit reports it ("C:\" at a drive root,
  // "C:\Tools" elsewhere).
  virtual std::u16string ApplicationPath() const = 0;

  // Conversion to and from the system ANSI code page.
  virtual std::string ToAnsi(std::u16string_view text) const = 0;
  virtual std::u16string FromAnsi(std::string_view text) const = 0;

  // Asks for one icon: `large` and `small` receive its two images, or stay untouched on failure.
  virtual void ExtractIconExA(const std::string& file, int index, Handle* large, Handle* small) = 0;

  virtual bool Shell_NotifyIconA(std::uint32_t message, const TrayBytes& data) = 0;
};

}  // namespace velamo
