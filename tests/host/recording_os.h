#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "core/os.h"
#include "tests/host/tray_bytes.h"

namespace velamo::testing {

// A fake of the operating system that records the calls that change something, in order. Text
// is converted with the real code page 932, so double-byte rules behave as on a Japanese system.
class RecordingOs : public Os {
 public:
  // A window of the fake desktop; handles not in `windows` behave as destroyed ones.
  struct Window {
    std::u16string title;
    Handle small_icon = 0;
    Handle large_icon = 0;
    int visible = 1;
    int iconic = 0;
    Handle parent = 0;  // GetParent's answer: parent, or owner of a pop-up
    int zoomed = 0;
    std::string class_name;
    std::map<std::string, Handle> props;
  };

  std::u16string ApplicationPath() const override { return application_path; }
  std::string ToAnsi(std::u16string_view text) const override;
  std::u16string FromAnsi(std::string_view text) const override;
  void ExtractIconExA(const std::string& file, int index, Handle* large, Handle* small) override;
  // Logged as "add ID WINDOW" or "delete ID WINDOW", the window in hexadecimal.
  bool Shell_NotifyIconA(std::uint32_t message, const TrayBytes& data) override {
    char window[16];
    std::snprintf(window, sizeof window, "%x", FieldAt(data, 4));
    calls.push_back((message == kNimAdd ? "add " : "delete ") + std::to_string(FieldAt(data, 8)) +
                    " " + window);
    return true;
  }
  int GetWindowTextA(Handle window, char* buffer, int max_count) override;
  Handle GetClassLongA(Handle window, int index) override {
    return index == kGclHIconSm ? At(window).small_icon : At(window).large_icon;
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
  Handle GetParent(Handle window) override { return At(window).parent; }
  int EnumWindows(const std::function<std::int32_t(Handle window)>& callback) override;
  Handle LoadCursorA(Handle, int) override { return 0; }
  Handle SetCursor(Handle) override { return 0; }
  Handle ShellExecuteA(Handle owner, const char* verb, const char* file, const char* parameters,
                       const char* directory, int show) override;

  const Window& At(Handle window) const;
  // Adds a top-level window (listed by EnumWindows in the order added) or a child window.
  void AddWindow(Handle handle, Window window) {
    if (window.parent == 0) top_level_order.push_back(handle);
    windows[handle] = std::move(window);
  }

  std::u16string application_path = u"C:\\Tools";
  // Files that exist, with the icons each group index yields (large, small).
  std::map<std::string, std::map<int, std::pair<Handle, Handle>>> icon_files;
  std::map<Handle, Window> windows;
  std::vector<Handle> top_level_order;
  Handle shell_window = 0x10;
  Handle desktop_window = 0x11;
  // Runs inside ShellExecuteA, as window messages dispatched during the call would.
  std::function<void()> during_shell_execute;

  std::vector<std::string> calls;
};

}  // namespace velamo::testing
