#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/module1.h"
#include "core/os.h"

namespace velamo {

// The command line's rules and started programs: the desktop's top-level windows are looked at
// on every tick of a timer, as nothing tells a program of other programs' minimizing under Wine,
// and hidden by the way the scan hides them. No rule takes a window of Velamo's own program.
class WindowWatch {
 public:
  WindowWatch(Os& os, Module1& module) : os_(os), module_(module) {}

  // Every window of `program` (an executable's file name or full path) goes into the tray when
  // it is minimized.
  void AddMinimizedRule(std::u16string program);
  // Every main window of `program` goes into the tray when it first shows, those shown already
  // too; one brought back stays.
  void AddOpenRule(std::u16string program);
  // The first main window of `process`, or of a process started from it since (by way of
  // launchers that have ended too), goes into the tray when it shows, if that is within a
  // minute from now. Never a window of a process that was running before.
  void WatchStartedProcess(std::uint32_t process);

  // Whether there is anything to look for: the timer runs only then.
  bool Active() const { return !minimized_.empty() || !open_.empty() || !started_.empty(); }
  // How often to look, in milliseconds: more often while a started program's family is
  // followed, so that a launcher that ends at once is seen.
  int Interval() const { return started_.empty() ? 250 : 50; }
  // One look at the windows.
  void Look();

 private:
  // A top-level window as first seen, kept while it exists: its program never changes, so which
  // rules can take it is worked out once.
  struct Known {
    Handle window = 0;
    std::uint32_t process = 0;
    bool ours = false;  // of Velamo's own program: no rule takes it
    bool minimized_rule = false;
    bool open_rule = false;
    bool opened = false;  // an open rule has seen it shown
  };
  struct Started {
    ProcessParent process;              // its parent once seen: an id used again has another
    std::uint32_t since;                // tick count when started
    std::vector<ProcessParent> family;  // processes started from it since, alive or not
  };

  Known Recall(Handle window);
  void Classify(Known& known);
  // One process list: each family takes in the processes started from it.
  void FollowFamilies();
  std::vector<Started>::iterator StartedFamilyOf(std::uint32_t process);
  // Each process's program, read once while it has windows.
  const std::u16string& ImageOf(std::uint32_t process);

  Os& os_;
  Module1& module_;
  std::vector<std::u16string> minimized_;
  std::vector<std::u16string> open_;
  std::vector<Started> started_;
  std::vector<ProcessParent> before_;  // the processes running when the last start was watched
  std::vector<Known> known_;           // by window handle
  bool rules_changed_ = false;
  std::vector<std::pair<std::uint32_t, std::u16string>> images_;
  std::u16string own_image_;
  bool looking_ = false;
};

}  // namespace velamo
