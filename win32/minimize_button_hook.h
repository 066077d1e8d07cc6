#pragma once

#include <windows.h>

#include "win32/handles.h"

namespace velamo {

// Watches the whole session's mouse for a right click on a window's working minimize button: the
// click goes to no program, and `message` is posted to `notify` with the window as wParam. A
// thread of its own takes the mouse, so that the pointer never waits for our interface.
class MinimizeButtonHook {
 public:
  MinimizeButtonHook(HWND notify, UINT message);
  ~MinimizeButtonHook() { Stop(); }
  MinimizeButtonHook(const MinimizeButtonHook&) = delete;
  MinimizeButtonHook& operator=(const MinimizeButtonHook&) = delete;

  // Whether the right click is watched: the hook's thread and its hook could be made.
  bool Running() const;
  // Takes the hook out; from any thread, the hook's own included (an error there ends us).
  void Stop();

 private:
  static DWORD WINAPI Run(void* self);
  static LRESULT CALLBACK MouseProc(int code, WPARAM message, LPARAM event);
  // Whether the right button's press or release `message` at `at` is ours to take.
  bool Take(WPARAM message, POINT at);

  HWND notify_;
  UINT message_;
  HHOOK hook_ = nullptr;
  HWND pressed_ = nullptr;  // the window whose minimize button took the press
  DWORD thread_id_ = 0;
  win32::UniqueHandle thread_;
};

}  // namespace velamo
