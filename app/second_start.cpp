#include "app/second_start.h"

#include <windows.h>

#include <string>

#include "core/hand_over.h"
#include "main_window/form1.h"
#include "toolkit/message_box.h"

namespace velamo {
namespace {

// The running Velamo's main window, waited for a moment in case it is starting too.
HWND RunningVelamo() {
  for (int tries = 0; tries < 100; ++tries) {
    if (HWND window = FindWindowW(L"VelamoForm", L"Velamo")) {
      DWORD process = 0;
      GetWindowThreadProcessId(window, &process);
      // It may show a message of its own, and then takes the foreground.
      AllowSetForegroundWindow(process);
      return window;
    }
    Sleep(50);
  }
  return nullptr;
}

}  // namespace

void BringUpRunningVelamo() {
  if (HWND running = RunningVelamo()) {
    PostMessageW(running, RegisterWindowMessageW(kBringUpMessage), 0, 0);
  }
}

void HandOverToRunningVelamo(std::u16string_view arguments, std::wstring_view directory) {
  const std::u16string payload = EncodeHandOver(
      {std::u16string(directory.begin(), directory.end()), std::u16string(arguments)});
  COPYDATASTRUCT data{kHandOverId, static_cast<DWORD>(payload.size() * sizeof(char16_t)),
                      const_cast<char16_t*>(payload.data())};
  DWORD_PTR answer = 0;
  HWND running = RunningVelamo();
  if (!running || !SendMessageTimeoutW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                       SMTO_ABORTIFHUNG, 10000, &answer)) {
    toolkit::MsgBox(nullptr, L"実行中の Velamo にオプションを渡せませんでした。",
                    MB_OK | MB_ICONEXCLAMATION, L"Velamo");
  }
}

}  // namespace velamo
