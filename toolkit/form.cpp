#include "toolkit/form.h"

#include <algorithm>

#include "toolkit/control.h"
#include "toolkit/menu.h"
#include "toolkit/timer.h"
#include "toolkit/window_class.h"

namespace toolkit {
namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

}  // namespace

Form::Form(Application& app, const FormStyle& style) : app_(app), style_(style) {
  // The program's icon comes with the class: set on each window, it would cost every form a
  // second conversion of the images for the window manager.
  RegisterWindowClass(app_.instance(), app_.classes().form, ObjectWindowProc<Form>,
                      {app_.large_icon(), app_.small_icon(), LoadCursorW(nullptr, IDC_ARROW)});
  const DWORD ex_style = WS_EX_CONTROLPARENT | (style_.show_in_taskbar ? WS_EX_APPWINDOW : 0) |
                         (style_.dialog_frame ? WS_EX_DLGMODALFRAME : 0);
  // Made at its size and with its menu bar: every later change of a window's frame costs a
  // full layout pass.
  const HMENU bar = style_.menu_bar ? style_.menu_bar->handle() : nullptr;
  RECT frame{0, 0, app_.twips().ToPixels(style_.client_width),
             app_.twips().ToPixels(style_.client_height)};
  AdjustWindowRectEx(&frame, kFormStyle, bar != nullptr, ex_style);
  window_.reset(CreateWindowExW(ex_style, app_.classes().form, style_.caption.c_str(), kFormStyle,
                                CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                frame.bottom - frame.top, nullptr, bar, app_.instance(), nullptr));
  SetWindowLongPtrW(hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (style_.menu_bar) style_.menu_bar->ShownIn(hwnd());
  FitClientArea();
  // A dialog frame shows the class's icon in its caption only when the window has it too.
  if (style_.dialog_frame) {
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, LPARAM(app_.large_icon()));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, LPARAM(app_.small_icon()));
  }
  app_.FormLoaded(*this);
}

Form::~Form() {
  // The menu bar belongs to its Menu object, not to the window.
  if (style_.menu_bar) style_.menu_bar->ShownIn(nullptr);
  if (loaded_) app_.FormUnloaded(*this);
}

