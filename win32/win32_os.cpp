#include "win32/win32_os.h"

#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <cstring>

#include "win32/handles.h"
#include "win32/handle_cast.h"

namespace velamo {
namespace {

BOOL CALLBACK EnumProc(HWND window, LPARAM data) {
  const auto& callback = *reinterpret_cast<const std::function<std::int32_t(Handle)>*>(data);
  return callback(ToHandle(window));
}

}  // namespace

std::u16string Win32Os::ApplicationPath() const {
  std::u16string path(MAX_PATH, u'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, reinterpret_cast<wchar_t*>(path.data()), path.size());
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  path.erase(path.find_last_of(u'\\') + 1);
  // Keep the backslash of a drive root ("C:\"), drop it elsewhere.
  if (path.size() > 3 && path.back() == u'\\') path.pop_back();
  return path;
}

std::string Win32Os::ToAnsi(std::u16string_view text) const {
  if (text.empty()) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int size = WideCharToMultiByte(CP_ACP, 0, wide, text.size(), nullptr, 0, nullptr, nullptr);
  std::string ansi(size, '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, text.size(), ansi.data(), size, nullptr, nullptr);
  return ansi;
}

std::u16string Win32Os::FromAnsi(std::string_view text) const {
  if (text.empty()) return {};
  const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), text.size(), nullptr, 0);
  std::u16string wide(size, u'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), text.size(), reinterpret_cast<wchar_t*>(wide.data()),
                      size);
  return wide;
}

void Win32Os::ExtractIconExA(const std::string& file, int index, Handle* large, Handle* small) {
  HICON large_icon = nullptr;
  HICON small_icon = nullptr;
  if (::ExtractIconExA(file.c_str(), index, large ? &large_icon : nullptr,
                       small ? &small_icon : nullptr, 1) == 0) {
    return;
  }
  if (large) *large = ToHandle(large_icon);
  if (small) *small = ToHandle(small_icon);
}

bool Win32Os::Shell_NotifyIconA(std::uint32_t message, const TrayBytes& data) {
  // The record's fields laid into the system's structure: on 32-bit Windows the same 88 bytes.
  // A full 64-byte tip has no NUL, so the zeroed tail behind it ends the shell's read.
  NOTIFYICONDATAA record{};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = FromHandle<HWND>(FieldOf(data, kHWndAt));
  record.uID = FieldOf(data, kUIDAt);
  record.uFlags = FieldOf(data, kUFlagsAt);
  record.uCallbackMessage = FieldOf(data, kUCallbackMessageAt);
  record.hIcon = FromHandle<HICON>(FieldOf(data, kHIconAt));
  std::memcpy(record.szTip, data.data() + kSzTipAt, kTipLength);
  return ::Shell_NotifyIconA(message, &record);
}

int Win32Os::GetWindowTextA(Handle window, char* buffer, int max_count) {
  return ::GetWindowTextA(FromHandle<HWND>(window), buffer, max_count);
}

Handle Win32Os::GetClassLongA(Handle window, int index) {
  return static_cast<Handle>(::GetClassLongPtrA(FromHandle<HWND>(window), index));
}

int Win32Os::ShowWindowAsync(Handle window, int command) {
  return ::ShowWindowAsync(FromHandle<HWND>(window), command);
}

int Win32Os::IsZoomed(Handle window) { return ::IsZoomed(FromHandle<HWND>(window)); }

std::string Win32Os::GetClassNameA(Handle window) {
  char name[256] = {};
  const int length = ::GetClassNameA(FromHandle<HWND>(window), name, sizeof name);
  return std::string(name, length > 0 ? length : 0);
}

Handle Win32Os::GetShellWindow() { return ToHandle(::GetShellWindow()); }

Handle Win32Os::GetDesktopWindow() { return ToHandle(::GetDesktopWindow()); }

int Win32Os::SetPropA(Handle window, const char* name, Handle value) {
  return ::SetPropA(FromHandle<HWND>(window), name, FromHandle<HANDLE>(value));
}

Handle Win32Os::GetPropA(Handle window, const char* name) {
  return ToHandle(::GetPropA(FromHandle<HWND>(window), name));
}

Handle Win32Os::RemovePropA(Handle window, const char* name) {
  return ToHandle(::RemovePropA(FromHandle<HWND>(window), name));
}

int Win32Os::IsDBCSLeadByte(unsigned char byte) { return ::IsDBCSLeadByte(byte); }

int Win32Os::IsWindowVisible(Handle window) { return ::IsWindowVisible(FromHandle<HWND>(window)); }

int Win32Os::IsIconic(Handle window) { return ::IsIconic(FromHandle<HWND>(window)); }

int Win32Os::IsHungAppWindow(Handle window) { return ::IsHungAppWindow(FromHandle<HWND>(window)); }

Handle Win32Os::GetParent(Handle window) { return ToHandle(::GetParent(FromHandle<HWND>(window))); }

std::uint32_t Win32Os::GetWindowLongA(Handle window, int index) {
  return ::GetWindowLongA(FromHandle<HWND>(window), index);
}

std::uint32_t Win32Os::GetWindowThreadProcessId(Handle window) {
  DWORD process = 0;
  ::GetWindowThreadProcessId(FromHandle<HWND>(window), &process);
  return process;
}

std::uint32_t Win32Os::GetCurrentProcessId() { return ::GetCurrentProcessId(); }

Handle Win32Os::GetWindow(Handle window, int command) {
  return ToHandle(::GetWindow(FromHandle<HWND>(window), command));
}

Handle Win32Os::GetForegroundWindow() { return ToHandle(::GetForegroundWindow()); }

int Win32Os::SendMessageTimeoutW(Handle window, std::uint32_t message, std::uintptr_t wparam,
                                 std::intptr_t lparam, std::uint32_t flags, std::uint32_t timeout,
                                 std::uintptr_t* result) {
  DWORD_PTR answer = 0;
  const LRESULT done = ::SendMessageTimeoutW(FromHandle<HWND>(window), message, wparam, lparam,
                                             flags, timeout, &answer);
  *result = answer;
  return done != 0;
}

std::u16string Win32Os::ProcessImageName(std::uint32_t process) {
  // Limited information: readable of most programs, elevated ones included.
  const win32::UniqueHandle opened(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process));
  std::u16string path(MAX_PATH, u'\0');
  for (DWORD size = path.size(); opened;) {
    if (QueryFullProcessImageNameW(opened.get(), 0, reinterpret_cast<wchar_t*>(path.data()),
                                   &size)) {
      path.resize(size);
      return path;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || path.size() >= 32768) break;
    path.resize(path.size() * 4);
    size = path.size();
  }
  return {};
}

