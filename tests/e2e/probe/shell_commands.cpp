// The shell's taskbar (Wine explorer's "Shell_TrayWnd") and the screen's metrics.
// Wine 8's explorer paints notification-area icons onto the taskbar itself (no window per
// icon, and their tooltips' tool rectangles stay empty), so the harness finds icons on screen.
#include <windows.h>

#include <optional>

#include "commands.h"
#include "window_query.h"

namespace e2e {
namespace {

// Wine's taskbar buttons carry the window they stand for as their control id, and no text.
void WriteTaskbarChild(JsonWriter& json, HWND child) {
  json.BeginObject();
  json.Field("hwnd", HandleValue(child)).Field("class", QueryClass(child));
  json.Field("visible", IsWindowVisible(child) != FALSE);
  RECT rect = {};
  GetWindowRect(child, &rect);
  WriteRect(json, "rect", rect);
  auto target = reinterpret_cast<HWND>(GetWindowLongPtrW(child, GWLP_ID));
  json.Field("target", HandleValue(target));
  auto text = target && IsWindow(target) ? QueryText(target) : std::nullopt;
  if (text) {
    json.Field("text", *text);
  } else {
    json.Key("text").Null();
  }
  json.EndObject();
}

}  // namespace

int DescribeTaskbar(const Args&, JsonWriter& json) {
  HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
  if (!tray) return Fail(json, "no taskbar");
  json.BeginObject().Field("hwnd", HandleValue(tray));
  json.Field("visible", IsWindowVisible(tray) != FALSE);
  RECT rect = {};
  GetWindowRect(tray, &rect);
  WriteRect(json, "rect", rect);
  json.Key("children").BeginArray();
  for (HWND child = GetWindow(tray, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    WriteTaskbarChild(json, child);
  }
  json.EndArray().EndObject();
  return 0;
}

// The face GDI really uses when asked for one by name: shows whether a font is installed.
int DescribeFont(const Args& args, JsonWriter& json) {
  if (args.empty()) return Fail(json, "usage: font FACE");
  LOGFONTW wanted = {};
  wanted.lfHeight = -16;
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(wanted.lfFaceName, args[0].c_str(), LF_FACESIZE);
  HFONT font = CreateFontIndirectW(&wanted);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(font);
  json.BeginObject().Field("requested", args[0]).Field("face", face);
  json.Field("charset", static_cast<unsigned>(metrics.tmCharSet)).EndObject();
  return 0;
}

int DescribeMetrics(const Args&, JsonWriter& json) {
  RECT work = {};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  json.BeginObject();
  json.Field("screen_width", GetSystemMetrics(SM_CXSCREEN));
  json.Field("screen_height", GetSystemMetrics(SM_CYSCREEN));
  WriteRect(json, "work_area", work);
  json.Field("small_icon_width", GetSystemMetrics(SM_CXSMICON));
  json.Field("small_icon_height", GetSystemMetrics(SM_CYSMICON));
  json.Field("icon_width", GetSystemMetrics(SM_CXICON));
  json.Field("icon_height", GetSystemMetrics(SM_CYICON));
  json.Field("caption_height", GetSystemMetrics(SM_CYCAPTION));
  json.Field("frame_width", GetSystemMetrics(SM_CXSIZEFRAME));
  json.Field("fixed_frame_width", GetSystemMetrics(SM_CXFIXEDFRAME));
  json.Field("caption_button_width", GetSystemMetrics(SM_CXSIZE));
  json.Field("caption_button_height", GetSystemMetrics(SM_CYSIZE));
  json.Field("double_click_ms", static_cast<unsigned>(GetDoubleClickTime()));
  json.Field("drag_width", GetSystemMetrics(SM_CXDRAG));
  json.Field("drag_height", GetSystemMetrics(SM_CYDRAG));
  json.Field("ansi_code_page", static_cast<unsigned>(GetACP()));
  json.Field("user_language", static_cast<unsigned>(GetUserDefaultUILanguage()));
  json.EndObject();
  return 0;
}

}  // namespace e2e
