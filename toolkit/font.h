#pragma once

#include <windows.h>

#include <string_view>

#include "win32/handles.h"
#include "toolkit/twips.h"

namespace toolkit {

struct FontSpec {
  std::wstring_view face;
  double points = 9;
  int weight = FW_NORMAL;
  BYTE charset = DEFAULT_CHARSET;
  bool italic = false;
  bool underline = false;
};

// A font of the given point size at the display's resolution.
win32::UniqueFont CreatePointFont(const Twips& twips, const FontSpec& spec);

}  // namespace toolkit
