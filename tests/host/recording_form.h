#pragma once

#include <string>
#include <vector>

#include "core/main_window_port.h"

namespace velamo::testing {

// A main window that records what the shared procedures ask of it, in one log with the OS calls,
// and keeps its list of titles.
class RecordingForm : public MainWindowPort {
 public:
  static constexpr Handle kWindow = 0x1000;
  static constexpr Handle kFirstCallbackBox = 0x9000;

  explicit RecordingForm(std::vector<std::string>& log) : log_(log) {}

  void Show() override { log_.push_back("Form1.Show"); }
  Handle WindowHandle() const override { return kWindow; }
  Handle LoadCallbackBox(Index index) override {
    log_.push_back("Load Picture1(" + std::to_string(index) + ")");
    return kFirstCallbackBox + index;
  }
  void ClearList() override {
    log_.push_back("List1.Clear");
    list.clear();
  }
  void AddListItem(std::u16string_view title) override {
    log_.push_back("List1.AddItem");
    list.emplace_back(title);
  }
  void ReportTableFull() override { log_.push_back("ReportTableFull"); }

  std::vector<std::u16string> list;

 private:
  std::vector<std::string>& log_;
};

}  // namespace velamo::testing
