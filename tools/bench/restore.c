// Times Velamo bringing back one hidden window, from inside Wine, where the clock and the windows'
// state are read without the shell's delays. Usage: restore.exe PID RUNS
// Velamo runs with its main window shown and no rule, so that only its look at the hidden windows
// wakes it between restores; PID is its Linux process id: /proc/PID/schedstat, read through drive Z:, gives the CPU time of
// its main thread, which does its work, in nanoseconds. The windows are those of
// "bare.exe crowd N", hidden as a user has Velamo hide them: minimized, then "今チェック".
// It hides one of them and restores it RUNS times ("only"), then hides the rest and restores in
// turn, RUNS times each, the window hidden last ("last", by the restore key) and the one hidden
// first ("first", by its line in the list and "元に戻す"), each hidden again after; with RUNS 0 it
// leaves them all hidden. It prints a line a restore:
//   CASE VISIBLE_MS DONE_MS CPU_MS
// the time from the input until the window is visible again and until the end of Velamo's last
// CPU time before a rest of QUIET_MS, and the CPU time Velamo took meanwhile. After the restore
// key, that includes Velamo's look, 30 ms on, at whether the key is still held.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

// Velamo has finished once its main thread has run for none of this time, far longer than it
// waits for explorer in one call.
#define QUIET_MS 500.0
#define PATIENCE_MS 30000.0

static HANDLE schedstat;
static HWND list, check_button, restore_button;

static void Fail(const char* what) {
  fprintf(stderr, "restore: %s\n", what);
  exit(1);
}

static double Now(void) {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return (double)now.QuadPart * 1000.0 / (double)frequency.QuadPart;
}

// Read from the start each time, which the kernel writes anew, through the handle opened once:
// no call on the wineserver, which Velamo needs meanwhile.
static long long CpuNanoseconds(void) {
  char text[128];
  OVERLAPPED start = {0};
  DWORD length = 0;
  if (!ReadFile(schedstat, text, sizeof(text) - 1, &length, &start)) length = 0;
  text[length] = 0;
  if (!length) Fail("cannot read Velamo's CPU time");
  return _atoi64(text);
}

static void WaitQuiet(void) {
  const double start = Now();
  long long used = CpuNanoseconds();
  for (double busy = start; Now() - busy < QUIET_MS; Sleep(1)) {
    const long long now = CpuNanoseconds();
    if (now != used) used = now, busy = Now();
    if (Now() - start > PATIENCE_MS) Fail("Velamo does not come to rest");
  }
}

// While any window is hidden, Velamo looks at them once a second. The input follows the end of a
// look (20 ms of none), so that the next look comes after the restore has come to rest.
static void WaitLook(void) {
  const double start = Now();
  long long used = CpuNanoseconds();
  while (CpuNanoseconds() == used) {
    if (Now() - start > 3000.0) Fail("Velamo does not look at its hidden windows");
    Sleep(1);
  }
  for (double busy = Now(); Now() - busy < 20.0; Sleep(1)) {
    const long long now = CpuNanoseconds();
    if (now != used) used = now, busy = Now();
  }
}

static int ListCount(void) { return (int)SendMessageW(list, LB_GETCOUNT, 0, 0); }

// Minimizes the windows and has Velamo hide every minimized window, until its list has `count`
// lines and the crowd has hidden them all: it takes the hide requests in turn, well after Velamo.
static void Hide(HWND* windows, int n, int count) {
  for (int i = 0; i < n; ++i) ShowWindow(windows[i], SW_MINIMIZE);
  PostMessageW(check_button, BM_CLICK, 0, 0);
  const double start = Now();
  for (int i = 0; i < n; Sleep(1)) {
    while (i < n && ListCount() == count && !IsWindowVisible(windows[i])) ++i;
    if (Now() - start > PATIENCE_MS) Fail("Velamo does not hide the windows");
  }
  WaitQuiet();
}

