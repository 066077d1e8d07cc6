#pragma once

#include <windows.h>

#include <string_view>

namespace toolkit {

// A modal message box; `style` takes the MB_ flags. Returns the button chosen (IDYES, ...).
int MsgBox(HWND owner, std::wstring_view prompt, UINT style, std::wstring_view title);

}  // namespace toolkit
