#pragma once

#include "core/os.h"

namespace velamo {

// The shared procedures' calls, made on the real Windows APIs. It keeps no state: the caption
// button hook's thread calls it too.
class Win32Os : public Os {
 public:
  std::u16string ApplicationPath() const override;
  std::string ToAnsi(std::u16string_view text) const override;
  std::u16string FromAnsi(std::string_view text) const override;
  void ExtractIconExA(const std::string& file, int index, Handle* large, Handle* small) override;
  bool Shell_NotifyIconA(std::uint32_t message, const TrayBytes& data) override;
  int GetWindowTextA(Handle window, char* buffer, int max_count) override;
  Handle GetClassLongA(Handle window, int index) override;
  int ShowWindowAsync(Handle window, int command) override;
  int IsZoomed(Handle window) override;
  std::string GetClassNameA(Handle window) override;
  Handle GetShellWindow() override;
  Handle GetDesktopWindow() override;
  int SetPropA(Handle window, const char* name, Handle value) override;
  Handle GetPropA(Handle window, const char* name) override;
  Handle RemovePropA(Handle window, const char* name) override;
  int IsDBCSLeadByte(unsigned char byte) override;
  int IsWindowVisible(Handle window) override;
  int IsIconic(Handle window) override;
  int IsHungAppWindow(Handle window) override;
  Handle GetParent(Handle window) override;
  std::uint32_t GetWindowLongA(Handle window, int index) override;
  std::uint32_t GetWindowThreadProcessId(Handle window) override;
  std::uint32_t GetCurrentProcessId() override;
  Handle GetWindow(Handle window, int command) override;
  Handle GetForegroundWindow() override;
  int SendMessageTimeoutW(Handle window, std::uint32_t message, std::uintptr_t wparam,
                          std::intptr_t lparam, std::uint32_t flags, std::uint32_t timeout,
                          std::uintptr_t* result) override;
  std::u16string ProcessImageName(std::uint32_t process) override;
  std::vector<ProcessParent> ProcessParents() override;
  int CompareStringOrdinal(std::u16string_view a, std::u16string_view b, bool ignore_case) override;
  std::uint32_t GetTickCount() override;
  int EnumWindows(const std::function<std::int32_t(Handle window)>& callback) override;
  Handle LoadCursorA(Handle instance, int resource) override;
  Handle SetCursor(Handle cursor) override;
  Handle ShellExecuteA(Handle owner, const char* verb, const char* file, const char* parameters,
                       const char* directory, int show) override;
};

}  // namespace velamo
