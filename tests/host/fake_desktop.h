#pragma once

#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/main_window_port.h"
#include "core/os.h"

namespace velamo::testing {

// The system and the main window as the shared procedures see them, faked, with one log of the
// calls that change something. Text is converted with the real code page 932, so double-byte
// rules behave as on a Japanese system.
class FakeDesktop : public Os, public MainWindowPort {
 public:
  static constexpr Handle kWindow = 0x1000;  // the main window; its callback boxes are 900n
  static constexpr std::uint32_t kOurProcess = 1;

  // A window of the fake desktop; handles not in `windows` behave as destroyed ones.
  struct Window {
    std::u16string title;
    Handle small_icon = 0;
    int visible = 1;
    int iconic = 0;
    Handle parent = 0;  // GetParent's answer: parent, or owner of a pop-up
    int zoomed = 0;
    std::string class_name;
    std::map<std::string, Handle> props;
    std::uint32_t style = 0x20000;  // WS_MINIMIZEBOX
    std::uint32_t process = 2;
    std::uint32_t ex_style = 0;
    Handle owner = 0;
    int hung = 0;
    std::int32_t hit = 1;  // its answer to WM_NCHITTEST (HTCLIENT); -1 none in time
  };
  struct Process {
    std::u16string image;
    std::uint32_t parent = 0;
  };
  const Window& At(Handle window) const;
  // Adds a top-level window (listed by EnumWindows in the order added) or a child window.
  void AddWindow(Handle handle, Window window) {
    if (window.parent == 0) top_level_order.push_back(handle);
    windows[handle] = std::move(window);
  }

  std::u16string ApplicationPath() const override { return application_path; }
  std::string ToAnsi(std::u16string_view text) const override;
  std::u16string FromAnsi(std::string_view text) const override;
  void ExtractIconExA(const std::string& file, int index, Handle* large, Handle* small) override;
  // Logged as "add ID WINDOW", "modify ID WINDOW" with " icon" and " tip" as changed, or
  // "delete ID WINDOW", the window in hexadecimal.
  bool Shell_NotifyIconA(std::uint32_t message, const TrayBytes& data) override {
    char window[16];
    std::snprintf(window, sizeof window, "%x", FieldOf(data, kHWndAt));
    std::string changed;
    if (message == kNimModify) {
      if (FieldOf(data, kUFlagsAt) & kNifIcon) changed += " icon";
      if (FieldOf(data, kUFlagsAt) & kNifTip) changed += " tip";
    }
    calls.push_back(std::string(message == kNimAdd      ? "add "
                                : message == kNimModify ? "modify "
                                                        : "delete ") +
                    std::to_string(FieldOf(data, kUIDAt)) + " " + window + changed);
    return true;
  }
  int GetWindowTextA(Handle window, char* buffer, int max_count) override;
  Handle GetClassLongA(Handle window, int index) override {
    return index == kGclHIconSm ? At(window).small_icon : 0;
  }
  int ShowWindowAsync(Handle window, int command) override;
  int IsZoomed(Handle window) override { return At(window).zoomed; }
  std::string GetClassNameA(Handle window) override { return At(window).class_name; }
  Handle GetShellWindow() override { return shell_window; }
  Handle GetDesktopWindow() override { return desktop_window; }
  int SetPropA(Handle window, const char* name, Handle value) override {
    calls.push_back("SetPropA " + std::to_string(window) + " " + name + " " +
                    std::to_string(value));
    return windows.contains(window) && (windows[window].props[name] = value);
  }
  Handle GetPropA(Handle window, const char* name) override {
    return At(window).props.contains(name) ? At(window).props.at(name) : 0;
  }
  Handle RemovePropA(Handle window, const char* name) override {
    const Handle value = GetPropA(window, name);
    if (value != 0) windows[window].props.erase(name);
    return value;
  }
  int IsDBCSLeadByte(unsigned char byte) override {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
  }
  int IsWindowVisible(Handle window) override { return At(window).visible; }
  int IsIconic(Handle window) override { return At(window).iconic; }
  int IsHungAppWindow(Handle window) override { return At(window).hung; }
  Handle GetParent(Handle window) override { return At(window).parent; }
  std::uint32_t GetWindowLongA(Handle window, int index) override {
    ++window_queries;
    const Window& w = At(window);
    if (index != kGwlStyle) return w.ex_style;
    return w.style | (w.visible ? kWsVisible : 0) | (w.iconic ? kWsMinimize : 0);
  }
  Handle GetWindow(Handle window, int) override { return At(window).owner; }
  Handle GetForegroundWindow() override { return foreground; }
  // Answers WM_NCHITTEST, logged as "SendMessageTimeoutW WINDOW LPARAM".
  int SendMessageTimeoutW(Handle window, std::uint32_t, std::uintptr_t, std::intptr_t lparam,
                          std::uint32_t, std::uint32_t, std::uintptr_t* result) override {
    calls.push_back("SendMessageTimeoutW " + std::to_string(window) + " " + std::to_string(lparam));
    *result = At(window).hit;
    return At(window).hit >= 0;
  }
  std::uint32_t GetWindowThreadProcessId(Handle window) override {
    ++window_queries;
    return window == kWindow ? kOurProcess : At(window).process;
  }
  std::uint32_t GetCurrentProcessId() override { return kOurProcess; }
  std::u16string ProcessImageName(std::uint32_t process) override {
    calls.push_back("ProcessImageName " + std::to_string(process));
    return processes[process].image;
  }
  std::vector<ProcessParent> ProcessParents() override {
    calls.push_back("ProcessParents");
    std::vector<ProcessParent> parents;
    for (const auto& [process, about] : processes) parents.push_back({process, about.parent});
    return parents;
  }
  int CompareStringOrdinal(std::u16string_view a, std::u16string_view b, bool) override;
  std::uint32_t GetTickCount() override { return tick; }
  int EnumWindows(const std::function<std::int32_t(Handle window)>& callback) override;
  Handle LoadCursorA(Handle, int) override { return 0; }
  Handle SetCursor(Handle) override { return 0; }
  Handle ShellExecuteA(Handle owner, const char* verb, const char* file, const char* parameters,
                       const char* directory, int show) override;

