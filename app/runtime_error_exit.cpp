#include "app/runtime_error_exit.h"

#include <windows.h>

#include <string>
#include <utility>

#include "core/module1.h"
#include "core/runtime_error.h"
#include "toolkit/message_box.h"

namespace velamo {
namespace {

// The crash filter and the library's error paths get no context of their own.
Module1* module_to_restore = nullptr;

[[noreturn]] void End(const std::wstring& message) {
  // Taken first: an error while restoring must not restore again.
  Module1* module = std::exchange(module_to_restore, nullptr);
  if (module) module->RestoreEverythingForExit();
  toolkit::MsgBox(nullptr, message, MB_OK | MB_ICONERROR | MB_TASKMODAL, L"Velamo");
  // The scan timer still runs while the report is open and may have hidden windows again.
  if (module) module->RestoreEverythingForExit();
  ExitProcess(1);
}

LONG WINAPI OnCrash(EXCEPTION_POINTERS*) { EndOnUnexpectedError(); }

}  // namespace

void RestoreOnFatalError(Module1& module) {
  module_to_restore = &module;
  SetUnhandledExceptionFilter(OnCrash);
}

void EndOnUnexpectedError() { End(L"予期しないエラーが発生したため、終了します。"); }

void RaiseRuntimeError(RuntimeErrorCode code) {
  const std::u16string message = RuntimeErrorMessage(code);
  End(std::wstring(message.begin(), message.end()));
}

}  // namespace velamo
