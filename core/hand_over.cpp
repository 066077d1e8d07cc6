#include "core/hand_over.h"

#include <algorithm>
#include <cstring>

#include "core/command_line.h"
#include "core/utf16.h"

namespace velamo {
namespace {

// The longest command line Windows passes, and the longest path.
constexpr std::size_t kLongestPart = 32767;

}  // namespace

std::u16string EncodeHandOver(const HandOver& hand_over) {
  return hand_over.directory + u'\0' + hand_over.arguments;
}

std::optional<HandOver> DecodeHandOver(std::string_view bytes) {
  if (bytes.size() % 2 != 0 || bytes.size() > 2 * (2 * kLongestPart + 1)) return std::nullopt;
  std::u16string text(bytes.size() / 2, u'\0');
  std::memcpy(text.data(), bytes.data(), bytes.size());
  const std::size_t nul = text.find(u'\0');
  if (nul == std::u16string::npos || std::count(text.begin(), text.end(), u'\0') != 1 ||
      nul > kLongestPart || text.size() - nul - 1 > kLongestPart || !IsWellFormed(text)) {
    return std::nullopt;
  }
  HandOver hand_over{text.substr(0, nul), text.substr(nul + 1)};
  // A directory is a full path, as a program's full path is.
  const ParsedCommandLine parsed = ParseCommandLine(hand_over.arguments);
  if (!IsProgramName(hand_over.directory + u"\\x") || parsed.error || parsed.options.empty() ||
      parsed.options.usage) {
    return std::nullopt;
  }
  return hand_over;
}

}  // namespace velamo
