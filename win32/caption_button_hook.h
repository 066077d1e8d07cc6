#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "core/close_to_tray.h"
#include "core/os.h"
#include "win32/handles.h"

namespace velamo {

// Watches the whole session's mouse for a right click on a window's working minimize button and,
// with /close: rules, its mouse and keys for a close that goes into the tray instead (see
// CloseToTray). Such a click or key goes to no program, and `message` is posted to `notify`
// with the window as wParam and as lParam 0 for the minimize button, 1 for a close. A thread
// of its own takes the input, so that neither pointer nor keys ever wait for our interface; it
// runs only while there is something to watch.
class CaptionButtonHook {
 public:
  // `minimize_button`: whether the right click is watched from the start. `os` is called from
  // the hook's thread.
  CaptionButtonHook(HWND notify, UINT message, Os& os, bool minimize_button);
  ~CaptionButtonHook() { Stop(); }
  CaptionButtonHook(const CaptionButtonHook&) = delete;
  CaptionButtonHook& operator=(const CaptionButtonHook&) = delete;

  // The right click reaches programs again; without close rules the thread ends.
  void StopMinimizeButton();
  // A /close: rule, taken up by the hook's thread, which starts for it if it is not running.
  void AddCloseRule(const std::u16string& program);

  // Whether the input is watched: the hook's thread and its mouse hook could be made.
  bool Running() const;
  // Takes the hooks out; from any thread, the hook's own included (an error there ends us).
  void Stop();

 private:
  void Start();
  static DWORD WINAPI Run(void* self);
  static LRESULT CALLBACK MouseProc(int code, WPARAM message, LPARAM event);
  static LRESULT CALLBACK KeyboardProc(int code, WPARAM message, LPARAM event);
  // Whether the button's press or release `message` at `at` is ours to take.
  bool Take(WPARAM message, POINT at);
  bool TakeRight(WPARAM message, POINT at);
  // Sends a taken close's window into the tray; returns whether the input was taken.
  bool Close(CloseTaken taken);
  // On the hook's thread: the rules given since it last looked; the keys are watched from the
  // first.
  void TakeNewRules();

  HWND notify_;
  UINT message_;
  Os& os_;  // called from the hook's thread too
  std::atomic<bool> minimize_button_;
  bool close_rules_ = false;  // whether any was given
  SRWLOCK new_rules_lock_ = SRWLOCK_INIT;
  std::vector<std::u16string> new_rules_;  // under that lock, until the hook's thread takes them
  CloseToTray close_;                      // the hook's thread's
  HHOOK mouse_hook_ = nullptr;
  HHOOK keyboard_hook_ = nullptr;
  HWND pressed_ = nullptr;  // the window whose minimize button took the right press
  DWORD thread_id_ = 0;
  win32::UniqueHandle thread_;
};

}  // namespace velamo
