#include "toolkit/drawn_element.h"

#include "toolkit/form.h"

namespace toolkit {

DrawnElement::DrawnElement(const Placement& placement) : form_(placement.form) {
  const Twips& twips = form_.app().twips();
  const int left = placement.origin_left + placement.position.left;
  const int top = placement.origin_top + placement.position.top;
  // Edges are converted, not sizes, so that elements that meet in twips meet in pixels.
  bounds_ = RECT{twips.ToPixels(left), twips.ToPixels(top),
                 twips.ToPixels(left + placement.position.width),
                 twips.ToPixels(top + placement.position.height)};
  form_.drawn().Add(*this);
}

DrawnElement::~DrawnElement() { form_.drawn().Remove(*this); }

void DrawnElement::Invalidate() const { InvalidateRect(form_.hwnd(), &bounds_, TRUE); }

}  // namespace toolkit
