#include "core/tray_record.h"

#include <algorithm>

#include "core/os.h"
#include "core/utf16.h"

namespace velamo {
namespace {

void Put(TrayBytes& bytes, TrayField field, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i)
    bytes[field + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

TrayRecord MakeTrayRecord(Index id, Handle wnd, Handle icon, std::u16string_view tip) {
  std::u16string field(tip);
  field += u'\0';
  field.resize(kTipLength, u' ');
  return TrayRecord{
      .cbSize = kTrayRecordSize,
      .hWnd = wnd,
      .uID = static_cast<std::uint32_t>(static_cast<std::int32_t>(id)),
      .uFlags = kTrayFlags,
      .uCallbackMessage = kTrayCallbackMessage,
      .hIcon = icon,
      .szTip = std::move(field),
  };
}

TrayBytes AnsiTrayRecord(const TrayRecord& record, const Os& os) {
  TrayBytes bytes{};
  Put(bytes, kCbSizeAt, record.cbSize);
  Put(bytes, kHWndAt, record.hWnd);
  Put(bytes, kUIDAt, record.uID);
  Put(bytes, kUFlagsAt, record.uFlags);
  Put(bytes, kUCallbackMessageAt, record.uCallbackMessage);
  Put(bytes, kHIconAt, record.hIcon);

  // Converted one character at a time so the cut falls between characters, never inside one.
  std::size_t used = 0;
  const std::u16string_view tip = record.szTip;
  for (std::size_t i = 0; i < tip.size();) {
    const std::size_t units = IsHighSurrogate(tip[i]) && i + 1 < tip.size() ? 2 : 1;
    const std::string ansi = os.ToAnsi(tip.substr(i, units));
    if (used + ansi.size() > kTipLength) break;
    std::copy(ansi.begin(), ansi.end(), bytes.begin() + kSzTipAt + used);
    used += ansi.size();
    i += units;
  }
  std::fill(bytes.begin() + kSzTipAt + used, bytes.end(), static_cast<std::uint8_t>(' '));
  return bytes;
}

std::uint32_t FieldOf(const TrayBytes& bytes, TrayField field) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{bytes[field + i]} << (8 * i);
  return value;
}

}  // namespace velamo
