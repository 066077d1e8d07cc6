#pragma once

#include <windows.h>

#include <functional>

#include "toolkit/timer.h"

namespace toolkit {

class Form;

// A key chord that reaches `form` as WM_HOTKEY with `id` from whichever program has the keyboard,
// while this object lives. Pressed runs once per press however long the chord is held: some
// systems repeat WM_HOTKEY all the same (MOD_NOREPEAT is new in Windows 7, and Wine ignores it).
class HotKey {
 public:
  HotKey(Form& form, int id, UINT modifiers, UINT key, std::function<void()> pressed);
  ~HotKey();
  HotKey(const HotKey&) = delete;
  HotKey& operator=(const HotKey&) = delete;

  // False when the chord is held already, by another program or another key of ours: it is
  // then simply not there.
  bool registered() const { return registered_; }
  // The form received WM_HOTKEY with this key's id.
  void OnHotKey();

 private:
  HWND window_;
  int id_;
  UINT key_;
  bool registered_;
  std::function<void()> pressed_;
  bool held_ = false;  // acted on, and not yet released
  Timer release_watch_;
};

}  // namespace toolkit
