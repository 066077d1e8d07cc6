#include "app/runtime_error_exit.h"

#include <windows.h>

#include <string>
#include <utility>

#include "core/module1.h"
#include "core/runtime_error.h"
#include "toolkit/message_box.h"
#include "win32/wide.h"
#include "win32/caption_button_hook.h"

namespace velamo {
namespace {

// What an error must give back first. The crash filter and the library's error paths get no
// context of their own.
struct GiveBack {
  Module1* module = nullptr;
  CaptionButtonHook* hook = nullptr;
} give_back_on_error;

BOOL CALLBACK DisableIfOurs(HWND window, LPARAM) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId()) EnableWindow(window, FALSE);
  return TRUE;
}

[[noreturn]] void End(std::wstring_view message) {
  // Taken first: an error while restoring must not restore again.
  const GiveBack ending = std::exchange(give_back_on_error, {});
  if (ending.hook) ending.hook->Stop();
  // Nothing is hidden after this, not even by the timer while the report is open.
  if (ending.module) ending.module->RestoreEverythingForExit();
  // The error may have arisen on another thread than the windows': a task-modal box would leave
  // them usable.
  EnumWindows(DisableIfOurs, 0);
  toolkit::MsgBox(nullptr, message, MB_OK | MB_ICONERROR | MB_TASKMODAL, L"Velamo");
  ExitProcess(1);
}

LONG WINAPI OnCrash(EXCEPTION_POINTERS*) { EndOnUnexpectedError(); }

[[noreturn]] void EndOnRuntimeError(RuntimeErrorCode code) { End(Wide(RuntimeErrorMessage(code))); }

}  // namespace

void RestoreOnFatalError(Module1& module, CaptionButtonHook* hook) {
  give_back_on_error = {&module, hook};
  SetErrorEnd(EndOnRuntimeError);
  SetUnhandledExceptionFilter(OnCrash);
}

void EndOnUnexpectedError() { End(L"予期しないエラーが発生したため、終了します。"); }

}  // namespace velamo
