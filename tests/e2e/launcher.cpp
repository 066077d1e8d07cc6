// Stands for a program started through a launcher: a splash screen without a caption for a
// second, then the program proper as a second process, "E2E Main", and the launcher ends. With
// "relay N" it starts "relay N-1" and ends at once; "relay 0" is the program proper.
#include <windows.h>
#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
  const std::wstring given(arguments);
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  if (given.starts_with(L"relay ") && given != L"relay 0") {
    const std::wstring next = L"relay " + std::to_wstring(std::stoi(given.substr(6)) - 1);
    ShellExecuteW(nullptr, nullptr, self, next.c_str(), nullptr, SW_SHOWNORMAL);
    return 0;
  }
  const bool proper = given == L"proper" || given == L"relay 0";
  const WNDCLASSW window_class{
      .lpfnWndProc = DefWindowProcW, .hInstance = instance, .lpszClassName = L"E2ELaunched"};
  RegisterClassW(&window_class);
  CreateWindowExW(0, L"E2ELaunched", proper ? L"E2E Main" : L"E2E Splash",
                  proper ? WS_OVERLAPPEDWINDOW | WS_VISIBLE : WS_POPUP | WS_BORDER | WS_VISIBLE,
                  560, 200, 300, 150, nullptr, nullptr, instance, nullptr);
  // The program proper runs until the test ends it.
  SetTimer(nullptr, 0, proper ? INFINITE : 1000, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0 && message.message != WM_TIMER) {
    DispatchMessageW(&message);
  }
  ShellExecuteW(nullptr, nullptr, self, L"proper", nullptr, SW_SHOWNORMAL);
  return 0;
}
