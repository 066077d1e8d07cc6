#pragma once

#include "about_window/form2.h"
#include "toolkit/button.h"
#include "toolkit/control_array.h"
#include "toolkit/drawn_label.h"
#include "win32/handles.h"
#include "toolkit/picture_box.h"
#include "toolkit/shape.h"

namespace velamo {

// Form2's window as designed: its frame, its elements from back to front, and their events bound
// to Form2's handlers.
struct Form2::Window {
  Window(toolkit::Application& app, Form2& events);

  // Declared first: the fonts outlive the labels that draw with them.
  win32::UniqueFont title_font;
  win32::UniqueFont version_font;
  win32::UniqueFont copyright_font;
  toolkit::Form form;

  toolkit::ControlArray<toolkit::Shape> Shape1;       // the bar behind the title
  toolkit::ControlArray<toolkit::DrawnLabel> Label1;  // the title "Velamo" and its shadow
  toolkit::ControlArray<toolkit::DrawnLabel> Label2;  // the version and the copyright line
  toolkit::ControlArray<toolkit::DrawnLabel> Label3;  // the description and the links' captions
  toolkit::ControlArray<toolkit::DrawnLabel> Label5;  // the links: web page and e-mail address
  toolkit::Button Command1;                           // "OK": closes the window
  toolkit::PictureBox Picture1;                       // the program's icon
};

}  // namespace velamo
