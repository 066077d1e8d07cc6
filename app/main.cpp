#include <windows.h>
#include <commctrl.h>

#include "app/runtime_error_exit.h"
#include "core/module1.h"
#include "main_window/form1.h"
#include "toolkit/application.h"
#include "win32/win32_os.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  toolkit::Application app;
  app.on_runtime_error = velamo::EndOnRuntimeError;
  velamo::Win32Os os;
  velamo::Module1 module(os);
  velamo::Form1 form1(app, module);
  module.Main(form1);
  return app.Run();
}
