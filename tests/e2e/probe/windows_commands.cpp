// Top-level windows, one window, child windows, and the window under a point.
#include <windows.h>

#include <cwchar>
#include <map>

#include "commands.h"
#include "window_query.h"

namespace e2e {
namespace {

struct TopLevelScan {
  JsonWriter* json;
  std::map<DWORD, std::wstring> exe_names;
  int z_order = 0;
};

BOOL CALLBACK WriteTopLevel(HWND hwnd, LPARAM context) {
  auto* scan = reinterpret_cast<TopLevelScan*>(context);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  scan->json->BeginObject();
  WriteWindowFields(*scan->json, hwnd);
  scan->json->Field("exe", scan->exe_names[pid]);
  scan->json->Field("z", scan->z_order++);
  scan->json->EndObject();
  return TRUE;
}

void WriteChildTree(JsonWriter& json, HWND root, HWND parent, int depth) {
  int index = 0;
  for (HWND child = GetWindow(parent, GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT), ++index) {
    json.BeginObject();
    WriteWindowFields(json, child);
    json.Field("id", static_cast<std::int64_t>(GetDlgCtrlID(child)));
    json.Field("depth", depth).Field("index", index);
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, root, reinterpret_cast<POINT*>(&rect), 2);
    WriteRect(json, "client_rect", rect);
    if (QueryClass(child) == L"Button") {
      DWORD_PTR state = 0;
      SendMessageTimeoutW(child, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &state);
      json.Field("check", static_cast<std::int64_t>(state));
    }
    json.EndObject();
    WriteChildTree(json, root, child, depth + 1);
  }
}

HWND WindowArgument(const Args& args) {
  return args.empty() ? nullptr : ParseHwnd(args[0].c_str());
}

}  // namespace

int ListTopLevel(const Args&, JsonWriter& json) {
  TopLevelScan scan{&json, ProcessNames()};
  json.BeginObject().Field("foreground", HandleValue(GetForegroundWindow()));
  json.Key("windows").BeginArray();
  EnumWindows(WriteTopLevel, reinterpret_cast<LPARAM>(&scan));
  json.EndArray().EndObject();
  return 0;
}

int DescribeWindow(const Args& args, JsonWriter& json) {
  HWND hwnd = WindowArgument(args);
  if (!IsWindow(hwnd)) return Fail(json, "no such window");
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  json.BeginObject();
  WriteWindowFields(json, hwnd);
  json.Field("exe", ProcessNames()[pid]);
  json.Field("root", HandleValue(GetAncestor(hwnd, GA_ROOT)));
  json.EndObject();
  return 0;
}

int ListChildren(const Args& args, JsonWriter& json) {
  HWND hwnd = WindowArgument(args);
  if (!IsWindow(hwnd)) return Fail(json, "no such window");
  HWND root = GetAncestor(hwnd, GA_ROOT);
  json.BeginObject().Field("hwnd", HandleValue(hwnd)).Field("root", HandleValue(root));
  json.Key("children").BeginArray();
  WriteChildTree(json, root, hwnd, 0);
  json.EndArray().EndObject();
  return 0;
}

int WindowAtPoint(const Args& args, JsonWriter& json) {
  if (args.size() < 2) return Fail(json, "usage: point X Y");
  POINT point = {std::wcstol(args[0].c_str(), nullptr, 10),
                 std::wcstol(args[1].c_str(), nullptr, 10)};
  HWND hwnd = WindowFromPoint(point);
  json.BeginObject().Field("x", point.x).Field("y", point.y);
  if (!hwnd) {
    json.Key("window").Null();
  } else {
    json.Key("window").BeginObject();
    WriteWindowFields(json, hwnd);
    json.Field("root", HandleValue(GetAncestor(hwnd, GA_ROOT)));
    json.EndObject();
  }
  json.EndObject();
  return 0;
}

}  // namespace e2e
