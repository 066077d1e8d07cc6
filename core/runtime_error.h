#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace velamo {

// The run-time errors the program does not trap. Raising one ends the program with the standard
// run-time error message (see the toolkit's event dispatch).
enum class RuntimeErrorCode {
  kInvalidProcedureCall = 5,
  kOverflow = 6,
  kSubscriptOutOfRange = 9,
  kNoSuchElement = 340,
  kAlreadyLoaded = 360,
};

// A std::exception rather than a std::runtime_error, whose constructors would bring libstdc++'s
// old copy-on-write string into the program.
class RuntimeError : public std::exception {
 public:
  explicit RuntimeError(RuntimeErrorCode code) : code_(code) {}
  RuntimeErrorCode code() const { return code_; }
  const char* what() const noexcept override;

 private:
  RuntimeErrorCode code_;
};

// `value` as a 16-bit integer; a value outside that range is an overflow error.
std::int16_t CheckedInt16(int value);

// The message shown to the user, for example "実行時エラー
// '9':\n\nインデックスが有効範囲にありません。".
std::u16string RuntimeErrorMessage(RuntimeErrorCode code);

}  // namespace velamo
