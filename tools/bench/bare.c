// The references Velamo is measured against: the least a Win32 program does to show one window.
// Words on its command line add what Velamo has: "tray" one icon in the notification area,
// "button" one push button (styled.exe, this program with Velamo's manifest, draws it with Common
// Controls 6), "hook" an empty low-level mouse hook held by a thread of its own; "clicks" makes it
// the window clicked under load, titled "Clicks", which writes when each left press reaches it.
#define _WIN32_WINNT 0x0602  // GetSystemTimePreciseAsFileTime
#include <windows.h>
#include <shellapi.h>
#include <wchar.h>

static NOTIFYICONDATAW tray;
static BOOL clicks;

// Now, in 100 ns since 1601 as the system time counts (Wine's is Linux's), on a line of standard
// output.
static void WriteTime(void) {
  FILETIME now;
  GetSystemTimePreciseAsFileTime(&now);
  unsigned long long time = (unsigned long long)now.dwHighDateTime << 32 | now.dwLowDateTime;
  char line[24];
  int start = sizeof line;
  line[--start] = '\n';
  do line[--start] = (char)('0' + time % 10);
  while (time /= 10);
  DWORD written;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line + start, sizeof line - start, &written, NULL);
}

static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_LBUTTONDOWN && clicks) WriteTime();
  if (message == WM_DESTROY) {
    if (tray.cbSize) Shell_NotifyIconW(NIM_DELETE, &tray);
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

static LRESULT CALLBACK PassOn(int code, WPARAM wparam, LPARAM lparam) {
  return CallNextHookEx(NULL, code, wparam, lparam);
}

// A low-level hook is called in the message loop of the thread that set it. Without the hook the
// process ends, so the script sees no window.
static DWORD WINAPI HookThread(void* hooked) {
  if (!SetWindowsHookExW(WH_MOUSE_LL, PassOn, GetModuleHandleW(NULL), 0)) ExitProcess(1);
  SetEvent(hooked);
  MSG message;
  while (GetMessageW(&message, NULL, 0, 0) > 0) continue;
  return 0;
}

// "crowd N": N small windows instead, the other program's windows that Velamo looks at or hides,
// titled "Crowd 1" to "Crowd N", in rows from the top left that stay clear of the foot of the
// desktop (room for 100).
static int Crowd(HINSTANCE instance, int count) {
  for (int i = 0; i < count; ++i) {
    wchar_t title[32];
    wsprintfW(title, L"Crowd %d", i + 1);
    CreateWindowExW(0, L"Bare", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, i % 10 * 100,
                    i / 10 % 10 * 64, 100, 60, NULL, NULL, instance, NULL);
  }
  MSG message;
  while (GetMessageW(&message, NULL, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR command_line, int show) {
  (void)previous;
  if (wcsstr(command_line, L"hook")) {
    HANDLE hooked = CreateEventW(NULL, TRUE, FALSE, NULL);
    CloseHandle(CreateThread(NULL, 0, HookThread, hooked, 0, NULL));
    WaitForSingleObject(hooked, INFINITE);
  }
  WNDCLASSW window_class = {.lpfnWndProc = WindowProc,
                            .hInstance = instance,
                            .hCursor = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW),
                            .hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1),
                            .lpszClassName = L"Bare"};
  RegisterClassW(&window_class);
  const wchar_t* crowd = wcsstr(command_line, L"crowd ");
  if (crowd) return Crowd(instance, _wtoi(crowd + 6));
  // The clicked window stands right of where the others open.
  clicks = wcsstr(command_line, L"clicks") != NULL;
  HWND window = CreateWindowExW(0, L"Bare", clicks ? L"Clicks" : L"Bare", WS_OVERLAPPEDWINDOW,
                                clicks ? 560 : CW_USEDEFAULT, clicks ? 200 : CW_USEDEFAULT, 400,
                                300, NULL, NULL, instance, NULL);
  if (wcsstr(command_line, L"button")) {
    CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 16, 16, 88, 26,
                    window, NULL, instance, NULL);
  }
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
