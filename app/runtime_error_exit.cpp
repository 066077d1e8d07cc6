#include "app/runtime_error_exit.h"

#include <windows.h>

#include <string>

#include "core/runtime_error.h"
#include "toolkit/message_box.h"

namespace velamo {
namespace {

std::wstring Describe(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const RuntimeError& runtime_error) {
    const std::u16string message = RuntimeErrorMessage(runtime_error.code());
    return std::wstring(message.begin(), message.end());
  } catch (...) {
    return L"予期しないエラーが発生したため、終了します。";
  }
}

}  // namespace

void EndOnRuntimeError(std::exception_ptr error) {
  toolkit::MsgBox(nullptr, Describe(error), MB_OK | MB_ICONERROR | MB_TASKMODAL, L"Velamo");
  ExitProcess(1);
}

}  // namespace velamo
