#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/main_window_port.h"

namespace velamo::testing {

// A main window that keeps its list, callback boxes and tray menu items, and records in the same
// log as the system calls what else the shared procedures ask of it.
class RecordingForm : public MainWindowPort {
 public:
  static constexpr Handle kWindow = 0x1000;
  static constexpr Handle kFirstCallbackBox = 0x9000;

  explicit RecordingForm(std::vector<std::string>& log) : log_(log) {}

  void Show() override { log_.push_back("Form1.Show"); }
  Handle WindowHandle() const override { return kWindow; }
  Handle LoadCallbackBox(Index index) override {
    boxes.push_back(index);
    return CallbackBox(index);
  }
  Handle CallbackBox(Index index) const override { return kFirstCallbackBox + index; }
  void UnloadCallbackBox(Index index) override {
    log_.push_back("Unload Picture1(" + std::to_string(index) + ")");
    std::erase(boxes, index);
  }
  void ClearList() override { list.clear(); }
  void AddListItem(std::u16string_view title) override { list.emplace_back(title); }
  void RemoveListItem(int line) override { list.erase(list.begin() + line); }
  int ListCount() const override { return static_cast<int>(list.size()); }
  bool ListSelected(int) const override { return false; }
  Index WindowMenuUpperBound() const override { return menu.empty() ? 0 : menu.rbegin()->first; }
  void LoadWindowMenuItem(Index index, std::u16string_view caption) override {
    menu[index] = caption;
  }
  void UnloadWindowMenuItem(Index index) override { menu.erase(index); }
  void EnableWindowMenu(bool enabled) override { menu_enabled = enabled; }
  bool AskQuit() override {
    log_.push_back("AskQuit");
    if (during_question) during_question();
    return answer_yes;
  }
  void ReportTableFull() override { log_.push_back("ReportTableFull"); }

  std::vector<std::u16string> list;
  std::vector<Index> boxes;
  std::map<Index, std::u16string> menu;  // items 1..k
  bool menu_enabled = false;
  bool answer_yes = true;
  std::function<void()> during_question;

 private:
  std::vector<std::string>& log_;
};

}  // namespace velamo::testing
