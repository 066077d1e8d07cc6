#include "core/close_to_tray.h"

#include <algorithm>
#include <utility>

#include "core/program_windows.h"

namespace velamo {
namespace {

constexpr std::uintptr_t kHtClose = 20;
constexpr std::uint32_t kVkMenu = 0x12, kVkF4 = 0x73, kVkLMenu = 0xA4, kVkRMenu = 0xA5;

}  // namespace

void CloseToTray::AddRule(std::u16string program) {
  rules_.push_back(std::move(program));
  known_.clear();
}

CloseTaken CloseToTray::Button(bool down, Handle window, std::int32_t x, std::int32_t y) {
  if (down) {
    pressed_ = Takes(window) && HitTest(os_, window, x, y) == kHtClose ? window : 0;
    return {pressed_ != 0};
  }
  // The release of a press we took is ours too; it acts only over the same button.
  const Handle pressed = std::exchange(pressed_, 0);
  if (pressed == 0) return {};
  return {true, window == pressed && HitTest(os_, window, x, y) == kHtClose ? pressed : 0};
}

CloseTaken CloseToTray::Key(bool down, bool system, std::uint32_t key) {
  // Under Wine the hook's flags never say that Alt is held: its own presses and releases do.
  if (key == kVkMenu || key == kVkLMenu || key == kVkRMenu) {
    const std::uint32_t alt = key == kVkRMenu ? 2 : 1;
    alts_ = down ? alts_ | alt : alts_ & ~alt;
    return {};
  }
  if (key != kVkF4) return {};
  if (!down) {
    // The release goes on to the window: under Wine it ends the Alt press that would open the
    // window's menu when Alt is let go.
    f4_taken_ = false;
    return {};
  }
  if (f4_taken_) return {true};  // the held key repeating
  // With Ctrl held too, F4 comes as WM_KEYDOWN and closes nothing.
  if (alts_ == 0 || !system) return {};
  const Handle active = os_.GetForegroundWindow();
  if (!Takes(active)) return {};
  f4_taken_ = true;
  return {true, active};
}

bool CloseToTray::Takes(Handle window) {
  const std::uint32_t process = os_.GetWindowThreadProcessId(window);
  if (process == 0 || process == os_.GetCurrentProcessId() || !Ruled(process, window)) {
    return false;
  }
  // A child window's press is not on its top-level window's close button.
  return IsShownEnabledMainWindow(os_, window) && !IsShellWindow(os_, window);
}

bool CloseToTray::Ruled(std::uint32_t process, Handle window) {
  // A process's id is given again only after it ended, and its windows with it.
  const auto alive = [this](const Known& known) {
    return os_.GetWindowThreadProcessId(known.window) == known.process;
  };
  const auto known = std::ranges::find(known_, process, &Known::process);
  if (known != known_.end() && (known->window == window || alive(*known))) return known->ruled;
  std::erase_if(known_, [&](const Known& known) { return !alive(known); });
  const bool ruled = MatchesProgram(os_, rules_, os_.ProcessImageName(process));
  known_.push_back({process, window, ruled});
  return ruled;
}

}  // namespace velamo
