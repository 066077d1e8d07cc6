#include "toolkit/control.h"

#include "toolkit/application.h"
#include "toolkit/form.h"

namespace toolkit {

Control::Control(const Placement& placement, const wchar_t* window_class, std::wstring_view text,
                 DWORD style, DWORD ex_style, HFONT font)
    : form_(placement.form),
      position_{placement.origin_left + placement.position.left,
                placement.origin_top + placement.position.top, placement.position.width,
                placement.position.height} {
  const Twips& twips = form_.app().twips();
  const int left = twips.ToPixels(position_.left);
  const int top = twips.ToPixels(position_.top);
  const int right = twips.ToPixels(position_.left + position_.width);
  const int bottom = twips.ToPixels(position_.top + position_.height);
  const std::wstring caption(text);
  window_.reset(CreateWindowExW(ex_style, window_class, caption.c_str(), WS_CHILD | style, left,
                                top, right - left, bottom - top, form_.hwnd(), nullptr,
                                form_.app().instance(), nullptr));
  SetWindowLongPtrW(hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SendMessageW(hwnd(), WM_SETFONT, WPARAM(font ? font : form_.app().ui_font()), FALSE);
}

void Control::SetText(std::wstring_view text) {
  SetWindowTextW(hwnd(), std::wstring(text).c_str());
}

void SetTabOrder(std::initializer_list<const Control*> controls) {
  HWND previous = HWND_TOP;
  for (const Control* control : controls) {
    // Only the controls out of place move: each move is a round trip to the window manager.
    const HWND expected = previous == HWND_TOP ? GetWindow(control->hwnd(), GW_HWNDFIRST)
                                               : GetWindow(previous, GW_HWNDNEXT);
    if (expected != control->hwnd()) {
      SetWindowPos(control->hwnd(), previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    previous = control->hwnd();
  }
}

}  // namespace toolkit
