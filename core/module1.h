#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/main_window_port.h"
#include "core/os.h"
#include "core/tray_record.h"
#include "core/types.h"

namespace velamo {

// One hidden window.
struct HiddenEntry {
  TrayRecord Tray;       // the tray record last registered for it
  std::u16string Title;  // its title when it was hidden
  Handle Wnd = 0;
  Handle Icon = 0;
};

// The program's shared state and procedures. Element 0 of HiddenList always exists and is never
// used: entry n, tray icon n, callback box Picture1(n) and list line n - 1 belong together.
class Module1 {
 public:
  explicit Module1(Os& os);
  Module1(const Module1&) = delete;
  Module1& operator=(const Module1&) = delete;

  // Start-up: fills the state from the executable's directory and shows the main window.
  void Main(MainWindowPort& form1);

  // Registers tray icon `index` (0: the program's own) and keeps its record.
  void TrayAdd(Index index, Handle wnd, Handle icon, std::u16string_view tip);
  // Removes tray icon `index` as it was last registered.
  void TrayDelete(Index index);

  // N, the index of the last hidden window (0 when none is hidden).
  Index UpperBound() const;

  // The most windows hidden at once, so that 16-bit loops can always step past the last one.
  static constexpr Index kMaxHidden = 32766;

  // Hides `window` as entry N + 1 with its tray icon and callback box. Returns false, changing
  // nothing, when kMaxHidden windows are hidden already.
  bool HideWindowByHandle(Handle window);
  // The icon shown for `window`: its class's small icon, else its large one, else the fallback.
  Handle GetWindowIcon(Handle window);

  // The picker's drop: hides the top-level window under the pointer, unless it is the main
  // window, and lists its title.
  void HideWindowUnderCursor();

  // One automatic scan: hides every visible, minimized top-level window but the main window and
  // rebuilds the list when it hid any. A full table is reported once until it has room again.
  void ScanMinimizedWindows();
  std::int32_t EnumHideProc(Handle hwnd, std::int32_t lparam);

  std::vector<HiddenEntry> HiddenList;
  TrayRecord MainTray;
  Handle AppSmallIcon = 0;
  Handle AppFallbackIcon = 0;
  Handle AppLargeIcon = 0;
  std::u16string AppPath;
  Bool16 FoundWindow = kFalse;

 private:
  // The stored record for `index`; a non-zero index outside HiddenList is a run-time error.
  TrayRecord& StoredTray(Index index);

  bool TableFull() const { return UpperBound() >= kMaxHidden; }
  Index NextIndex() const;
  std::u16string ReadTitle(Handle window);
  void HideAs(Index n, Handle window, const std::u16string& title);

  Os& os_;
  MainWindowPort* form1_ = nullptr;
  bool scan_refused_ = false;
  bool refusal_reported_ = false;
};

}  // namespace velamo
