#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "win32/handles.h"

namespace toolkit {

class Form;

// A position in twips: Left, Top, Width, Height.
struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// A line of a form's layout table: a caption, label text or tool tip, and where it stands.
struct PlacedText {
  TwipsRect position;
  const wchar_t* text;
};

// How text lines up in its box.
enum class Alignment { kLeft, kRight, kCenter };

// The flag that stands for `alignment` in a family of styles (ES_ or DT_).
constexpr unsigned AlignmentFlag(Alignment alignment, unsigned left, unsigned right,
                                 unsigned center) {
  return alignment == Alignment::kRight ? right : alignment == Alignment::kCenter ? center : left;
}

// Where a control sits: on its form, with its position relative to the form's client area or to
// a frame drawn on it. Frames do not own their controls: every control is a child of the form,
// so the tab order is the creation order across frames.
struct Placement {
  Form& form;
  TwipsRect position;
  int origin_left = 0;
  int origin_top = 0;
};

// A child window on a form.
class Control {
 public:
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  HWND hwnd() const { return window_.get(); }
  Form& form() const { return form_; }
  // The position in twips, relative to the form's client area.
  TwipsRect Position() const { return position_; }

  void SetText(std::wstring_view text);

  // Notifications the form passes on from WM_COMMAND and WM_VSCROLL.
  virtual void OnCommand(WORD /*code*/) {}
  virtual void OnScroll(WORD /*code*/) {}
  // Messages of a control of our own window class.
  virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(hwnd(), message, wparam, lparam);
  }

 protected:
  // `font`: the application's when null. Set once: a control measures each font it is given.
  Control(const Placement& placement, const wchar_t* window_class, std::wstring_view text,
          DWORD style, DWORD ex_style = 0, HFONT font = nullptr);

 private:
  Form& form_;
  TwipsRect position_;
  win32::UniqueWindow window_;
};

// Puts the controls in this order for the Tab key, the first first.
void SetTabOrder(std::initializer_list<const Control*> controls);

}  // namespace toolkit
