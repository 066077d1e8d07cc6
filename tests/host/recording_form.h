#pragma once

#include <string>
#include <vector>

#include "core/main_window_port.h"

namespace velamo::testing {

// A main window that records what the shared procedures ask of it, in one log with the OS calls.
class RecordingForm : public MainWindowPort {
 public:
  explicit RecordingForm(std::vector<std::string>& log) : log_(log) {}
  void Show() override { log_.push_back("Form1.Show"); }

 private:
  std::vector<std::string>& log_;
};

}  // namespace velamo::testing
