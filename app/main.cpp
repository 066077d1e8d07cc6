#include <windows.h>
#include <commctrl.h>

#include "app/runtime_error_exit.h"
#include "core/module1.h"
#include "main_window/form1.h"
#include "resource_ids.h"
#include "toolkit/application.h"
#include "toolkit/handles.h"
#include "win32/minimize_button_hook.h"
#include "win32/win32_os.h"

namespace {

// Asks the Velamo already running to bring up its main window.
void BringUpRunningVelamo() {
  HWND running = FindWindowW(L"VelamoForm", L"Velamo");
  if (!running) return;
  DWORD process = 0;
  GetWindowThreadProcessId(running, &process);
  AllowSetForegroundWindow(process);
  PostMessageW(running, RegisterWindowMessageW(velamo::kBringUpMessage), 0, 0);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // One Velamo per desktop session: two would hide each other and the windows each holds.
  const toolkit::UniqueHandle instance(CreateMutexW(nullptr, FALSE, L"Local\\Velamo"));
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    BringUpRunningVelamo();
    return 0;
  }
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  toolkit::Application app(IDI_APP);
  velamo::Win32Os os;
  velamo::Module1 module(os);
  velamo::Form1 form1(app, module);
  velamo::MinimizeButtonHook hook(form1.form().hwnd(), velamo::kHideWindowMessage);
  velamo::RestoreOnFatalError(module, hook);
  module.Main(form1);
  return app.Run();
}
