#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/command_line_options.h"
#include "app/runtime_error_exit.h"
#include "app/second_start.h"
#include "core/command_line.h"
#include "core/module1.h"
#include "core/window_watch.h"
#include "main_window/form1.h"
#include "resource_ids.h"
#include "toolkit/application.h"
#include "toolkit/handles.h"
#include "toolkit/message_box.h"
#include "win32/caption_button_hook.h"
#include "win32/win32_os.h"

namespace {

std::wstring Wide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

std::wstring CurrentDirectory() {
  std::wstring directory(GetCurrentDirectoryW(0, nullptr), L'\0');
  directory.resize(GetCurrentDirectoryW(directory.size(), directory.data()));
  return directory;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
  // Checked before anything happens: a bad option changes nothing, here or in a running Velamo.
  const std::wstring_view given(arguments);
  const std::u16string line(given.begin(), given.end());
  const velamo::ParsedCommandLine parsed = velamo::ParseCommandLine(line);
  if (parsed.error || parsed.options.usage) {
    toolkit::MsgBox(nullptr,
                    Wide(parsed.error ? velamo::ErrorText(*parsed.error) : velamo::UsageText()),
                    parsed.error ? MB_ICONEXCLAMATION : MB_ICONINFORMATION, L"Velamo");
    return parsed.error ? 1 : 0;
  }

  // One Velamo per desktop session: two would hide each other and the windows each holds.
  const toolkit::UniqueHandle instance(CreateMutexW(nullptr, FALSE, L"Local\\Velamo"));
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    if (parsed.options.empty()) {
      velamo::BringUpRunningVelamo();
    } else {
      velamo::HandOverToRunningVelamo(line, CurrentDirectory());
    }
    return 0;
  }
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  toolkit::Application app(IDI_APP);
  velamo::Win32Os os;
  velamo::Module1 module(os);
  velamo::Form1 form1(app, module, os);
  velamo::CaptionButtonHook hook(form1.form().hwnd(), velamo::kHideWindowMessage, os,
                                 !parsed.options.no_button);
  velamo::RestoreOnFatalError(module, &hook);
  module.Main(form1);
  velamo::WindowWatch watch(os, module);
  velamo::CommandLineOptions options(form1, watch, hook);
  options.Apply(parsed.options, CurrentDirectory());
  return app.Run();
}
