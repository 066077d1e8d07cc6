// Items of another process's list box and list view controls.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "commands.h"
#include "remote_buffer.h"
#include "window_query.h"

namespace e2e {
namespace {

constexpr int kTextChars = 1024;

std::wstring ListViewText(HWND list, RemoteBuffer& remote, int item, int sub_item) {
  LVITEMW request = {};
  request.mask = LVIF_TEXT;
  request.iItem = item;
  request.iSubItem = sub_item;
  request.pszText = reinterpret_cast<LPWSTR>(remote.address() + sizeof(LVITEMW));
  request.cchTextMax = kTextChars;
  wchar_t empty = 0;
  remote.Write(sizeof(LVITEMW), &empty, sizeof empty);
  remote.Write(0, &request, sizeof request);
  LRESULT length = Ask(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(remote.address()));
  if (length <= 0) return {};
  std::vector<wchar_t> text(kTextChars, 0);
  remote.Read(sizeof(LVITEMW), text.data(), kTextChars * sizeof(wchar_t));
  text.back() = 0;
  return text.data();
}

// part: LVIR_BOUNDS (the whole row) or LVIR_LABEL (the first column's text: in report view
// without full-row select, only there does a click select the item).
bool ListViewItemRect(HWND list, RemoteBuffer& remote, int item, LONG part, RECT& rect) {
  RECT request = {part, 0, 0, 0};
  remote.Write(0, &request, sizeof request);
  if (Ask(list, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(remote.address())) <= 0) {
    return false;
  }
  return remote.Read(0, &rect, sizeof rect) != FALSE;
}

}  // namespace

int ReadListBox(const Args& args, JsonWriter& json) {
  HWND list = args.empty() ? nullptr : ParseHwnd(args[0].c_str());
  if (!IsWindow(list)) return Fail(json, "no such window");
  LONG style = GetWindowLongW(list, GWL_STYLE);
  bool has_strings =
      (style & LBS_HASSTRINGS) || !(style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE));
  LRESULT count = Ask(list, LB_GETCOUNT);
  json.BeginObject()
      .Field("hwnd", HandleValue(list))
      .Field("count", static_cast<std::int64_t>(count));
  json.Field("current", static_cast<std::int64_t>(Ask(list, LB_GETCURSEL)));
  json.Field("caret", static_cast<std::int64_t>(Ask(list, LB_GETCARETINDEX)));
  json.Field("top", static_cast<std::int64_t>(Ask(list, LB_GETTOPINDEX)));
  json.Field("has_strings", has_strings);
  json.Key("items").BeginArray();
  for (LRESULT i = 0; i < count; ++i) {
    json.BeginObject().Field("index", static_cast<std::int64_t>(i));
    if (has_strings) {
      LRESULT length = Ask(list, LB_GETTEXTLEN, i);
      std::vector<wchar_t> text(length > 0 ? length + 1 : 1, 0);
      if (length > 0) Ask(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
      json.Field("text", std::wstring_view(text.data()));
    }
    json.Field("data", static_cast<std::int64_t>(Ask(list, LB_GETITEMDATA, i)));
    json.Field("selected", Ask(list, LB_GETSEL, i) > 0);
    RECT rect = {};
    if (Ask(list, LB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rect)) != LB_ERR) {
      WriteRect(json, "rect", rect);
    }
    json.EndObject();
  }
  json.EndArray().EndObject();
  return 0;
}

int ReadListView(const Args& args, JsonWriter& json) {
  HWND list = args.empty() ? nullptr : ParseHwnd(args[0].c_str());
  if (!IsWindow(list)) return Fail(json, "no such window");
  RemoteBuffer remote(list, sizeof(LVITEMW) + kTextChars * sizeof(wchar_t));
  if (!remote.ok()) return Fail(json, "cannot reach the list view's process memory");
  LRESULT count = Ask(list, LVM_GETITEMCOUNT);
  HWND header = reinterpret_cast<HWND>(Ask(list, LVM_GETHEADER));
  LRESULT columns = header ? Ask(header, HDM_GETITEMCOUNT) : 1;
  if (columns < 1) columns = 1;
  json.BeginObject()
      .Field("hwnd", HandleValue(list))
      .Field("count", static_cast<std::int64_t>(count));
  json.Field("columns", static_cast<std::int64_t>(columns));
  json.Field("selected_count", static_cast<std::int64_t>(Ask(list, LVM_GETSELECTEDCOUNT)));
  json.Key("items").BeginArray();
  for (int i = 0; i < count; ++i) {
    json.BeginObject().Field("index", i);
    json.Key("texts").BeginArray();
    for (int column = 0; column < columns; ++column) {
      json.String(ListViewText(list, remote, i, column));
    }
    json.EndArray();
    LRESULT state = Ask(list, LVM_GETITEMSTATE, i, LVIS_SELECTED | LVIS_FOCUSED);
    json.Field("selected", (state & LVIS_SELECTED) != 0);
    json.Field("focused", (state & LVIS_FOCUSED) != 0);
    RECT rect = {};
    if (ListViewItemRect(list, remote, i, LVIR_BOUNDS, rect)) WriteRect(json, "rect", rect);
    if (ListViewItemRect(list, remote, i, LVIR_LABEL, rect)) WriteRect(json, "label_rect", rect);
    json.EndObject();
  }
  json.EndArray().EndObject();
  return 0;
}

}  // namespace e2e
