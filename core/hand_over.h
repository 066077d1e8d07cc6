#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velamo {

// What a second start hands the running Velamo with WM_COPYDATA: its working directory, for the
// programs it names, and its command line's arguments.
struct HandOver {
  std::u16string directory;
  std::u16string arguments;
};

// The payload: the directory, one NUL, the arguments, in UTF-16.
std::u16string EncodeHandOver(const HandOver& hand_over);

// Any process of the session can send the running Velamo this message, and it may start a
// program: what arrives is taken only if it is exactly what a second start sends, with options
// that parse. `bytes` is the message's data as received.
std::optional<HandOver> DecodeHandOver(std::string_view bytes);

}  // namespace velamo
