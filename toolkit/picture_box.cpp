#include "toolkit/picture_box.h"

#include "toolkit/form.h"
#include "toolkit/window_class.h"

namespace toolkit {
namespace {

const wchar_t* RegisteredPictureClass(const Application& app) {
  RegisterWindowClass(app.instance(), app.classes().picture, ObjectWindowProc<Control>, {});
  return app.classes().picture;
}

}  // namespace

PictureBox::PictureBox(const Placement& placement, const PictureStyle& style)
    : Control(placement, RegisteredPictureClass(placement.form.app()), L"",
              (style.visible ? WS_VISIBLE : 0) | WS_TABSTOP,
              style.sunken_border ? WS_EX_CLIENTEDGE : 0),
      style_(style),
      image_(style.persistent_image
                 ? std::make_unique<PersistentImage>(hwnd(), GetSysColor(COLOR_BTNFACE))
                 : nullptr) {}

void PictureBox::SetMousePointer(std::int16_t pointer) {
  mouse_pointer_ = pointer;
  // Show the change at once while the box has the mouse, as during a drag.
  POINT at;
  GetCursorPos(&at);
  if (GetCapture() == hwnd() || WindowFromPoint(at) == hwnd()) ShowPointer();
}

void PictureBox::ShowPointer() const {
  if (mouse_pointer_ == kCustomPointer && style_.custom_cursor) {
    SetCursor(style_.custom_cursor);
  } else {
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  }
}

void PictureBox::Raise(const MouseHandler& handler, std::int16_t button, WPARAM wparam,
                       LPARAM lparam) {
  RaiseMouse(handler, form().app().twips(), button, wparam, lparam);
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lparam) != HTCLIENT) break;
      ShowPointer();
      return TRUE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      // The focus too, so that keys such as Esc reach the box while it holds the mouse.
      SetFocus(hwnd());
      SetCapture(hwnd());
      Raise(MouseDown, ButtonOf(message), wparam, lparam);
      return 0;
    case WM_GETDLGCODE:
      return GetCapture() == hwnd() ? DLGC_WANTALLKEYS : 0;
    case WM_KEYDOWN:
      if (KeyDown) KeyDown(static_cast<int>(wparam));
      return 0;
    case WM_MOUSEMOVE:
      Raise(MouseMove, HeldButtons(wparam), wparam, lparam);
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      // Let go of the mouse before the handler runs, so it may open other windows.
      if (HeldButtons(wparam) == 0 && GetCapture() == hwnd()) ReleaseCapture();
      Raise(MouseUp, ButtonOf(message), wparam, lparam);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd(), message, wparam, lparam);
}

void PictureBox::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd(), &paint);
  if (image_) image_->PaintTo(dc);
  if (style_.picture) DrawIconEx(dc, 0, 0, style_.picture, 0, 0, 0, nullptr, DI_NORMAL);
  EndPaint(hwnd(), &paint);
}

}  // namespace toolkit
