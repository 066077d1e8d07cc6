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

// What ends the program on an error: the program sets it once, before any error can arise (host
// tests set one that throws, for them to catch). Until then an error aborts.
using ErrorEnd = void (*)(RuntimeErrorCode code);
void SetErrorEnd(ErrorEnd end);

// Ends the program with the standard run-time error message, where the error arises: unwinding
// to a handler would bring the exception runtime and its tables into Velamo.exe.
[[noreturn]] void RaiseRuntimeError(RuntimeErrorCode code);

// `value` as a 16-bit integer; a value outside that range is an overflow error.
std::int16_t CheckedInt16(int value);

// The message shown to the user, for example "実行時エラー
// '9':\n\nインデックスが有効範囲にありません。".
std::u16string RuntimeErrorMessage(RuntimeErrorCode code);

}  // namespace velamo
