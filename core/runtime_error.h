#pragma once

#include <cstdint>
#include <string>

namespace velamo {

// The run-time errors the program does not trap.
enum class RuntimeErrorCode {
  kInvalidProcedureCall = 5,
  kOverflow = 6,
  kSubscriptOutOfRange = 9,
  kNoSuchElement = 340,
  kAlreadyLoaded = 360,
};

// Ends the program with the standard run-time error message, every hidden window shown again
// first. Defined by the program that links this library (tests define one that throws): ending
// where the error arises, instead of unwinding to a handler, keeps the exception runtime and its
// tables out of Velamo.exe.
[[noreturn]] void RaiseRuntimeError(RuntimeErrorCode code);

// `value` as a 16-bit integer; a value outside that range is an overflow error.
std::int16_t CheckedInt16(int value);

// The message shown to the user, for example "実行時エラー
// '9':\n\nインデックスが有効範囲にありません。".
std::u16string RuntimeErrorMessage(RuntimeErrorCode code);

}  // namespace velamo
