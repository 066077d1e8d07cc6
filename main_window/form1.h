#pragma once

#include <cstdint>

#include "core/main_window_port.h"
#include "core/module1.h"
#include "toolkit/application.h"
#include "toolkit/button.h"
#include "toolkit/control_array.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/list_box.h"
#include "toolkit/menu.h"
#include "toolkit/picture_box.h"
#include "toolkit/scroll_bar.h"
#include "toolkit/timer.h"

namespace velamo {

// The main window: the list of hidden windows, the crosshair picker, the scan controls, the
// menu bar, the tray pop-up menus and the invisible boxes that receive tray notifications.
class Form1 : public MainWindowPort {
  // Declared first: the window and what it shows outlive its controls and menus.
  Module1& module_;
  toolkit::Application& app_;
  toolkit::UniqueIcon large_icon_;
  toolkit::UniqueIcon small_icon_;
  toolkit::UniqueCursor crosshair_picture_;
  toolkit::UniqueCursor crosshair_cursor_;
  toolkit::UniqueFont text1_font_;
  toolkit::Form form_;

 public:
  Form1(toolkit::Application& app, Module1& module);

  void Show() override;
  Handle WindowHandle() const override;
  Handle LoadCallbackBox(Index index) override;
  void ClearList() override;
  void AddListItem(std::u16string_view title) override;
  void ReportTableFull() override;

  toolkit::Form& form() { return form_; }

  // Tray pop-up menus (never in the menu bar).
  toolkit::Menu IconMenu;
  toolkit::MenuItem IconMenu_MainResize;
  toolkit::Menu IconMenu_Resize;
  toolkit::MenuItemArray IconMenu_ResizeIndex;
  toolkit::MenuItem IconMenu_Line;
  toolkit::MenuItem IconMenu_Exit;
  toolkit::Menu IconMenu_Sub;
  toolkit::MenuItem IconMenu_Sub_Resize;

  // The menu bar.
  toolkit::Menu MenuBar;
  toolkit::Menu Menu_File;
  toolkit::MenuItem Menu_File_Exit;
  toolkit::Menu Menu_Help;
  toolkit::MenuItem Menu_Help_About;

  toolkit::ControlArray<toolkit::PictureBox> Picture1;
  toolkit::PictureBox Picture2;
  toolkit::ListBox List1;
  toolkit::ControlArray<toolkit::Frame> Frame1;
  toolkit::PictureBox Picture3;
  toolkit::ControlArray<toolkit::Label> Label1;
  toolkit::TextBox Text1;
  toolkit::Button Command1;
  toolkit::Button Command2;
  toolkit::ControlArray<toolkit::Button> Command3;
  toolkit::VScrollBar VScroll1;
  toolkit::Timer Timer1;

 private:
  void Form_Load();
  void Command1_Click();
  void Timer1_Timer();
  void VScroll1_Change();
  void Picture3_MouseMove(std::int16_t button, std::int16_t shift, double x, double y);
  void Picture3_MouseUp(std::int16_t button, std::int16_t shift, double x, double y);
};

}  // namespace velamo
