#pragma once

#include "toolkit/drawn_element.h"

namespace toolkit {

// A rectangle filled with one colour, drawn on the form's surface. The mouse passes through it
// to the form.
class Shape : public DrawnElement {
 public:
  Shape(const Placement& placement, Color fill) : DrawnElement(placement), fill_(fill) {}

  void Paint(HDC dc) const override;

 private:
  Color fill_;
};

}  // namespace toolkit
