#pragma once

#include <cstdint>
#include <functional>

#include "toolkit/control.h"

namespace toolkit {

struct PictureStyle {
  bool visible = true;
  bool sunken_border = false;
  HICON picture = nullptr;          // drawn at its own size at the top left; not owned
  HCURSOR custom_cursor = nullptr;  // shown while the mouse pointer is kCustomPointer; not owned
};

// A picture box. Mouse positions are reported in twips; after a button goes down on it the box
// keeps receiving the mouse until every button is up again.
class PictureBox : public Control {
 public:
  static constexpr std::int16_t kDefaultPointer = 0;
  static constexpr std::int16_t kCustomPointer = 99;
  // Button values: 1 left, 2 right, 4 middle (combined in MouseMove); Shift: 1 Shift, 2 Ctrl, 4
  // Alt.
  using MouseHandler =
      std::function<void(std::int16_t button, std::int16_t shift, double x, double y)>;

  PictureBox(const Placement& placement, const PictureStyle& style);

  std::int16_t MousePointer() const { return mouse_pointer_; }
  void SetMousePointer(std::int16_t pointer);

  MouseHandler MouseDown;
  MouseHandler MouseMove;
  MouseHandler MouseUp;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void Raise(const MouseHandler& handler, std::int16_t button, WPARAM wparam, LPARAM lparam);
  void ShowPointer() const;
  void Paint();

  PictureStyle style_;
  std::int16_t mouse_pointer_ = kDefaultPointer;
};

}  // namespace toolkit
