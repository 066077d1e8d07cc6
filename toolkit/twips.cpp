#include "toolkit/twips.h"

#include <cmath>

namespace toolkit {

int Twips::ToPixels(int twips) const {
  const long long scaled = static_cast<long long>(twips) * dpi_;
  const long long half = kTwipsPerInch / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch
                                      : -((-scaled + half) / kTwipsPerInch));
}

double Twips::ToTwips(int pixels) const { return static_cast<double>(pixels) * TwipsPerPixel(); }

int Twips::TwipsPerPixel() const {
  const int whole = static_cast<int>(std::lrint(static_cast<double>(kTwipsPerInch) / dpi_));
  return whole > 0 ? whole : 1;
}

}  // namespace toolkit
