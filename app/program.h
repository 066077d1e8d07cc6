#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/command_line_options.h"
#include "core/command_line.h"
#include "core/module1.h"
#include "core/window_watch.h"
#include "main_window/form1.h"
#include "toolkit/application.h"
#include "win32/caption_button_hook.h"
#include "win32/win32_os.h"

namespace velamo {

// The running Velamo: its shared state, its windows and what watches the desktop, and the one
// place where the main window's own messages arrive.
class Program {
 public:
  // `options`: the command line's, given where `directory` is.
  Program(const Options& options, const std::wstring& directory);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Runs until the main window unloads; returns the exit code.
  int Run() { return app_.Run(); }

 private:
  // Every message of Velamo's own, and every message of the system's that Velamo answers beyond
  // what its forms do, one case each.
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wparam, LPARAM lparam);

  toolkit::Application app_;
  Win32Os os_;
  Module1 module_{os_};
  Form1 form1_{app_, module_, os_};
  CaptionButtonHook hook_;
  WindowWatch watch_{os_, module_};
  CommandLineOptions options_;
  // Registered messages; 0 where the registration failed, which no message matches.
  UINT taskbar_created_;
  UINT bring_up_;
};

}  // namespace velamo
