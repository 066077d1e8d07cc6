#pragma once

#include "toolkit/control.h"

namespace toolkit {

// A single-line text box. Read-only boxes keep the look of an editable one.
class TextBox : public Control {
 public:
  // `font`: the application's when null.
  TextBox(const Placement& placement, std::wstring_view text, Alignment alignment, bool read_only,
          HFONT font = nullptr);
};

}  // namespace toolkit
