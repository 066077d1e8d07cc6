#include "toolkit/hot_key.h"

#include "toolkit/form.h"

namespace toolkit {
namespace {

// How often a held chord's key is looked at until it is released: a person cannot press it
// twice faster than that.
constexpr int kReleaseWatchInterval = 30;

}  // namespace

HotKey::HotKey(Form& form, int id, UINT modifiers, UINT key, std::function<void()> pressed)
    : window_(form.hwnd()),
      id_(id),
      key_(key),
      registered_(RegisterHotKey(window_, id, modifiers | MOD_NOREPEAT, key)),
      pressed_(std::move(pressed)),
      release_watch_(form) {
  release_watch_.OnTimer = [this] {
    if (GetAsyncKeyState(key_) >= 0) {
      held_ = false;
      release_watch_.SetInterval(0);
    }
  };
}

HotKey::~HotKey() {
  if (registered_) UnregisterHotKey(window_, id_);
}

void HotKey::OnHotKey() {
  if (held_) return;
  held_ = true;
  release_watch_.SetInterval(kReleaseWatchInterval);
  pressed_();
}

}  // namespace toolkit