Control* Form::ControlOf(HWND window) const {
  if (!window || GetAncestor(window, GA_PARENT) != hwnd()) return nullptr;
  return reinterpret_cast<Control*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void Form::FitClientArea() {
  const int width = app_.twips().ToPixels(style_.client_width);
  const int height = app_.twips().ToPixels(style_.client_height);
  // The frame was made for a one-line bar or none; a bar that wraps takes more.
  RECT client;
  GetClientRect(hwnd(), &client);
  if (client.bottom == height && client.right == width) return;
  RECT window_rect;
  GetWindowRect(hwnd(), &window_rect);
  SetWindowPos(hwnd(), nullptr, 0, 0, window_rect.right - window_rect.left + width - client.right,
               window_rect.bottom - window_rect.top + height - client.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Show() {
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  if (!shown_once_) {
    shown_once_ = true;
    FocusFirstControl();
  }
}

void Form::ShowModal(Form& owner) {
  modal_owner_ = owner.hwnd();
  SetWindowLongPtrW(hwnd(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(modal_owner_));
  RECT over, own;
  GetWindowRect(modal_owner_, &over);
  GetWindowRect(hwnd(), &own);
  SetWindowPos(hwnd(), nullptr, over.left + ((over.right - over.left) - (own.right - own.left)) / 2,
               over.top + ((over.bottom - over.top) - (own.bottom - own.top)) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EnableWindow(modal_owner_, FALSE);
  Show();
  MSG message;
  while (loaded_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));  // for the outer loop
      break;
    }
    if (got == -1) break;
    app_.DispatchOne(message);
  }
  EnableWindow(modal_owner_, TRUE);
  modal_owner_ = nullptr;
}

void Form::Hide() { ShowWindow(hwnd(), SW_HIDE); }

bool Form::Unload(UnloadReason reason) {
  if (!loaded_) return true;
  std::int16_t cancel = 0;
  if (QueryUnload) QueryUnload(cancel, reason);
  if (cancel != 0) return false;
  // The owner takes input again before this form goes, so the activation returns to it.
  if (modal_owner_) EnableWindow(modal_owner_, TRUE);
  Hide();
  loaded_ = false;
  app_.FormUnloaded(*this);
  return true;
}

void Form::FocusFirstControl() {
  if (HWND first = GetNextDlgTabItem(hwnd(), nullptr, FALSE)) SetFocus(first);
}

void Form::PopupMenu(HMENU menu, UINT flags) {
  POINT at;
  GetCursorPos(&at);
  // A menu takes keys, and closes on a click elsewhere, only while its owner is in front. A
  // hidden form is not, under Wine: it lends the menu a window of one pixel under the pointer.
  win32::UniqueWindow stand_in;
  HWND owner = hwnd();
  if (!IsWindowVisible(owner)) {
    stand_in.reset(CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, app_.classes().form, L"",
                                   WS_POPUP | WS_VISIBLE, at.x, at.y, 1, 1, nullptr, nullptr,
                                   app_.instance(), nullptr));
    if (stand_in) owner = stand_in.get();
  }
  SetForegroundWindow(owner);
  const UINT chosen =
      TrackPopupMenuEx(menu, flags | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
  if (chosen != 0) app_.RunCommand(chosen);
}

void Form::AddTimer(Timer& timer) { timers_.push_back(&timer); }

void Form::RemoveTimer(Timer& timer) { std::erase(timers_, &timer); }

LRESULT Form::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (lparam != 0) {
        if (Control* control = ControlOf(reinterpret_cast<HWND>(lparam))) {
          control->OnCommand(HIWORD(wparam));
        }
      } else if (wparam == IDOK) {
        // Enter, as the dialog manager reports it when no button is the default: it acts on the
        // push button that has the focus, if any.
        const HWND focus = GetFocus();
        Control* control = ControlOf(focus);
        if (control && (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON)) {
          control->OnCommand(BN_CLICKED);
        }
      } else if (HIWORD(wparam) == 0) {
        app_.RunCommand(LOWORD(wparam));
      }
      return 0;
    case WM_VSCROLL:
      if (Control* control = ControlOf(reinterpret_cast<HWND>(lparam))) {
        control->OnScroll(LOWORD(wparam));
      }
      return 0;
    case WM_TIMER: {
      const auto found = std::ranges::find(timers_, reinterpret_cast<Timer*>(wparam));
      if (found != timers_.end()) (*found)->Tick();
      return 0;
    }
    case WM_ACTIVATE:
      // Give the focus back to the control that had it when the form was last left.
      if (LOWORD(wparam) == WA_INACTIVE) {
        saved_focus_ = GetFocus();
      } else if (saved_focus_ && IsChild(hwnd(), saved_focus_)) {
        SetFocus(saved_focus_);
        return 0;
      }
      return DefWindowProcW(hwnd(), message, wparam, lparam);
    case WM_PAINT:
      drawn_.Paint();
      return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      drawn_.OnMouse(message, wparam, lparam, MouseMove);
      return DefWindowProcW(hwnd(), message, wparam, lparam);
    case WM_CLOSE:
      Unload(kUnloadFromControlMenu);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;  // a question now would hold up the shutdown
    case WM_ENDSESSION:
      if (wparam && loaded_) {
        if (SessionEnd) SessionEnd();
        loaded_ = false;
        app_.FormUnloaded(*this);
      }
      return 0;
    default:
      if (OtherMessage) {
        if (const std::optional<LRESULT> answer = OtherMessage(message, wparam, lparam)) {
          return *answer;
        }
      }
      return DefWindowProcW(hwnd(), message, wparam, lparam);
  }
}

}  // namespace toolkit