  void Show() override { calls.push_back("Form1.Show"); }
  Handle WindowHandle() const override { return kWindow; }
  Handle LoadCallbackBox(Index index) override { return CallbackBox(index); }
  Handle CallbackBox(Index index) const override { return 0x9000 + index; }
  void UnloadCallbackBox(Index index) override {
    calls.push_back("Unload Picture1(" + std::to_string(index) + ")");
  }
  void ClearList() override { list.clear(); }
  void SetListItem(int line, std::u16string_view title) override { list.at(line) = title; }
  void AddListItem(std::u16string_view title) override { list.emplace_back(title); }
  // As a list box does, the lines below move up with their selection.
  void RemoveListItem(int line) override {
    list.erase(list.begin() + line);
    std::set<int> moved;
    for (int s : selected) {
      if (s != line) moved.insert(s < line ? s : s - 1);
    }
    selected = moved;
  }
  int ListCount() const override { return static_cast<int>(list.size()); }
  bool ListSelected(int line) const override { return selected.contains(line); }
  Index WindowMenuUpperBound() const override { return menu.empty() ? 0 : menu.rbegin()->first; }
  void LoadWindowMenuItem(Index index, std::u16string_view caption) override {
    menu[index] = caption;
  }
  void UnloadWindowMenuItem(Index index) override { menu.erase(index); }
  void SetWindowMenuItem(Index index, std::u16string_view caption) override {
    menu.at(index) = caption;
  }
  void WatchHiddenWindows(bool on) override { watching_hidden = on; }
  void EnableWindowMenu(bool enabled) override { menu_enabled = enabled; }
  bool AskQuit() override {
    calls.push_back("AskQuit");
    return quit_answer;
  }
  void ReportTableFull() override { calls.push_back("ReportTableFull"); }

  std::u16string application_path = u"C:\\Tools";
  // Files that exist, with the icons each group index yields (large, small).
  std::map<std::string, std::map<int, std::pair<Handle, Handle>>> icon_files;
  std::map<Handle, Window> windows;
  std::vector<Handle> top_level_order;
  std::map<std::uint32_t, Process> processes;
  std::uint32_t tick = 0;
  Handle shell_window = 0x10;
  Handle desktop_window = 0x11;
  Handle foreground = 0;
  // Runs inside ShellExecuteA, as window messages dispatched during the call would.
  std::function<void()> during_shell_execute;

  std::vector<std::u16string> list;
  std::set<int> selected;  // lines selected in the list
  bool quit_answer = true;
  std::map<Index, std::u16string> menu;  // items 1..k
  bool menu_enabled = false;
  bool watching_hidden = false;

  std::vector<std::string> calls;
  int window_queries = 0;  // reads of another window's style or process
};

}  // namespace velamo::testing
