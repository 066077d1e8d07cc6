#include "app/second_start.h"

#include <string>

#include "core/hand_over.h"
#include "core/program_ids.h"
#include "toolkit/message_box.h"
#include "win32/wide.h"

namespace velamo {
namespace {

void Tell(const wchar_t* message) {
  toolkit::MsgBox(nullptr, message, MB_OK | MB_ICONEXCLAMATION, L"Velamo");
}

// It may show a message of its own, and then takes the foreground.
void LetItComeForward(HWND running) {
  DWORD process = 0;
  GetWindowThreadProcessId(running, &process);
  AllowSetForegroundWindow(process);
}

}  // namespace

HWND FindRunningVelamo() {
  for (int tries = 0; tries < 100; ++tries) {
    if (HWND window = FindWindowW(Wide(kFormClass), Wide(kMainWindowCaption))) return window;
    Sleep(50);
  }
  return nullptr;
}

void BringUpRunningVelamo(HWND running) {
  LetItComeForward(running);
  const UINT bring_up = RegisterWindowMessageW(Wide(kBringUpMessageName));
  if (bring_up == 0 || !PostMessageW(running, bring_up, 0, 0)) {
    Tell(L"実行中の Velamo を表示できませんでした。");
  }
}

void HandOverToRunningVelamo(HWND running, std::u16string_view arguments,
                             std::wstring_view directory) {
  const std::u16string payload =
      EncodeHandOver({std::u16string(Utf16(directory)), std::u16string(arguments)});
  COPYDATASTRUCT data{kHandOverId, static_cast<DWORD>(payload.size() * sizeof(char16_t)),
                      const_cast<char16_t*>(payload.data())};
  LetItComeForward(running);
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                           SMTO_ABORTIFHUNG, 10000, &answer)) {
    Tell(L"実行中の Velamo にオプションを渡せませんでした。");
  } else if (answer == FALSE) {
    Tell(
        L"実行中の Velamo がオプションを受け付けませんでした。\n"
        L"ほかのオプションを処理しているところです。しばらくしてから、もう一度お試しください。");
  }
}

}  // namespace velamo
