#pragma once

#include <windows.h>

#include <deque>
#include <string>

#include "core/command_line.h"
#include "core/hand_over.h"
#include "core/window_watch.h"
#include "main_window/form1.h"
#include "toolkit/timer.h"
#include "win32/caption_button_hook.h"

namespace velamo {

// What the command line asks of the running Velamo, from its own start or handed over by a
// second start: the keys, the minimize button's right click, the rules for the watch and the
// close button, and the programs to start.
class CommandLineOptions {
 public:
  CommandLineOptions(Form1& form1, WindowWatch& watch, CaptionButtonHook& hook);

  // `directory`: where the command was given, for the programs it starts.
  void Apply(const Options& options, const std::wstring& directory);

 private:
  // A second start's WM_COPYDATA: taken when well formed, and applied after the sender has its
  // answer, so that no message box of ours holds it up.
  void Receive(const COPYDATASTRUCT& data);
  void ApplyReceived();
  void SetKey(bool (Form1::*set)(Chord), const KeyOption& key);
  void Run(const std::wstring& program, const std::wstring& arguments,
           const std::wstring& directory);
  void Tell(const std::wstring& message);

  Form1& form1_;
  WindowWatch& watch_;
  CaptionButtonHook& hook_;
  toolkit::Timer watch_timer_;
  std::deque<HandOver> received_;
};

}  // namespace velamo
