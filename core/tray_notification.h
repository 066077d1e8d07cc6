#pragma once

namespace velamo {

inline constexpr int kLeftButtonUp = 514;   // WM_LBUTTONUP
inline constexpr int kRightButtonUp = 517;  // WM_RBUTTONUP

// The shell reports the mouse message as the X of a mouse move, in twips. Rounds X and the
// twips per pixel to whole numbers and divides, truncating.
int MouseMessageFromX(double x_twips, double twips_per_pixel);

enum class TrayClick { kNone, kLeft, kRight };

// Only button releases act; moves, presses and double clicks are ignored.
TrayClick ClickOf(int mouse_message);

}  // namespace velamo
