#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "toolkit/control.h"
#include "toolkit/mouse.h"
#include "toolkit/persistent_image.h"

namespace toolkit {

struct PictureStyle {
  bool visible = true;
  bool sunken_border = false;
  HICON picture = nullptr;          // drawn at its own size at the top left; not owned
  HCURSOR custom_cursor = nullptr;  // shown while the mouse pointer is kCustomPointer; not owned
  bool persistent_image = false;    // keeps what is drawn into hdc() across repaints
};

// A picture box. Mouse positions are reported in twips; after a button goes down on it the box
// keeps receiving the mouse until every button is up again.
class PictureBox : public Control {
 public:
  static constexpr std::int16_t kDefaultPointer = 0;
  static constexpr std::int16_t kCustomPointer = 99;

  PictureBox(const Placement& placement, const PictureStyle& style);

  // Where to draw what the box keeps: its persistent image (null without one).
  HDC hdc() const { return image_ ? image_->dc() : nullptr; }

  void SetMousePointer(std::int16_t pointer);

  MouseHandler MouseDown;
  MouseHandler MouseMove;
  MouseHandler MouseUp;
  // A key pressed while the box has the focus (virtual-key code).
  std::function<void(int key)> KeyDown;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void Raise(const MouseHandler& handler, std::int16_t button, WPARAM wparam, LPARAM lparam);
  void ShowPointer() const;
  void Paint();

  PictureStyle style_;
  std::int16_t mouse_pointer_ = kDefaultPointer;
  std::unique_ptr<PersistentImage> image_;
};

}  // namespace toolkit