std::vector<ProcessParent> Win32Os::ProcessParents() {
  std::vector<ProcessParent> parents;
  HANDLE taken = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (taken == INVALID_HANDLE_VALUE) return parents;
  const win32::UniqueHandle snapshot(taken);
  PROCESSENTRY32W entry{.dwSize = sizeof(entry)};
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
       more = Process32NextW(snapshot.get(), &entry)) {
    parents.push_back({entry.th32ProcessID, entry.th32ParentProcessID});
  }
  return parents;
}

int Win32Os::CompareStringOrdinal(std::u16string_view a, std::u16string_view b, bool ignore_case) {
  return ::CompareStringOrdinal(reinterpret_cast<const wchar_t*>(a.data()), a.size(),
                                reinterpret_cast<const wchar_t*>(b.data()), b.size(), ignore_case);
}

std::uint32_t Win32Os::GetTickCount() { return ::GetTickCount(); }

int Win32Os::EnumWindows(const std::function<std::int32_t(Handle window)>& callback) {
  // The same windows as EnumWindows, in one request to the Wine server; EnumWindows adds one per
  // window of another program, to check that it still exists, which the callback learns anyway.
  return ::EnumDesktopWindows(nullptr, EnumProc, reinterpret_cast<LPARAM>(&callback));
}

Handle Win32Os::LoadCursorA(Handle instance, int resource) {
  return ToHandle(::LoadCursorA(FromHandle<HINSTANCE>(instance), MAKEINTRESOURCEA(resource)));
}

Handle Win32Os::SetCursor(Handle cursor) {
  return ToHandle(::SetCursor(FromHandle<HCURSOR>(cursor)));
}

Handle Win32Os::ShellExecuteA(Handle owner, const char* verb, const char* file,
                              const char* parameters, const char* directory, int show) {
  return ToHandle(
      ::ShellExecuteA(FromHandle<HWND>(owner), verb, file, parameters, directory, show));
}

}  // namespace velamo
