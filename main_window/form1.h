#pragma once

#include <cstdint>
#include <optional>

#include "about_window/form2.h"
#include "core/command_line.h"
#include "core/main_window_port.h"
#include "core/module1.h"
#include "toolkit/application.h"
#include "toolkit/button.h"
#include "toolkit/control_array.h"
#include "toolkit/drawn_label.h"
#include "toolkit/form.h"
#include "toolkit/hot_key.h"
#include "toolkit/list_box.h"
#include "toolkit/menu.h"
#include "toolkit/picture_box.h"
#include "toolkit/scroll_bar.h"
#include "toolkit/text_box.h"
#include "toolkit/timer.h"

namespace velamo {

// Sent to a running Velamo's main window by a second start, which then ends: bring it up.
inline constexpr wchar_t kBringUpMessage[] = L"Velamo.BringUp";

// Posted to the main window with a window handle as wParam: hide that window as a drop of the
// crosshair on it would.
inline constexpr UINT kHideWindowMessage = WM_APP;

// The main window: the list of hidden windows, the crosshair picker, the scan controls, the
// menu bar, the tray pop-up menus and the invisible boxes that receive tray notifications.
class Form1 : public MainWindowPort {
  // Declared first: the window and what it shows outlive its controls.
  Module1& module_;
  toolkit::Application& app_;
  toolkit::UniqueCursor crosshair_picture_;
  toolkit::UniqueCursor crosshair_cursor_;
  toolkit::UniqueFont text1_font_;

 public:
  // The menus come before the window, which is made with its menu bar complete.

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

 private:
  toolkit::Form form_;

 public:
  Form1(toolkit::Application& app, Module1& module);

  void Show() override;
  Handle WindowHandle() const override;
  Handle LoadCallbackBox(Index index) override;
  Handle CallbackBox(Index index) const override;
  void UnloadCallbackBox(Index index) override;
  void ClearList() override;
  void AddListItem(std::u16string_view title) override;
  void RemoveListItem(int line) override;
  int ListCount() const override;
  bool ListSelected(int line) const override;
  Index WindowMenuUpperBound() const override;
  void LoadWindowMenuItem(Index index, std::u16string_view caption) override;
  void UnloadWindowMenuItem(Index index) override;
  void EnableWindowMenu(bool enabled) override;
  bool AskQuit() override;
  void ReportTableFull() override;

  toolkit::Form& form() { return form_; }

  // The hide and restore keys (no key for none). False when another program holds the chord.
  bool SetHideKey(Chord chord);
  bool SetRestoreKey(Chord chord);

  toolkit::ControlArray<toolkit::PictureBox> Picture1;
  toolkit::PictureBox Picture2;
  toolkit::ListBox List1;
  toolkit::ControlArray<toolkit::Frame> Frame1;
  toolkit::PictureBox Picture3;
  toolkit::ControlArray<toolkit::DrawnLabel> Label1;
  toolkit::TextBox Text1;
  toolkit::Button Command1;
  toolkit::Button Command2;
  toolkit::ControlArray<toolkit::Button> Command3;
  toolkit::VScrollBar VScroll1;
  toolkit::Timer Timer1;

 private:
  // The About window, made when first opened.
  std::optional<Form2> form2_;

  void Form_Load();
  void Form_QueryUnload(std::int16_t& cancel, std::int16_t reason);
  void Command1_Click();
  void Command2_Click();
  void Command3_Click(std::int16_t index);
  void Timer1_Timer();
  void VScroll1_Change();
  void Picture3_MouseMove(std::int16_t button, std::int16_t shift, double x, double y);
  void Picture3_MouseDown(std::int16_t button, std::int16_t shift, double x, double y);
  void Picture3_MouseUp(std::int16_t button, std::int16_t shift, double x, double y);
  void Picture3_KeyDown(int key);
  void Picture1_MouseMove(std::int16_t index, std::int16_t button, std::int16_t shift, double x,
                          double y);
  void Picture2_MouseMove(std::int16_t button, std::int16_t shift, double x, double y);
  void IconMenu_MainResize_Click();
  void IconMenu_ResizeIndex_Click(std::int16_t index);
  void IconMenu_Sub_Resize_Click();
  void IconMenu_Exit_Click();
  void Menu_File_Exit_Click();
  // Ctrl+Alt+Shift+Down: the window in front goes into the tray, or our own main window as "隠す"
  // sends it; Ctrl+Alt+Shift+Up: the window hidden last comes back.
  void HideKey_Pressed();
  void RestoreKey_Pressed();
  // The icon of hidden window `index` was chosen.
  void SelectIcon(Index index);
  // A second start asked for the main window: shown, out of the tray if it is there.
  void BringUp();
  // The second release of a double click lands on whatever icon slid under the pointer after
  // the first one restored a window: such a release is not a click of its own.
  bool SecondReleaseOfARestore();

  std::int16_t SelectedIndex = 0;
  Handle selected_window_ = 0;  // the window of SelectedIndex when it was set
  bool dragging_ = false;       // the left button went down on the crosshair
  DWORD last_restore_time_ = 0;
  POINT last_restore_at_{};
  bool restored_recently_ = false;
  void Menu_Help_About_Click();

  bool SetHotKey(std::optional<toolkit::HotKey>& hot_key, int id, Chord chord,
                 void (Form1::*pressed)());
  std::optional<toolkit::HotKey> hide_key_;
  std::optional<toolkit::HotKey> restore_key_;
};

}  // namespace velamo
