#include "core/tray_record.h"

#include <algorithm>

#include "core/os.h"

namespace velamo {
namespace {

void PutLittleEndian(TrayBytes& bytes, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i)
    bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

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
  PutLittleEndian(bytes, 0, record.cbSize);
  PutLittleEndian(bytes, 4, record.hWnd);
  PutLittleEndian(bytes, 8, record.uID);
  PutLittleEndian(bytes, 12, record.uFlags);
  PutLittleEndian(bytes, 16, record.uCallbackMessage);
  PutLittleEndian(bytes, 20, record.hIcon);

  // Converted one character at a time so the cut falls between characters, never inside one.
  constexpr std::size_t kTipOffset = 24;
  std::size_t used = 0;
  const std::u16string_view tip = record.szTip;
  for (std::size_t i = 0; i < tip.size();) {
    const std::size_t units = IsHighSurrogate(tip[i]) && i + 1 < tip.size() ? 2 : 1;
    const std::string ansi = os.ToAnsi(tip.substr(i, units));
    if (used + ansi.size() > kTipLength) break;
    std::copy(ansi.begin(), ansi.end(), bytes.begin() + kTipOffset + used);
    used += ansi.size();
    i += units;
  }
  std::fill(bytes.begin() + kTipOffset + used, bytes.end(), static_cast<std::uint8_t>(' '));
  return bytes;
}

}  // namespace velamo
