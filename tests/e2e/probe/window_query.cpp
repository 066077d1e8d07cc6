#include "window_query.h"

#include <tlhelp32.h>

#include <cwchar>
#include <vector>

namespace e2e {
namespace {

constexpr UINT kAnswerTimeoutMs = 2000;

}  // namespace

std::optional<std::wstring> QueryText(HWND hwnd) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                           kAnswerTimeoutMs, &length)) {
    return std::nullopt;
  }
  std::vector<wchar_t> buffer(length + 64);
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                           SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerTimeoutMs, &copied)) {
    return std::nullopt;
  }
  if (copied >= buffer.size()) copied = buffer.size() - 1;
  return std::wstring(buffer.data(), copied);
}

LRESULT Ask(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(hwnd, message, wparam, lparam, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                           kAnswerTimeoutMs, &result)) {
    return -1;
  }
  return static_cast<LRESULT>(result);
}

std::wstring QueryClass(HWND hwnd) {
  wchar_t name[256] = {};
  int length = GetClassNameW(hwnd, name, 256);
  return std::wstring(name, length > 0 ? length : 0);
}

std::map<DWORD, std::wstring> ProcessNames() {
  std::map<DWORD, std::wstring> names;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return names;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    names[entry.th32ProcessID] = entry.szExeFile;
  }
  CloseHandle(snapshot);
  return names;
}

HWND ParseHwnd(const wchar_t* text) {
  return reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::wcstoul(text, nullptr, 0)));
}

unsigned HandleValue(const void* handle) {
  return static_cast<unsigned>(reinterpret_cast<UINT_PTR>(handle));
}

void WriteRect(JsonWriter& json, const char* name, const RECT& rect) {
  json.Key(name).BeginObject();
  json.Field("left", rect.left).Field("top", rect.top);
  json.Field("right", rect.right).Field("bottom", rect.bottom);
  json.EndObject();
}

void WriteWindowFields(JsonWriter& json, HWND hwnd) {
  DWORD pid = 0;
  DWORD tid = GetWindowThreadProcessId(hwnd, &pid);
  json.Field("hwnd", HandleValue(hwnd)).Field("pid", pid).Field("tid", tid);
  json.Field("class", QueryClass(hwnd));
  if (auto text = QueryText(hwnd)) {
    json.Field("text", *text);
  } else {
    json.Key("text").Null();
  }
  json.Field("visible", IsWindowVisible(hwnd) != FALSE);
  json.Field("enabled", IsWindowEnabled(hwnd) != FALSE);
  json.Field("iconic", IsIconic(hwnd) != FALSE);
  json.Field("zoomed", IsZoomed(hwnd) != FALSE);
  RECT rect = {};
  GetWindowRect(hwnd, &rect);
  WriteRect(json, "rect", rect);
  RECT client = {};
  GetClientRect(hwnd, &client);
  POINT origin = {0, 0};
  ClientToScreen(hwnd, &origin);
  json.Key("client").BeginObject();
  json.Field("x", origin.x).Field("y", origin.y);
  json.Field("width", client.right).Field("height", client.bottom);
  json.EndObject();
  json.Field("style", static_cast<std::int64_t>(GetWindowLongW(hwnd, GWL_STYLE) & 0xFFFFFFFFu));
  json.Field("exstyle", static_cast<std::int64_t>(GetWindowLongW(hwnd, GWL_EXSTYLE) & 0xFFFFFFFFu));
  json.Field("owner", HandleValue(GetWindow(hwnd, GW_OWNER)));
  json.Field("parent", HandleValue(GetAncestor(hwnd, GA_PARENT)));
}

}  // namespace e2e
