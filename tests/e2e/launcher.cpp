// Stands for a program started through a launcher: a splash screen without a caption for a
// second, then the program proper as a second process, "E2E Main", and the launcher ends.
#include <windows.h>

#include <string>

namespace {

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
  const bool proper = std::wstring(arguments) == L"proper";
  const WNDCLASSW window_class{.lpfnWndProc = MainProc,
                               .hInstance = instance,
                               .hbrBackground = GetSysColorBrush(COLOR_WINDOW),
                               .lpszClassName = L"E2ELaunched"};
  RegisterClassW(&window_class);
  CreateWindowExW(0, L"E2ELaunched", proper ? L"E2E Main" : L"E2E Splash",
                  proper ? WS_OVERLAPPEDWINDOW | WS_VISIBLE : WS_POPUP | WS_BORDER | WS_VISIBLE,
                  560, 200, 300, 150, nullptr, nullptr, instance, nullptr);
  if (!proper) SetTimer(nullptr, 0, 1000, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0 && message.message != WM_TIMER) {
    DispatchMessageW(&message);
  }
  if (!proper) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(self) + L"\" proper";
    STARTUPINFOW startup{.cb = sizeof(startup)};
    PROCESS_INFORMATION started;
    if (CreateProcessW(self, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &started)) {
      CloseHandle(started.hThread);
      CloseHandle(started.hProcess);
    }
  }
  return 0;
}
