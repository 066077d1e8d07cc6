#include "toolkit/mouse.h"

#include <windowsx.h>

namespace toolkit {

std::int16_t HeldButtons(WPARAM wparam) {
  return static_cast<std::int16_t>(((wparam & MK_LBUTTON) ? 1 : 0) |
                                   ((wparam & MK_RBUTTON) ? 2 : 0) |
                                   ((wparam & MK_MBUTTON) ? 4 : 0));
}

std::int16_t ButtonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      return 1;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return 2;
    default:
      return 4;
  }
}

void RaiseMouse(const MouseHandler& handler, const Twips& twips, std::int16_t button, WPARAM wparam,
                LPARAM lparam, POINT origin) {
  if (!handler) return;
  const auto shift =
      static_cast<std::int16_t>(((wparam & MK_SHIFT) ? 1 : 0) | ((wparam & MK_CONTROL) ? 2 : 0) |
                                ((GetKeyState(VK_MENU) < 0) ? 4 : 0));
  handler(button, shift, twips.ToTwips(GET_X_LPARAM(lparam) - origin.x),
          twips.ToTwips(GET_Y_LPARAM(lparam) - origin.y));
}

}  // namespace toolkit