// Ctrl+Alt+Shift+Up, Velamo's restore key, pressed and let go.
static void PressRestoreKey(void) {
  const WORD keys[] = {VK_CONTROL, VK_MENU, VK_SHIFT, VK_UP};
  INPUT input[8] = {0};
  for (int i = 0; i < 4; ++i) {
    input[i].type = input[7 - i].type = INPUT_KEYBOARD;
    input[i].ki.wVk = input[7 - i].ki.wVk = keys[i];
    input[7 - i].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  input[3].ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
  input[4].ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
  SendInput(8, input, sizeof(INPUT));
}

// Restores the window on line `line` of Velamo's list (the restore key when `by_key`, else
// "元に戻す" with that line selected), prints the times and hides the window again.
static void Measure(const char* name, int line, int by_key) {
  wchar_t title[256];
  if (SendMessageW(list, LB_GETTEXTLEN, line, 0) >= 256) Fail("a title too long");
  SendMessageW(list, LB_GETTEXT, line, (LPARAM)title);
  HWND window = FindWindowW(L"Bare", title);
  if (!window || IsWindowVisible(window)) Fail("the listed window is not hidden");
  if (!by_key) {
    SendMessageW(list, LB_SETSEL, FALSE, -1);
    SendMessageW(list, LB_SETSEL, TRUE, line);
  }
  WaitQuiet();
  WaitLook();
  const long long before = CpuNanoseconds();
  const double start = Now();
  if (by_key) {
    PressRestoreKey();
  } else {
    PostMessageW(restore_button, BM_CLICK, 0, 0);
  }
  double shown = 0, busy = start;
  long long used = before;
  for (double now = start; !shown || now - busy < QUIET_MS; Sleep(1), now = Now()) {
    if (!shown && IsWindowVisible(window)) shown = now;
    const long long cpu = CpuNanoseconds();
    if (cpu != used) used = cpu, busy = now;
    if (now - start > PATIENCE_MS) Fail("the window does not come back");
  }
  printf("%s %.1f %.1f %.1f\n", name, shown - start, busy - start, (double)(used - before) / 1e6);
  fflush(stdout);
  Hide(&window, 1, ListCount() + 1);
}

static BOOL CALLBACK FindButtons(HWND child, LPARAM lparam) {
  (void)lparam;
  wchar_t text[32];
  GetWindowTextW(child, text, 32);
  if (!wcscmp(text, L"今チェック")) check_button = child;
  if (!wcscmp(text, L"元に戻す")) restore_button = child;
  return TRUE;
}

static HWND crowd[100];
static int crowd_size;

static BOOL CALLBACK FindCrowd(HWND window, LPARAM lparam) {
  (void)lparam;
  wchar_t text[32];
  GetWindowTextW(window, text, 32);
  if (!wcsncmp(text, L"Crowd ", 6) && IsWindowVisible(window) && crowd_size < 100) {
    crowd[crowd_size++] = window;
  }
  return TRUE;
}

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: restore.exe PID RUNS\n");
    return 2;
  }
  wchar_t path[64];
  swprintf(path, 64, L"Z:\\proc\\%d\\schedstat", _wtoi(argv[1]));
  schedstat = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
  const int runs = _wtoi(argv[2]);
  HWND velamo = FindWindowW(L"VelamoForm", L"Velamo");
  list = FindWindowExW(velamo, NULL, L"ListBox", NULL);
  EnumChildWindows(velamo, FindButtons, 0);
  EnumWindows(FindCrowd, 0);
  if (!list || !check_button || !restore_button) Fail("Velamo's main window is not there");
  if (crowd_size < 2 || ListCount() != 0) Fail("no crowd to hide, or windows hidden already");
  Hide(crowd, 1, 1);
  for (int run = 0; run < runs; ++run) Measure("only", 0, 1);
  Hide(crowd + 1, crowd_size - 1, crowd_size);
  for (int run = 0; run < runs; ++run) {
    Measure("last", crowd_size - 1, 1);
    Measure("first", 0, 0);
  }
  return 0;
}
