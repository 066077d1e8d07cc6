#include "app/runtime_error_exit.h"

#include <windows.h>

#include <string>
#include <utility>

#include "core/module1.h"
#include "core/runtime_error.h"
#include "toolkit/message_box.h"

namespace velamo {
namespace {

// The crash filter and the terminate handler get no context of their own.
Module1* module_to_restore = nullptr;

std::wstring Describe(std::exception_ptr error) {
  try {
    if (error) std::rethrow_exception(error);
  } catch (const RuntimeError& runtime_error) {
    const std::u16string message = RuntimeErrorMessage(runtime_error.code());
    return std::wstring(message.begin(), message.end());
  } catch (...) {
  }
  return L"予期しないエラーが発生したため、終了します。";
}

LONG WINAPI OnCrash(EXCEPTION_POINTERS*) { EndOnRuntimeError(nullptr); }

}  // namespace

void RestoreOnFatalError(Module1& module) {
  module_to_restore = &module;
  SetUnhandledExceptionFilter(OnCrash);
}

void EndOnRuntimeError(std::exception_ptr error) {
  // Taken first: an error while restoring must not restore again.
  if (Module1* module = std::exchange(module_to_restore, nullptr)) {
    try {
      module->RestoreEverythingForExit();
    } catch (...) {
    }
  }
  toolkit::MsgBox(nullptr, Describe(error), MB_OK | MB_ICONERROR | MB_TASKMODAL, L"Velamo");
  ExitProcess(1);
}

}  // namespace velamo
