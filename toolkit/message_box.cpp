#include "toolkit/message_box.h"

#include <string>

namespace toolkit {

int MsgBox(HWND owner, std::wstring_view prompt, UINT style, std::wstring_view title) {
  return MessageBoxW(owner, std::wstring(prompt).c_str(), std::wstring(title).c_str(), style);
}

}  // namespace toolkit
