#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "win32/handles.h"
#include "toolkit/mouse.h"

namespace toolkit {

class DrawnElement;
class Form;

// A form's own surface: the elements drawn on it, their tool tips, and where the mouse goes.
class DrawnSurface {
 public:
  explicit DrawnSurface(Form& form) : form_(form) {}

  void Add(DrawnElement& element);
  void Remove(DrawnElement& element);
  // Shows `text` while the pointer rests over `element`.
  void AddToolTip(const DrawnElement& element, std::wstring_view text);

  // WM_PAINT: the elements, back to front.
  void Paint();
  // A mouse message on the form's client area: it goes to the frontmost element under the
  // pointer that takes the mouse; a move over none of them goes to `background_move`.
  void OnMouse(UINT message, WPARAM wparam, LPARAM lparam, const MouseHandler& background_move);

 private:
  DrawnElement* ElementAt(LPARAM lparam) const;

  Form& form_;
  std::vector<DrawnElement*> elements_;  // back to front
  win32::UniqueWindow tool_tips_;        // made with the first tool tip
};

}  // namespace toolkit
