#pragma once

#include <windows.h>

#include "toolkit/control.h"

namespace toolkit {

// A colour as a form's elements take it: an RGB value, or a system colour looked up whenever it
// is drawn, so that it follows changes to the system's colours.
struct Color {
  COLORREF rgb = 0;
  int system_index = -1;  // a GetSysColor index; -1 for the RGB value

  COLORREF Resolve() const { return system_index >= 0 ? GetSysColor(system_index) : rgb; }
};

constexpr Color SystemColor(int index) { return Color{0, index}; }

// Something drawn straight on its form's surface, without a window of its own: it takes no
// focus and lies behind the form's child windows. The form draws its elements in the order they
// were made, the first at the back.
class DrawnElement {
 public:
  virtual ~DrawnElement();
  DrawnElement(const DrawnElement&) = delete;
  DrawnElement& operator=(const DrawnElement&) = delete;

  Form& form() const { return form_; }
  // Where it is drawn, in pixels of the form's client area.
  const RECT& Bounds() const { return bounds_; }

  virtual void Paint(HDC dc) const = 0;
  // Whether the mouse over the element reaches it rather than the form behind it.
  virtual bool TakesMouse() const { return false; }
  // A mouse message (coordinates in the form's client area) over an element that takes the
  // mouse.
  virtual void OnMouse(UINT /*message*/, WPARAM /*wparam*/, LPARAM /*lparam*/) {}

 protected:
  explicit DrawnElement(const Placement& placement);
  // Has the form draw the element again.
  void Invalidate() const;

 private:
  Form& form_;
  RECT bounds_;
};

}  // namespace toolkit
