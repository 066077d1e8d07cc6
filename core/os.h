#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/tray_record.h"
#include "core/types.h"

namespace velamo {

inline constexpr int kGclHIconSm = -34;
inline constexpr int kGclHIcon = -14;
inline constexpr int kSwHide = 0;
inline constexpr int kSwShowNormal = 1;
inline constexpr int kSwShowMaximized = 3;
inline constexpr int kSwShowNa = 8;
inline constexpr int kSwRestore = 9;
inline constexpr int kGwlStyle = -16;
inline constexpr int kGwlExStyle = -20;
inline constexpr std::uint32_t kWsMinimize = 0x20000000;
inline constexpr std::uint32_t kWsVisible = 0x10000000;
inline constexpr std::uint32_t kWsChild = 0x40000000;
inline constexpr std::uint32_t kWsDisabled = 0x08000000;
inline constexpr std::uint32_t kWsCaption = 0x00C00000;
inline constexpr std::uint32_t kWsMinimizeBox = 0x00020000;
inline constexpr std::uint32_t kWsExToolWindow = 0x00000080;
inline constexpr std::uint32_t kWsExAppWindow = 0x00040000;
inline constexpr int kGwOwner = 4;
inline constexpr int kCstrEqual = 2;

// What an enumeration's callback returns to go on: True, as the 16-bit Booleans have it.
inline constexpr std::int32_t kEnumContinue = kTrue;

struct ProcessParent {
  std::uint32_t process;
  std::uint32_t parent;
};

// The operating-system calls the shared procedures make, kept narrow so the procedures can run
// against a recording fake. Each call mirrors the Win32 function it is named after.
class Os {
 public:
  virtual ~Os() = default;

  // The directory of the running executable, as the toolkit reports it ("C:\" at a drive root,
  // "C:\Tools" elsewhere).
  virtual std::u16string ApplicationPath() const = 0;

  // Conversion to and from the system ANSI code page.
  virtual std::string ToAnsi(std::u16string_view text) const = 0;
  virtual std::u16string FromAnsi(std::string_view text) const = 0;

  // Asks for one icon: `large` and `small`, where not null, receive its two images, or stay
  // untouched on failure.
  virtual void ExtractIconExA(const std::string& file, int index, Handle* large, Handle* small) = 0;

  virtual bool Shell_NotifyIconA(std::uint32_t message, const TrayBytes& data) = 0;

  // Window queries return the BOOL, handle or count the Win32 call returns.
  virtual int GetWindowTextA(Handle window, char* buffer, int max_count) = 0;
  virtual Handle GetClassLongA(Handle window, int index) = 0;
  // Never waits for the window's thread: a hung program cannot stop ours.
  virtual int ShowWindowAsync(Handle window, int command) = 0;
  virtual int IsZoomed(Handle window) = 0;
  virtual std::string GetClassNameA(Handle window) = 0;
  virtual Handle GetShellWindow() = 0;
  virtual Handle GetDesktopWindow() = 0;
  // Named window properties, which any process can set on any window.
  virtual int SetPropA(Handle window, const char* name, Handle value) = 0;
  virtual Handle GetPropA(Handle window, const char* name) = 0;
  virtual Handle RemovePropA(Handle window, const char* name) = 0;
  virtual int IsDBCSLeadByte(unsigned char byte) = 0;
  virtual int IsWindowVisible(Handle window) = 0;
  virtual int IsIconic(Handle window) = 0;
  // Whether the window's thread has taken no message for five seconds; asks the system, not it.
  virtual int IsHungAppWindow(Handle window) = 0;
  virtual Handle GetParent(Handle window) = 0;
  virtual Handle GetWindow(Handle window, int command) = 0;
  virtual Handle GetForegroundWindow() = 0;
  // Returns whether the window answered within `timeout` ms, `*result` then its answer.
  virtual int SendMessageTimeoutW(Handle window, std::uint32_t message, std::uintptr_t wparam,
                                  std::intptr_t lparam, std::uint32_t flags, std::uint32_t timeout,
                                  std::uintptr_t* result) = 0;
  virtual std::uint32_t GetWindowLongA(Handle window, int index) = 0;
  // The process that made `window`, 0 for no window.
  virtual std::uint32_t GetWindowThreadProcessId(Handle window) = 0;
  virtual std::uint32_t GetCurrentProcessId() = 0;
  // The full path of the program `process` runs, empty when it cannot be read.
  virtual std::u16string ProcessImageName(std::uint32_t process) = 0;
  // Every process, with the process that started it (0 when unknown), as of one moment.
  virtual std::vector<ProcessParent> ProcessParents() = 0;
  virtual int CompareStringOrdinal(std::u16string_view a, std::u16string_view b,
                                   bool ignore_case) = 0;
  virtual std::uint32_t GetTickCount() = 0;
  // Calls `callback` for each top-level window until it returns 0 (kEnumContinue goes on).
  virtual int EnumWindows(const std::function<std::int32_t(Handle window)>& callback) = 0;

  // Cursors: `resource` is a system cursor's number (IDC_ARROW is 32512).
  virtual Handle LoadCursorA(Handle instance, int resource) = 0;
  virtual Handle SetCursor(Handle cursor) = 0;

  // Returns the call's HINSTANCE result. Null pointers stay null pointers.
  virtual Handle ShellExecuteA(Handle owner, const char* verb, const char* file,
                               const char* parameters, const char* directory, int show) = 0;
};

}  // namespace velamo
