#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/os.h"

namespace velamo {

// What a press or release does: `taken`, its program does not see it; `hide`, when not 0, the
// window that goes into the tray now.
struct CloseTaken {
  bool taken = false;
  Handle hide = 0;
  bool operator==(const CloseTaken&) const = default;
};

// The /close: rules, applied to the session's input as low-level hooks see it: a left click on
// the close button of a main window of a program with a rule, or Alt+F4 while one is active,
// puts that window into the tray instead of closing it. Everything else closes as before.
class CloseToTray {
 public:
  explicit CloseToTray(Os& os) : os_(os) {}

  void AddRule(std::u16string program);
  bool empty() const { return rules_.empty(); }
  // Whether a press was taken, whose release is to come.
  bool pressed() const { return pressed_ != 0; }

  // The left button going down or up at (x, y) over `window`, the window there: press and
  // release count only both over the same close button.
  CloseTaken Button(bool down, Handle window, std::int32_t x, std::int32_t y);
  // A key going down or up, by its virtual-key code; `system` when it comes as WM_SYSKEYDOWN or
  // WM_SYSKEYUP, as keys do with Alt and without Ctrl.
  CloseTaken Key(bool down, bool system, std::uint32_t key);

 private:
  struct Known {
    std::uint32_t process;
    Handle window;  // a window of it, which lives as long as the process at most
    bool ruled;
  };
  // Whether a close of `window` is ours to take: it is a shown and enabled main window of a
  // program with a rule, neither ours nor the shell's. A window of a program without a rule is
  // sent nothing.
  bool Takes(Handle window);
  // Whether `process`, which made `window`, runs a program with a rule: read once a process.
  bool Ruled(std::uint32_t process, Handle window);

  Os& os_;
  std::vector<std::u16string> rules_;
  std::vector<Known> known_;
  Handle pressed_ = 0;      // the window whose close button took the press
  std::uint32_t alts_ = 0;  // the Alt keys held: 1 the left, 2 the right
  bool f4_taken_ = false;   // F4 is held and its press was taken
};

}  // namespace velamo
