#include "win32/caption_button_hook.h"

#include <utility>

#include "core/program_windows.h"
#include "win32/handle_cast.h"

namespace velamo {
namespace {

// A hook procedure gets no context of its own; there is one hook at a time.
CaptionButtonHook* active_hook = nullptr;

// Posted to the hook's thread: there are new rules to take up.
constexpr UINT kTakeNewRules = WM_APP;
// A key no keyboard has, that means nothing to any program.
constexpr WORD kUnassignedKey = 0xE8;

// Holds `lock` while it lives.
class Locked {
 public:
  explicit Locked(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
  ~Locked() { ReleaseSRWLockExclusive(&lock_); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

 private:
  SRWLOCK& lock_;
};

// The window whose working minimize button is at `at`, or null. A window that does not answer in
// time keeps its click.
HWND MinimizeButtonAt(Os& os, POINT at) {
  const HWND window = WindowFromPoint(at);
  // The style first, read without a message: a child window's button (a document's, in its
  // program's window) is left to its program.
  return window && MinimizeButtonWorks(os, ToHandle(window)) &&
                 HitTest(os, ToHandle(window), at.x, at.y) == HTMINBUTTON
             ? window
             : nullptr;
}

// Windows opens the menu of the window in front when Alt is let go with no other key pressed
// meanwhile: the F4 taken from a program leaves it so, and a key that means nothing stands in.
void MaskAlt() {
  INPUT keys[2] = {};
  for (INPUT& key : keys) {
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = kUnassignedKey;
  }
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
}

}  // namespace

CaptionButtonHook::CaptionButtonHook(HWND notify, UINT message, Os& os, bool minimize_button)
    : notify_(notify), message_(message), os_(os), minimize_button_(minimize_button), close_(os) {
  if (minimize_button) Start();
}

void CaptionButtonHook::StopMinimizeButton() {
  minimize_button_ = false;
  if (!close_rules_) Stop();
}

void CaptionButtonHook::AddCloseRule(const std::u16string& program) {
  {
    const Locked locked(new_rules_lock_);
    new_rules_.push_back(program);
  }
  close_rules_ = true;
  // A thread without its message queue yet takes the rules up once it has one.
  if (!Running()) {
    Start();
  } else {
    PostThreadMessageW(thread_id_, kTakeNewRules, 0, 0);
  }
}

void CaptionButtonHook::Start() {
  active_hook = this;
  // The thread needs little stack: it compares, asks one window, reads a program's name. Without
  // it, or without its hook, the program runs on without watching the buttons.
  thread_.reset(
      CreateThread(nullptr, 64 * 1024, Run, this, STACK_SIZE_PARAM_IS_A_RESERVATION, &thread_id_));
}

bool CaptionButtonHook::Running() const {
  return thread_ && WaitForSingleObject(thread_.get(), 0) == WAIT_TIMEOUT;
}

void CaptionButtonHook::Stop() {
  if (!thread_) return;
  if (GetCurrentThreadId() == thread_id_) {
    UnhookWindowsHookEx(mouse_hook_);
    if (keyboard_hook_) UnhookWindowsHookEx(keyboard_hook_);
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

DWORD WINAPI CaptionButtonHook::Run(void* self) {
  auto& hook = *static_cast<CaptionButtonHook*>(self);
  MSG message;
  // The queue first: rules given from now on are posted, those given before are taken below.
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
  hook.mouse_hook_ = SetWindowsHookExW(WH_MOUSE_LL, MouseProc, GetModuleHandleW(nullptr), 0);
  if (!hook.mouse_hook_) return 0;
  hook.TakeNewRules();
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == kTakeNewRules) hook.TakeNewRules();
  }
  if (hook.keyboard_hook_) UnhookWindowsHookEx(std::exchange(hook.keyboard_hook_, nullptr));
  UnhookWindowsHookEx(hook.mouse_hook_);
  return 0;
}

void CaptionButtonHook::TakeNewRules() {
  std::vector<std::u16string> rules;
  {
    const Locked locked(new_rules_lock_);
    rules.swap(new_rules_);
  }
  for (std::u16string& rule : rules) close_.AddRule(std::move(rule));
  if (!close_.empty() && !keyboard_hook_) {
    keyboard_hook_ = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProc, GetModuleHandleW(nullptr), 0);
  }
}

LRESULT CALLBACK CaptionButtonHook::MouseProc(int code, WPARAM message, LPARAM event) {
  // Every pointer movement of the session comes through here: nothing but a comparison for it.
  if (code == HC_ACTION && message != WM_MOUSEMOVE &&
      active_hook->Take(message, reinterpret_cast<const MSLLHOOKSTRUCT*>(event)->pt)) {
    return 1;
  }
  return CallNextHookEx(nullptr, code, message, event);
}

LRESULT CALLBACK CaptionButtonHook::KeyboardProc(int code, WPARAM message, LPARAM event) {
  if (code == HC_ACTION) {
    const CloseTaken taken =
        active_hook->close_.Key(message == WM_KEYDOWN || message == WM_SYSKEYDOWN,
                                message == WM_SYSKEYDOWN || message == WM_SYSKEYUP,
                                reinterpret_cast<const KBDLLHOOKSTRUCT*>(event)->vkCode);
    if (active_hook->Close(taken)) {
      if (taken.hide) MaskAlt();
      return 1;
    }
  }
  return CallNextHookEx(nullptr, code, message, event);
}

bool CaptionButtonHook::Take(WPARAM message, POINT at) {
  switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return TakeRight(message, at);
    case WM_LBUTTONDOWN:
      // Without a close rule the left button costs this comparison, and a release whose press
      // was not taken the one below.
      return !close_.empty() &&
             Close(close_.Button(true, ToHandle(WindowFromPoint(at)), at.x, at.y));
    case WM_LBUTTONUP:
      return close_.pressed() &&
             Close(close_.Button(false, ToHandle(WindowFromPoint(at)), at.x, at.y));
    default:
      return false;
  }
}

bool CaptionButtonHook::TakeRight(WPARAM message, POINT at) {
  if (message == WM_RBUTTONDOWN) {
    pressed_ = minimize_button_ ? MinimizeButtonAt(os_, at) : nullptr;
    return pressed_ != nullptr;
  }
  // The release of a press we took is ours too; it acts only over the same button.
  const HWND window = std::exchange(pressed_, nullptr);
  if (!window) return false;
  // Where the main window cannot be told, the release goes on to the program, which then does
  // what a release without its press does: nothing.
  return MinimizeButtonAt(os_, at) != window ||
         PostMessageW(notify_, message_, reinterpret_cast<WPARAM>(window), 0);
}

bool CaptionButtonHook::Close(CloseTaken taken) {
  // Where the main window cannot be told, the input goes on to the program, as if Velamo were
  // not running.
  return taken.taken &&
         (!taken.hide || PostMessageW(notify_, message_,
                                      reinterpret_cast<WPARAM>(FromHandle<HWND>(taken.hide)), 1));
}

}  // namespace velamo
