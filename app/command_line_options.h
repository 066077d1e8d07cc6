#pragma once

#include <windows.h>

#include <deque>
#include <string>

#include "core/command_line.h"
#include "core/hand_over.h"
#include "core/window_watch.h"
#include "main_window/form1.h"
#include "toolkit/application.h"
#include "toolkit/timer.h"
#include "win32/caption_button_hook.h"

namespace velamo {

// What the command line asks of the running Velamo, from its own start or handed over by a
// second start: the keys, the minimize button's right click, the rules for the watch and the
// close button, and the programs to start.
class CommandLineOptions {
 public:
  CommandLineOptions(toolkit::Application& app, Form1& form1, WindowWatch& watch,
                     CaptionButtonHook& hook);

  // `directory`: where the command was given, for the programs it starts.
  void Apply(const Options& options, const std::wstring& directory);

  // A second start's WM_COPYDATA. The answer is TRUE when it is taken: well formed, with room to
  // wait. It is applied later, after the sender has its answer.
  LRESULT Receive(const COPYDATASTRUCT& data);

 private:
  // Applies the hand-over waiting longest, one at a time and never while a message box of ours
  // is open: that box's loop would take the next one, whose own box would open inside it.
  void ApplyWaiting();
  // The watch's timer at the pace the watch asks for, off when there is nothing to look for.
  void WatchAtItsPace();
  void SetKey(bool (Form1::*set)(Chord), const KeyOption& key);
  void Run(const std::wstring& program, const std::wstring& arguments,
           const std::wstring& directory);
  void Tell(const std::wstring& message);

  toolkit::Application& app_;
  Form1& form1_;
  WindowWatch& watch_;
  CaptionButtonHook& hook_;
  toolkit::Timer watch_timer_;
  std::deque<HandOver> waiting_;
  bool applying_ = false;
  toolkit::Timer apply_timer_;  // ticks while hand-overs wait
};

}  // namespace velamo
