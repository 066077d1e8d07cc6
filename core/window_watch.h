#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/module1.h"
#include "core/os.h"

namespace velamo {

// The command line's rules and started programs: the desktop's top-level windows are looked at
// on every tick of a timer, as nothing tells a program of other programs' minimizing under Wine,
// and hidden by the way the scan hides them.
class WindowWatch {
 public:
  WindowWatch(Os& os, Module1& module) : os_(os), module_(module) {}

  // Every window of `program` (an executable's file name or full path) goes into the tray when
  // it is minimized.
  void AddMinimizedRule(std::u16string program) { minimized_.push_back(std::move(program)); }
  // Every main window of `program` goes into the tray when it first shows, those shown already
  // too; one brought back stays.
  void AddOpenRule(std::u16string program) { open_.push_back(std::move(program)); }
  // The first main window of `process`, or of a process it starts, goes into the tray when it
  // shows, if that is within a minute from now.
  void WatchStartedProcess(std::uint32_t process);

  // Whether there is anything to look for: the timer runs only then.
  bool Active() const { return !minimized_.empty() || !open_.empty() || !started_.empty(); }
  // One look at the windows.
  void Look();

 private:
  struct Started {
    std::uint32_t process;
    std::uint32_t since;                   // tick count when started
    std::vector<std::uint32_t> family;     // processes started from it
    std::vector<std::uint32_t> strangers;  // and those that are not
  };
  // Each process's program, read once while it has windows.
  using Images = std::vector<std::pair<std::uint32_t, std::u16string>>;

  // `parents`: the processes' family tree, taken once a look when first needed.
  bool InFamily(Started& started, std::uint32_t process,
                std::optional<std::vector<ProcessParent>>& parents);
  const std::u16string& ImageOf(std::uint32_t process, Images& now);

  Os& os_;
  Module1& module_;
  std::vector<std::u16string> minimized_;
  std::vector<std::u16string> open_;
  std::vector<Started> started_;
  Images images_;
  std::vector<Handle> opened_;  // windows an open rule has seen shown
  bool looking_ = false;
};

}  // namespace velamo
