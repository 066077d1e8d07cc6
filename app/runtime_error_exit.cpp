#include "app/runtime_error_exit.h"

#include <windows.h>

#include <string>
#include <utility>

#include "core/module1.h"
#include "core/runtime_error.h"
#include "toolkit/message_box.h"
#include "win32/minimize_button_hook.h"

namespace velamo {
namespace {

// The crash filter and the library's error paths get no context of their own.
struct Running {
  Module1* module = nullptr;
  MinimizeButtonHook* hook = nullptr;
} running;

[[noreturn]] void End(const std::wstring& message) {
  // Taken first: an error while restoring must not restore again.
  const Running ending = std::exchange(running, {});
  if (ending.hook) ending.hook->Stop();
  // Nothing is hidden after this, not even by the timer while the report is open.
  if (ending.module) ending.module->RestoreEverythingForExit();
  toolkit::MsgBox(nullptr, message, MB_OK | MB_ICONERROR | MB_TASKMODAL, L"Velamo");
  ExitProcess(1);
}

LONG WINAPI OnCrash(EXCEPTION_POINTERS*) { EndOnUnexpectedError(); }

}  // namespace

void RestoreOnFatalError(Module1& module, MinimizeButtonHook& hook) {
  running = {&module, &hook};
  SetUnhandledExceptionFilter(OnCrash);
}

void EndOnUnexpectedError() { End(L"予期しないエラーが発生したため、終了します。"); }

void RaiseRuntimeError(RuntimeErrorCode code) {
  const std::u16string message = RuntimeErrorMessage(code);
  End(std::wstring(message.begin(), message.end()));
}

}  // namespace velamo
