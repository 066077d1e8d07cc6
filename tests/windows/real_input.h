#pragma once

#include <windows.h>

#include <initializer_list>
#include <vector>

namespace velamo::testing {

// Real input, as from the mouse: a move to the point, then the given button events there.
inline void MouseAt(POINT at, std::initializer_list<DWORD> buttons) {
  std::vector<INPUT> inputs(1 + buttons.size(), INPUT{.type = INPUT_MOUSE});
  inputs[0].mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  inputs[0].mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  int i = 1;
  for (DWORD button : buttons) inputs[i++].mi.dwFlags = button;
  SendInput(inputs.size(), inputs.data(), sizeof(INPUT));
}

// Moves the pointer there and waits until it stays: the window system may move it late.
inline void MovePointerTo(POINT to) {
  MouseAt(to, {});
  POINT at{};
  for (int settled = 0, i = 0; settled < 5 && i < 200; ++i) {
    Sleep(10);
    GetCursorPos(&at);
    settled = at.x == to.x && at.y == to.y ? settled + 1 : 0;
  }
}

}  // namespace velamo::testing
