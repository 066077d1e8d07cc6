#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/application.h"
#include "toolkit/drawn_surface.h"
#include "win32/handles.h"
#include "toolkit/mouse.h"

namespace toolkit {

class Control;
class Menu;
class Timer;

// Why a form is being unloaded, as the query-unload event reports it.
enum UnloadReason : std::int16_t {
  kUnloadFromControlMenu = 0,  // close box, system menu, Alt+F4
  kUnloadFromCode = 1,
};

struct FormStyle {
  std::wstring caption;
  int client_width = 0;  // twips
  int client_height = 0;
  bool show_in_taskbar = true;
  bool dialog_frame = false;  // the frame of a dialog box
  Menu* menu_bar = nullptr;   // complete: the window is made with it
};

// A top-level window with a fixed single frame, no minimize or maximize button and a close box.
// Constructing it loads it (hidden); Unload asks the query-unload event first.
class Form {
 public:
  Form(Application& app, const FormStyle& style);
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  HWND hwnd() const { return window_.get(); }
  Application& app() const { return app_; }

  // Shows the form modeless, without owner, and activates it.
  void Show();
  // Shows the form centred over `owner`, which takes no input until this form unloads; returns
  // then.
  void ShowModal(Form& owner);
  void Hide();
  // Raises the query-unload event; unless it cancels, hides the form for good and reports it to
  // the application (the last form ends the program). Returns whether the form unloaded.
  bool Unload(UnloadReason reason = kUnloadFromCode);

  // What is drawn on the form's own surface.
  DrawnSurface& drawn() { return drawn_; }
  // The pointer moved over the form's own surface: not over a control or a drawn element that
  // takes the mouse.
  MouseHandler MouseMove;

  // cancel: set non-zero to keep the form; reason: an UnloadReason.
  std::function<void(std::int16_t& cancel, std::int16_t reason)> QueryUnload;
  // The Windows session ends: no question can be asked, and the process ends after this.
  std::function<void()> SessionEnd;
  // Every message the form does not handle itself goes here first, such as the program's own
  // and registered ones; the answer, or nothing for the default.
  std::function<std::optional<LRESULT>(UINT message, WPARAM wparam, LPARAM lparam)> OtherMessage;

  // Pops up `menu` at the mouse pointer and runs the chosen command, if any, after it closes.
  void PopupMenu(HMENU menu, UINT flags);

  // WM_TIMER goes to the timers added here, not to one that has gone.
  void AddTimer(Timer& timer);
  void RemoveTimer(Timer& timer);

  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  // The control that `window` is, if it is one of this form's.
  Control* ControlOf(HWND window) const;
  void FitClientArea();
  void FocusFirstControl();

  Application& app_;
  FormStyle style_;
  win32::UniqueWindow window_;
  // Declared after window_: its tool-tip window, owned by the form's, must go first.
  DrawnSurface drawn_{*this};
  bool loaded_ = true;
  bool shown_once_ = false;
  HWND modal_owner_ = nullptr;
  HWND saved_focus_ = nullptr;
  std::vector<Timer*> timers_;
};

}  // namespace toolkit
