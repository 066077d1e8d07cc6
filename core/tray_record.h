#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/program_ids.h"
#include "core/types.h"

namespace velamo {

class Os;

inline constexpr std::size_t kTipLength = 64;       // characters in the tip field
inline constexpr std::size_t kTrayRecordSize = 88;  // bytes of the ANSI record
inline constexpr std::uint32_t kNifMessage = 1;
inline constexpr std::uint32_t kNifIcon = 2;
inline constexpr std::uint32_t kNifTip = 4;
inline constexpr std::uint32_t kTrayFlags = kNifMessage | kNifIcon | kNifTip;
inline constexpr std::uint32_t kNimAdd = 0;
inline constexpr std::uint32_t kNimModify = 1;
inline constexpr std::uint32_t kNimDelete = 2;

// One notification-area icon as the program keeps it.
struct TrayRecord {
  std::uint32_t cbSize = 0;
  Handle hWnd = 0;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  Handle hIcon = 0;
  std::u16string szTip;  // exactly kTipLength characters once built

  bool operator==(const TrayRecord&) const = default;
};

// The record for icon `id` (sign-extended), calling back `wnd`: the tip is followed by one NUL,
// padded with spaces and cut to the field, so a tip of 64 or more characters has no NUL in it.
TrayRecord MakeTrayRecord(Index id, Handle wnd, Handle icon, std::u16string_view tip);

// The NOTIFYICONDATAA form: six little-endian 32-bit fields, then the tip in the ANSI code page
// in 64 bytes. A double-byte character that would not fit whole is left out and its place padded.
using TrayBytes = std::array<std::uint8_t, kTrayRecordSize>;
TrayBytes AnsiTrayRecord(const TrayRecord& record, const Os& os);

// Where each field lies in that form.
enum TrayField : std::size_t {
  kCbSizeAt = 0,
  kHWndAt = 4,
  kUIDAt = 8,
  kUFlagsAt = 12,
  kUCallbackMessageAt = 16,
  kHIconAt = 20,
  kSzTipAt = 24,
};
std::uint32_t FieldOf(const TrayBytes& bytes, TrayField field);

}  // namespace velamo
