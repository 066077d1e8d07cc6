#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "toolkit/twips.h"

namespace toolkit {

// Mouse events: button 1 left, 2 right, 4 middle (combined in MouseMove); shift 1 Shift, 2 Ctrl,
// 4 Alt; x and y in twips.
using MouseHandler =
    std::function<void(std::int16_t button, std::int16_t shift, double x, double y)>;

// The buttons held down during a mouse message.
std::int16_t HeldButtons(WPARAM wparam);
// The button a press or release message is about.
std::int16_t ButtonOf(UINT message);

// Calls `handler`, if set, with `button`, the shift keys and the position of a mouse message,
// measured from `origin` (pixels of the same client area).
void RaiseMouse(const MouseHandler& handler, const Twips& twips, std::int16_t button, WPARAM wparam,
                LPARAM lparam, POINT origin = {0, 0});

}  // namespace toolkit
