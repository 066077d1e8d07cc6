#include "toolkit/window_class.h"

namespace toolkit {

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                         const ClassLook& look) {
  WNDCLASSEXW window_class{.cbSize = sizeof(window_class)};
  if (GetClassInfoExW(instance, name, &window_class)) return;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hIcon = look.large_icon;
  window_class.hIconSm = look.small_icon;
  window_class.hCursor = look.cursor;
  window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  window_class.lpszClassName = name;
  RegisterClassExW(&window_class);
}

}  // namespace toolkit
