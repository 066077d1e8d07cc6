// Reads facts about any window, including other processes' windows.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>

#include "json_writer.h"

namespace e2e {

// WM_GETTEXT sent explicitly: GetWindowTextW does not ask other processes' controls.
// Empty when the window did not answer in time.
std::optional<std::wstring> QueryText(HWND hwnd);
std::wstring QueryClass(HWND hwnd);
// The answer to a message sent to another process's window, or -1 when it did not answer.
LRESULT Ask(HWND hwnd, UINT message, WPARAM wparam = 0, LPARAM lparam = 0);
// Executable file names of all running processes, by process id.
std::map<DWORD, std::wstring> ProcessNames();

// Parses "123", "0x7b" or "7b"-style handles as printed by the tools.
HWND ParseHwnd(const wchar_t* text);
unsigned HandleValue(const void* handle);

void WriteRect(JsonWriter& json, const char* name, const RECT& rect);
// The facts every window listing shares: handle, class, text, state, geometry, styles.
void WriteWindowFields(JsonWriter& json, HWND hwnd);

}  // namespace e2e
