#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "about_window/form2.h"
#include "core/command_line.h"
#include "core/main_window_port.h"
#include "core/module1.h"
#include "core/os.h"
#include "core/tray_notification.h"
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

// The main window: the list of hidden windows, the crosshair picker, the scan controls, the
// menu bar, the tray pop-up menus and the invisible boxes that receive tray notifications. The
// names of its controls, menus and handlers follow the forms designer's.
class Form1 : public MainWindowPort {
  // Declared first: the window and what it shows outlive its controls.
  Module1& module_;
  Os& os_;
  toolkit::Application& app_;
  win32::UniqueCursor crosshair_picture_;
  win32::UniqueCursor crosshair_cursor_;
  win32::UniqueFont text1_font_;

 public:
  // The menus come before the window, which is made with its menu bar complete.

  // The pop-up menu of Velamo's own tray icon (never in the menu bar).
  toolkit::Menu IconMenu;
  toolkit::MenuItem IconMenu_MainResize;        // "表示(&V)": shows the main window
  toolkit::Menu IconMenu_Resize;                // "元のサイズに戻す(&R)": the window list
  toolkit::MenuItemArray IconMenu_ResizeIndex;  // "全て(&A)", then each hidden window's title
  toolkit::MenuItem IconMenu_Line;              // separator
  toolkit::MenuItem IconMenu_Exit;              // "終了(&X)": the quit question
  // The pop-up menu of a hidden window's tray icon.
  toolkit::Menu IconMenu_Sub;
  toolkit::MenuItem IconMenu_Sub_Resize;  // "元のサイズに戻す(&R)": brings that window back

  // The menu bar.
  toolkit::Menu MenuBar;
  toolkit::Menu Menu_File;            // "ファイル(&F)"
  toolkit::MenuItem Menu_File_Exit;   // "終了(&X)": the quit question
  toolkit::Menu Menu_Help;            // "ヘルプ(&H)"
  toolkit::MenuItem Menu_Help_About;  // "バージョン情報(&A)": the About window

 private:
  toolkit::Form form_;

 public:
  Form1(toolkit::Application& app, Module1& module, Os& os);

  void Show() override;
  Handle WindowHandle() const override;
  Handle LoadCallbackBox(Index index) override;
  Handle CallbackBox(Index index) const override;
  void UnloadCallbackBox(Index index) override;
  void ClearList() override;
  void AddListItem(std::u16string_view title) override;
  void RemoveListItem(int line) override;
  void SetListItem(int line, std::u16string_view title) override;
  int ListCount() const override;
  bool ListSelected(int line) const override;
  Index WindowMenuUpperBound() const override;
  void LoadWindowMenuItem(Index index, std::u16string_view caption) override;
  void UnloadWindowMenuItem(Index index) override;
  void SetWindowMenuItem(Index index, std::u16string_view caption) override;
  void WatchHiddenWindows(bool on) override;
  void EnableWindowMenu(bool enabled) override;
  bool AskQuit() override;
  void ReportTableFull() override;

  toolkit::Form& form() { return form_; }

  // The hide and restore keys (no key for none). False when another program holds the chord.
  bool SetHideKey(Chord chord);
  bool SetRestoreKey(Chord chord);
  bool SetMenuKey(Chord chord);
  // WM_HOTKEY with the key's id.
  void OnHotKey(int id);
  // A click on tray icon `index` (0: Velamo's own), posted by its callback box.
  void OnTrayClick(Index index, TrayClick click);
  // A second start asked for the main window: shown, out of the tray if it is there.
  void BringUp();

  // Invisible: Picture1(n) receives the clicks on hidden window n's tray icon.
  toolkit::ControlArray<toolkit::PictureBox> Picture1;
  toolkit::PictureBox Picture2;  // invisible: receives the clicks on Velamo's own tray icon
  toolkit::ListBox List1;        // the hidden windows' titles
  toolkit::ControlArray<toolkit::Frame> Frame1;       // "直接指定" and "自動指定"
  toolkit::PictureBox Picture3;                       // the crosshair, dragged onto a window
  toolkit::ControlArray<toolkit::DrawnLabel> Label1;  // the frames' explanations
  toolkit::TextBox Text1;                             // the scan interval
  toolkit::Button Command1;                           // "今チェック": scans once
  toolkit::Button Command2;  // "元に戻す": brings back the windows selected in the list
  toolkit::ControlArray<toolkit::Button> Command3;  // "隠す": Velamo into the tray
  toolkit::VScrollBar VScroll1;                     // sets the scan interval
  toolkit::Timer Timer1;                            // scans at that interval
  toolkit::Timer HiddenWatch;  // looks at the hidden windows while there are any

 private:
  // Controls loaded into arrays, with their events bound to their index.
  std::unique_ptr<toolkit::PictureBox> LoadPicture1(std::int16_t index);
  std::unique_ptr<toolkit::Frame> LoadFrame1(std::int16_t index);
  std::unique_ptr<toolkit::DrawnLabel> LoadLabel1(std::int16_t index);
  std::unique_ptr<toolkit::Button> LoadCommand3(std::int16_t index);
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
  void Menu_Help_About_Click();
  // The hide key: the window in front goes into the tray, or our own main window as "隠す"
  // sends it; the restore key: the window hidden last comes back.
  void HideKey_Pressed();
  void RestoreKey_Pressed();
  // Our own tray icon's menu at the pointer: its right click, and the menu key (for the keyboard).
  void PopupIconMenu();
  // The icon of hidden window `index` was chosen.
  void SelectIcon(Index index);
  // Hands a callback box's click to the main window, to be acted on once the box's handler has
  // returned: restoring a window unloads the last box, which may be this one.
  void PostTrayClick(Index index, double x);
  // The second release of a double click lands on whatever icon slid under the pointer after
  // the first one restored a window: such a release is not a click of its own.
  bool SecondReleaseOfARestore();
  bool SetHotKey(std::optional<toolkit::HotKey>& hot_key, int id, Chord chord,
                 void (Form1::*pressed)());

  std::int16_t SelectedIndex = 0;
  Handle selected_window_ = 0;  // the window of SelectedIndex when it was set
  bool dragging_ = false;       // the left button went down on the crosshair
  DWORD last_restore_time_ = 0;
  POINT last_restore_at_{};
  bool restored_recently_ = false;
  // The About window, made when first opened.
  std::optional<Form2> form2_;
  std::optional<toolkit::HotKey> hide_key_;
  std::optional<toolkit::HotKey> restore_key_;
  std::optional<toolkit::HotKey> menu_key_;
};

}  // namespace velamo
