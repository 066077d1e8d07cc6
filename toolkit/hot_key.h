#pragma once

#include <windows.h>

namespace toolkit {

// A key chord that reaches `window` as WM_HOTKEY with `id` from whichever program has the
// keyboard, while this object lives. A chord another program holds already is simply not there.
class HotKey {
 public:
  HotKey(HWND window, int id, UINT modifiers, UINT key)
      : window_(window), id_(id), registered_(RegisterHotKey(window, id, modifiers, key)) {}
  ~HotKey() {
    if (registered_) UnregisterHotKey(window_, id_);
  }
  HotKey(const HotKey&) = delete;
  HotKey& operator=(const HotKey&) = delete;

 private:
  HWND window_;
  int id_;
  bool registered_;
};

}  // namespace toolkit
