// The reference Velamo is measured against: the least a Win32 program does to show one window.
// With "tray" on its command line it also puts one icon in the notification area.
#include <windows.h>
#include <shellapi.h>
#include <wchar.h>

static NOTIFYICONDATAW tray;

static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    if (tray.cbSize) Shell_NotifyIconW(NIM_DELETE, &tray);
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR command_line, int show) {
  (void)previous;
  WNDCLASSW window_class = {.lpfnWndProc = WindowProc,
                            .hInstance = instance,
                            .hCursor = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW),
                            .hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1),
                            .lpszClassName = L"Bare"};
  RegisterClassW(&window_class);
  HWND window = CreateWindowExW(0, L"Bare", L"Bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 400, 300, NULL, NULL, instance, NULL);
  if (wcsstr(command_line, L"tray")) {
    tray = (NOTIFYICONDATAW){.cbSize = sizeof(tray),
                             .hWnd = window,
                             .uFlags = NIF_ICON | NIF_TIP,
                             .hIcon = LoadIconW(NULL, (LPCWSTR)IDI_APPLICATION)};
    wcscpy(tray.szTip, L"Bare");
    Shell_NotifyIconW(NIM_ADD, &tray);
  }
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, NULL, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
