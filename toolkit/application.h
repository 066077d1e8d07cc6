#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "win32/handles.h"
#include "toolkit/twips.h"

namespace toolkit {

class Form;

// The program's own window classes: one for its forms, one for its picture boxes.
struct ClassNames {
  const wchar_t* form;
  const wchar_t* picture;
};

// What the forms of one program share: the display's scale, the user-interface font, the
// program's icon and window classes, its message boxes and the message loop.
class Application {
 public:
  // `icon`: the resource id of the program's icon, 0 for the system's default.
  Application(int icon, ClassNames classes);
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  HINSTANCE instance() const { return instance_; }
  const Twips& twips() const { return twips_; }
  HFONT ui_font() const { return ui_font_.get(); }
  HICON large_icon() const { return large_icon_.get(); }
  HICON small_icon() const { return small_icon_.get(); }
  const ClassNames& classes() const { return classes_; }

  // A modal message box; `style` takes the MB_ flags. Returns the button chosen (IDYES, ...).
  int Message(HWND owner, std::wstring_view prompt, UINT style, std::wstring_view title);
  // Whether one of the program's message boxes is open: its loop dispatches whatever arrives.
  bool ShowingMessage() const { return messages_open_ > 0; }

  // Dispatches messages until the last form unloads; returns the exit code.
  int Run();

  // Forms report their loading and unloading; the program ends with the last one.
  void FormLoaded(Form& form);
  void FormUnloaded(Form& form);

  // Dispatches one message: keyboard navigation for the form it belongs to, then the window.
  void DispatchOne(MSG& message);

  // Commands chosen from menus reach their handlers through ids allotted here, so that a menu
  // is complete before the form that shows it is made.
  UINT AddCommand(std::function<void()> handler);
  void RemoveCommand(UINT id);
  void RunCommand(UINT id);

 private:
  HINSTANCE instance_;
  ClassNames classes_;
  Twips twips_;
  win32::UniqueFont ui_font_;
  win32::UniqueIcon large_icon_;
  win32::UniqueIcon small_icon_;
  std::vector<Form*> loaded_forms_;
  int messages_open_ = 0;
  UINT next_command_ = 100;
  std::vector<std::pair<UINT, std::function<void()>>> commands_;  // in id order
};

}  // namespace toolkit
