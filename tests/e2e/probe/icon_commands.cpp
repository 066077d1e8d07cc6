// The icons an executable carries: what ExtractIconEx gives, and each group's stored images.
#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "commands.h"
#include "window_query.h"

namespace e2e {
namespace {

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width;
  BYTE height;
  BYTE color_count;
  BYTE reserved;
  WORD planes;
  WORD bit_count;
  DWORD bytes;
  WORD id;
};
struct GroupIconHeader {
  WORD reserved;
  WORD type;
  WORD count;
};
#pragma pack(pop)

void WriteIconImage(JsonWriter& json, const char* name, HICON icon) {
  json.Key(name);
  ICONINFO info = {};
  if (!icon || !GetIconInfo(icon, &info)) {
    json.Null();
    return;
  }
  BITMAP color = {};
  BITMAP mask = {};
  GetObjectW(info.hbmMask, sizeof mask, &mask);
  if (info.hbmColor) GetObjectW(info.hbmColor, sizeof color, &color);
  json.BeginObject();
  json.Field("width", mask.bmWidth);
  json.Field("height", info.hbmColor ? color.bmHeight : mask.bmHeight / 2);
  json.Field("bpp", info.hbmColor ? static_cast<int>(color.bmBitsPixel) : 1);
  json.EndObject();
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
}

BOOL CALLBACK WriteGroup(HMODULE module, LPCWSTR, LPWSTR name, LONG_PTR context) {
  auto& json = *reinterpret_cast<JsonWriter*>(context);
  json.BeginObject();
  if (IS_INTRESOURCE(name)) {
    json.Field("id", static_cast<int>(reinterpret_cast<UINT_PTR>(name)));
  } else {
    json.Field("name", name);
  }
  json.Key("images").BeginArray();
  HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  auto* header = loaded ? static_cast<const GroupIconHeader*>(LockResource(loaded)) : nullptr;
  DWORD size = found ? SizeofResource(module, found) : 0;
  if (header && size >= sizeof *header &&
      size >= sizeof *header + header->count * sizeof(GroupIconEntry)) {
    auto* entries = reinterpret_cast<const GroupIconEntry*>(header + 1);
    for (WORD i = 0; i < header->count; ++i) {
      json.BeginObject();
      json.Field("width", entries[i].width ? entries[i].width : 256);
      json.Field("height", entries[i].height ? entries[i].height : 256);
      json.Field("bpp", static_cast<int>(entries[i].bit_count));
      json.Field("id", static_cast<int>(entries[i].id));
      json.EndObject();
    }
  }
  json.EndArray().EndObject();
  return TRUE;
}

}  // namespace

int DescribeIcons(const Args& args, JsonWriter& json) {
  if (args.empty()) return Fail(json, "usage: icons FILE");
  const wchar_t* file = args[0].c_str();
  UINT count = ExtractIconExW(file, -1, nullptr, nullptr, 0);
  json.BeginObject().Field("file", args[0]).Field("count", count);
  json.Key("extracted").BeginArray();
  for (UINT i = 0; i < count; ++i) {
    HICON large_icon = nullptr;
    HICON small_icon = nullptr;
    ExtractIconExW(file, static_cast<int>(i), &large_icon, &small_icon, 1);
    json.BeginObject().Field("index", i);
    WriteIconImage(json, "large", large_icon);
    WriteIconImage(json, "small", small_icon);
    json.EndObject();
    if (large_icon) DestroyIcon(large_icon);
    if (small_icon) DestroyIcon(small_icon);
  }
  json.EndArray();
  json.Key("groups").BeginArray();
  HMODULE module = LoadLibraryExW(file, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module) {
    EnumResourceNamesW(module, MAKEINTRESOURCEW(14), WriteGroup, reinterpret_cast<LONG_PTR>(&json));
    FreeLibrary(module);
  }
  json.EndArray().EndObject();
  return 0;
}

}  // namespace e2e
