#pragma once

#include "toolkit/control.h"

namespace toolkit {

enum class Alignment { kLeft, kRight, kCenter };

// The flag that stands for `alignment` in a family of styles (ES_ or DT_).
constexpr unsigned AlignmentFlag(Alignment alignment, unsigned left, unsigned right,
                                 unsigned center) {
  return alignment == Alignment::kRight ? right : alignment == Alignment::kCenter ? center : left;
}

// A single-line text box. Read-only boxes keep the look of an editable one.
class TextBox : public Control {
 public:
  // `font`: the application's when null.
  TextBox(const Placement& placement, std::wstring_view text, Alignment alignment, bool read_only,
          HFONT font = nullptr);
};

}  // namespace toolkit
