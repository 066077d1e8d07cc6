#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/handles.h"
#include "toolkit/twips.h"

namespace toolkit {

class Form;

// What the forms of one program share: the display's scale, the user-interface font, the
// program's icon and the message loop.
class Application {
 public:
  // `icon`: the resource id of the program's icon, 0 for the system's default.
  explicit Application(int icon = 0);
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  HINSTANCE instance() const { return instance_; }
  const Twips& twips() const { return twips_; }
  HFONT ui_font() const { return ui_font_.get(); }
  HICON large_icon() const { return large_icon_.get(); }
  HICON small_icon() const { return small_icon_.get(); }

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
  Twips twips_;
  UniqueFont ui_font_;
  UniqueIcon large_icon_;
  UniqueIcon small_icon_;
  std::vector<Form*> loaded_forms_;
  UINT next_command_ = 100;
  std::vector<std::pair<UINT, std::function<void()>>> commands_;  // in id order
};

// The directory of the running executable: "C:\" at a drive root, without a trailing
// backslash elsewhere.
std::wstring ApplicationPath();

}  // namespace toolkit
