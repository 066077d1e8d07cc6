#pragma once

#include <windows.h>

namespace toolkit {

// What a window of one of our classes looks like before it draws anything.
struct ClassLook {
  HICON large_icon = nullptr;
  HICON small_icon = nullptr;
  HCURSOR cursor = nullptr;
};

// Registers our window class `name` the first time it is asked for; later calls find it.
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                         const ClassLook& look);

// The window procedure of our classes: each message goes to the Object a window was made for,
// once the object has put itself into the window's user data; until then, to the default.
template <typename Object>
LRESULT CALLBACK ObjectWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* object = reinterpret_cast<Object*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return object ? object->HandleMessage(message, wparam, lparam)
                : DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace toolkit
