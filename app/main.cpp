#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/program.h"
#include "app/second_start.h"
#include "core/command_line.h"
#include "core/program_ids.h"
#include "toolkit/message_box.h"
#include "win32/handles.h"
#include "win32/wide.h"

namespace {

std::wstring CurrentDirectory() {
  std::wstring directory(GetCurrentDirectoryW(0, nullptr), L'\0');
  directory.resize(GetCurrentDirectoryW(directory.size(), directory.data()));
  return directory;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
  using velamo::Wide;
  // Checked before anything happens: a bad option changes nothing, here or in a running Velamo.
  const std::u16string line(velamo::Utf16(arguments));
  const velamo::ParsedCommandLine parsed = velamo::ParseCommandLine(line);
  if (parsed.error || parsed.options.usage) {
    toolkit::MsgBox(nullptr,
                    Wide(parsed.error ? velamo::ErrorText(*parsed.error) : velamo::UsageText()),
                    parsed.error ? MB_ICONEXCLAMATION : MB_ICONINFORMATION, L"Velamo");
    return parsed.error ? 1 : 0;
  }

  // One Velamo per desktop session: two would hide each other and the windows each holds. Without
  // the name nothing tells of another Velamo, and this one runs.
  const win32::UniqueHandle instance(CreateMutexW(nullptr, FALSE, Wide(velamo::kInstanceName)));
  if (instance && GetLastError() == ERROR_ALREADY_EXISTS) {
    if (const HWND running = velamo::FindRunningVelamo()) {
      if (parsed.options.empty()) {
        velamo::BringUpRunningVelamo(running);
      } else {
        velamo::HandOverToRunningVelamo(running, line, CurrentDirectory());
      }
      return 0;
    }
    // The holder of the name shows no window: it died, and Wine can keep a dead process's
    // objects a while. This start takes over, and takes up the windows that one held.
  }
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  velamo::Program program(parsed.options, CurrentDirectory());
  return program.Run();
}
