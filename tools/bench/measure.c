// Starts each given command line in turn, RUNS times, and prints one line per start:
//   INDEX MILLISECONDS WORKING_SET_KB
// MILLISECONDS runs from just before CreateProcess to the first visible top-level window of the
// new process; the working set is taken once that process has settled. Each process is then
// closed. (Wine reports no private bytes of another process.) Usage: measure.exe RUNS
// COMMAND_LINE...
#include <windows.h>
#include <psapi.h>
#include <stdio.h>
#include <wchar.h>

typedef struct {
  DWORD process_id;
  HWND window;
} Search;

static BOOL CALLBACK FindVisible(HWND window, LPARAM lparam) {
  Search* search = (Search*)lparam;
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  if (process_id != search->process_id || !IsWindowVisible(window)) return TRUE;
  search->window = window;
  return FALSE;
}

static int MeasureOnce(int index, const wchar_t* command_line) {
  wchar_t buffer[32768];
  wcsncpy(buffer, command_line, 32767);
  buffer[32767] = 0;
  STARTUPINFOW startup = {.cb = sizeof(startup)};
  PROCESS_INFORMATION process;
  LARGE_INTEGER frequency, start, shown;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(NULL, buffer, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
    fprintf(stderr, "measure: cannot start %ls (error %lu)\n", command_line, GetLastError());
    return 0;
  }
  Search search = {process.dwProcessId, NULL};
  int ok = 1;
  // Polls every millisecond for up to 30 s; waiting on the process also notices an early exit.
  for (int tries = 0; ok && !search.window; ++tries) {
    EnumWindows(FindVisible, (LPARAM)&search);
    if (!search.window && (tries > 30000 || WaitForSingleObject(process.hProcess, 1) == 0)) ok = 0;
  }
  QueryPerformanceCounter(&shown);
  PROCESS_MEMORY_COUNTERS memory = {.cb = sizeof(memory)};
  if (ok) {
    WaitForInputIdle(process.hProcess, 5000);
    Sleep(500);
    ok = GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory));
  }
  if (ok) {
    printf("%d %.3f %lu\n", index,
           (double)(shown.QuadPart - start.QuadPart) * 1000.0 / (double)frequency.QuadPart,
           (unsigned long)(memory.WorkingSetSize / 1024));
    fflush(stdout);
    PostMessageW(search.window, WM_CLOSE, 0, 0);
  } else {
    fprintf(stderr, "measure: %ls showed no window\n", command_line);
  }
  if (WaitForSingleObject(process.hProcess, 5000) != 0) TerminateProcess(process.hProcess, 1);
  WaitForSingleObject(process.hProcess, 5000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ok;
}

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: measure.exe RUNS COMMAND_LINE...\n");
    return 2;
  }
  const int runs = _wtoi(argv[1]);
  for (int run = 0; run < runs; ++run) {
    for (int index = 2; index < argc; ++index) {
      if (!MeasureOnce(index - 2, argv[index])) return 1;
    }
  }
  return 0;
}
