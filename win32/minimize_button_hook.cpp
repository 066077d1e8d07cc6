#include "win32/minimize_button_hook.h"

#include <utility>

namespace velamo {
namespace {

// A hook procedure gets no context of its own; there is one hook at a time.
MinimizeButtonHook* active_hook = nullptr;

// The longest a click waits for a window to say what lies under the pointer.
constexpr UINT kHitTestTimeout = 50;

// A greyed button (no minimize box) or a disabled window cannot minimize.
bool MinimizeWorks(HWND window) {
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  return (style & WS_MINIMIZEBOX) && !(style & WS_DISABLED);
}

// The window whose working minimize button is at `at`, or null. A window that does not answer in
// time keeps its click.
HWND MinimizeButtonAt(POINT at) {
  HWND window = WindowFromPoint(at);
  DWORD_PTR hit = HTNOWHERE;
  // SMTO_BLOCK: no other mouse event is taken while this one is undecided.
  if (!window ||
      !SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y),
                           SMTO_ABORTIFHUNG | SMTO_BLOCK, kHitTestTimeout, &hit) ||
      hit != HTMINBUTTON || !MinimizeWorks(window)) {
    return nullptr;
  }
  return window;
}

}  // namespace

MinimizeButtonHook::MinimizeButtonHook(HWND notify, UINT message)
    : notify_(notify), message_(message) {
  active_hook = this;
  // The thread needs little stack: it only compares and asks one window. Without it, or without
  // its hook, the program runs on without the right click.
  thread_.reset(
      CreateThread(nullptr, 64 * 1024, Run, this, STACK_SIZE_PARAM_IS_A_RESERVATION, &thread_id_));
}

bool MinimizeButtonHook::Running() const {
  return thread_ && WaitForSingleObject(thread_.get(), 0) == WAIT_TIMEOUT;
}

void MinimizeButtonHook::Stop() {
  if (!thread_) return;
  if (GetCurrentThreadId() == thread_id_) {
    UnhookWindowsHookEx(hook_);
    return;
  }
  // Until the thread has its message queue, the quit message cannot be posted.
  while (!PostThreadMessageW(thread_id_, WM_QUIT, 0, 0) &&
         WaitForSingleObject(thread_.get(), 1) == WAIT_TIMEOUT) {
  }
  WaitForSingleObject(thread_.get(), INFINITE);
  thread_.reset();
  active_hook = nullptr;
}

DWORD WINAPI MinimizeButtonHook::Run(void* self) {
  auto& hook = *static_cast<MinimizeButtonHook*>(self);
  hook.hook_ = SetWindowsHookExW(WH_MOUSE_LL, MouseProc, GetModuleHandleW(nullptr), 0);
  if (!hook.hook_) return 0;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  UnhookWindowsHookEx(hook.hook_);
  return 0;
}

LRESULT CALLBACK MinimizeButtonHook::MouseProc(int code, WPARAM message, LPARAM event) {
  // Every pointer movement of the session comes through here: nothing but a comparison for it.
  if (code == HC_ACTION && (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP) &&
      active_hook->Take(message, reinterpret_cast<const MSLLHOOKSTRUCT*>(event)->pt)) {
    return 1;
  }
  return CallNextHookEx(nullptr, code, message, event);
}

bool MinimizeButtonHook::Take(WPARAM message, POINT at) {
  if (message == WM_RBUTTONDOWN) {
    pressed_ = MinimizeButtonAt(at);
    return pressed_ != nullptr;
  }
  // The release of a press we took is ours too; it acts only over the same button.
  const HWND window = std::exchange(pressed_, nullptr);
  if (!window) return false;
  // Where the main window cannot be told, the release goes on to the program, which then does
  // what a release without its press does: nothing.
  return MinimizeButtonAt(at) != window ||
         PostMessageW(notify_, message_, reinterpret_cast<WPARAM>(window), 0);
}

}  // namespace velamo
