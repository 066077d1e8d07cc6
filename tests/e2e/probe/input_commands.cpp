// Where keyboard focus, activation, capture and the mouse cursor are.
#include <windows.h>

#include "commands.h"
#include "window_query.h"

namespace e2e {
namespace {

void WriteWindowRef(JsonWriter& json, const char* name, HWND hwnd) {
  json.Key(name);
  if (!hwnd) {
    json.Null();
    return;
  }
  json.BeginObject().Field("hwnd", HandleValue(hwnd)).Field("class", QueryClass(hwnd));
  if (auto text = QueryText(hwnd)) json.Field("text", *text);
  json.Field("root", HandleValue(GetAncestor(hwnd, GA_ROOT)));
  json.EndObject();
}

struct NamedCursor {
  const char* name;
  LPCWSTR id;
};

const NamedCursor kSystemCursors[] = {
    {"arrow", IDC_ARROW},
    {"ibeam", IDC_IBEAM},
    {"wait", IDC_WAIT},
    {"cross", IDC_CROSS},
    {"uparrow", IDC_UPARROW},
    {"sizenwse", IDC_SIZENWSE},
    {"sizenesw", IDC_SIZENESW},
    {"sizewe", IDC_SIZEWE},
    {"sizens", IDC_SIZENS},
    {"sizeall", IDC_SIZEALL},
    {"no", IDC_NO},
    {"hand", IDC_HAND},
    {"appstarting", IDC_APPSTARTING},
    {"help", IDC_HELP},
};

}  // namespace

int DescribeFocus(const Args&, JsonWriter& json) {
  HWND foreground = GetForegroundWindow();
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  DWORD thread = foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
  bool known = GetGUIThreadInfo(thread, &info) != FALSE;
  json.BeginObject();
  WriteWindowRef(json, "foreground", foreground);
  json.Field("thread_info", known);
  WriteWindowRef(json, "active", info.hwndActive);
  WriteWindowRef(json, "focus", info.hwndFocus);
  WriteWindowRef(json, "capture", info.hwndCapture);
  WriteWindowRef(json, "menu_owner", info.hwndMenuOwner);
  WriteWindowRef(json, "move_size", info.hwndMoveSize);
  WriteWindowRef(json, "caret", info.hwndCaret);
  json.Field("flags", static_cast<std::int64_t>(info.flags));
  json.EndObject();
  return 0;
}

// Wine lets another process see the cursor handle and position; GetIconInfo on that handle
// may fail, since the cursor's bits live in the owner's process.
int DescribeCursor(const Args&, JsonWriter& json) {
  CURSORINFO info = {};
  info.cbSize = sizeof info;
  bool known = GetCursorInfo(&info) != FALSE;
  POINT position = {};
  GetCursorPos(&position);
  json.BeginObject().Field("cursor_info", known);
  json.Field("x", position.x).Field("y", position.y);
  json.Field("handle", HandleValue(info.hCursor));
  json.Field("showing", (info.flags & CURSOR_SHOWING) != 0);
  const char* name = nullptr;
  for (const auto& cursor : kSystemCursors) {
    if (LoadCursorW(nullptr, cursor.id) == info.hCursor) name = cursor.name;
  }
  if (name) {
    json.Field("system_name", name);
  } else {
    json.Key("system_name").Null();
  }
  ICONINFO icon = {};
  if (info.hCursor && GetIconInfo(info.hCursor, &icon)) {
    BITMAP mask = {};
    GetObjectW(icon.hbmMask, sizeof mask, &mask);
    json.Field("hotspot_x", icon.xHotspot).Field("hotspot_y", icon.yHotspot);
    json.Field("width", mask.bmWidth);
    json.Field("height", icon.hbmColor ? mask.bmHeight : mask.bmHeight / 2);
    if (icon.hbmMask) DeleteObject(icon.hbmMask);
    if (icon.hbmColor) DeleteObject(icon.hbmColor);
  }
  json.EndObject();
  return 0;
}

}  // namespace e2e
