#pragma once

namespace toolkit {

inline constexpr int kTwipsPerInch = 1440;

// Converts the forms' twips to pixels of a display with `dpi` dots per inch (15 twips per pixel
// at 96 dpi).
class Twips {
 public:
  explicit Twips(int dpi) : dpi_(dpi) {}

  int dpi() const { return dpi_; }

  // Rounded to the nearest pixel. Sizes are best taken as the difference of two converted
  // edges, so that edges that meet in twips meet in pixels.
  int ToPixels(int twips) const;
  double ToTwips(int pixels) const;

  // The screen's twips per pixel as the toolkit reports it for mouse coordinates: a whole
  // number, so a pixel count scaled by it divides back exactly.
  int TwipsPerPixel() const;

 private:
  int dpi_;
};

}  // namespace toolkit
