#include "core/runtime_error.h"

#include <cstdlib>

#include "core/decimal.h"

namespace velamo {
namespace {

ErrorEnd error_end = nullptr;  // set once at start

std::u16string Explain(RuntimeErrorCode code) {
  switch (code) {
    case RuntimeErrorCode::kInvalidProcedureCall:
      return u"プロシージャの呼び出し、または引数が不正です。";
    case RuntimeErrorCode::kOverflow:
      return u"オーバーフローしました。";
    case RuntimeErrorCode::kSubscriptOutOfRange:
      return u"インデックスが有効範囲にありません。";
    case RuntimeErrorCode::kNoSuchElement:
      return u"コントロール配列の要素が存在しません。";
    case RuntimeErrorCode::kAlreadyLoaded:
      return u"オブジェクトは既に読み込まれています。";
  }
  return u"";
}

}  // namespace

std::int16_t CheckedInt16(int value) {
  if (value < INT16_MIN || value > INT16_MAX) RaiseRuntimeError(RuntimeErrorCode::kOverflow);
  return static_cast<std::int16_t>(value);
}

std::u16string RuntimeErrorMessage(RuntimeErrorCode code) {
  std::u16string message = u"実行時エラー '";
  AppendDecimal(message, static_cast<int>(code));
  message += u"':\n\n";
  message += Explain(code);
  return message;
}

void SetErrorEnd(ErrorEnd end) { error_end = end; }

void RaiseRuntimeError(RuntimeErrorCode code) {
  if (error_end) error_end(code);
  std::abort();
}

}  // namespace velamo
