#include "core/tray_notification.h"

#include <cmath>

namespace velamo {

int MouseMessageFromX(double x_twips, double twips_per_pixel) {
  // Rounding to nearest with ties to even, as the toolkit's integer conversion does.
  const long x = std::lrint(x_twips);
  const long per_pixel = std::lrint(twips_per_pixel);
  return per_pixel == 0 ? 0 : static_cast<int>(x / per_pixel);
}

TrayClick ClickOf(int mouse_message) {
  switch (mouse_message) {
    case kLeftButtonUp:
      return TrayClick::kLeft;
    case kRightButtonUp:
      return TrayClick::kRight;
    default:
      return TrayClick::kNone;
  }
}

}  // namespace velamo
