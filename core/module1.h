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
  bool Maximized = false;  // comes back maximized
  // A look has seen it hidden: from then on, shown means shown by its program. Until then it may
  // be a hide not carried out yet (a hung program's window hides when it answers again).
  bool SeenHidden = false;
  std::uint32_t HiddenAt = 0;  // tick count
};

// The program's shared state and procedures. Element 0 of HiddenList always exists and is never
// used: entry n, tray icon n, callback box Picture1(n) and list line n - 1 belong together at
// every event boundary (docs/design.md: the four numberings, and what else must stay).
class Module1 {
 public:
  explicit Module1(Os& os);
  Module1(const Module1&) = delete;
  Module1& operator=(const Module1&) = delete;

  // Start-up: fills the state from the executable's directory and shows the main window.
  void Main(MainWindowPort& form1);

  // Registers tray icon `index` (0: the program's own) and keeps its record. Returns whether the
  // shell took it.
  bool TrayAdd(Index index, Handle wnd, Handle icon, std::u16string_view tip);
  // Shows `icon` and `tip` in tray icon `index`, which calls back `wnd`, and keeps its record; an
  // icon the shell no longer has is added again.
  void TrayModify(Index index, Handle wnd, Handle icon, std::u16string_view tip);
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

  // Hides the window a user pointed at (the crosshair's drop, the hide key): the top of its parent
  // and owner chain, unless that is nothing, ours or the shell's; lists its title. A window held
  // already that showed itself again goes back under its own entry.
  void HideChosenWindow(Handle window);
  // Hides `window`, whose minimize button was right-clicked, if it still is a visible top-level
  // window whose minimize button works and that no entry holds.
  void HideAtMinimizeButton(Handle window);
  // Hides `window`, whose close button was clicked or which Alt+F4 would have closed, if it
  // still is a visible, enabled main window; one held already goes back under its own entry.
  void HideAtCloseButton(Handle window);

  // Hides a window a rule of the command line chose, as the scan hides one: a window held
  // already that showed itself again goes back under its own entry, and a full table is
  // reported once until there is room again.
  void HideWatchedWindow(Handle window);

  // One automatic scan: hides every visible, minimized top-level window but the main window and
  // rebuilds the list when it hid any. A full table is reported once until it has room again.
  void ScanMinimizedWindows();
  std::int32_t EnumHideProc(Handle hwnd, std::int32_t lparam);

  // Shows window `index` again (0: every one) and closes the gap in the table, the tray icons
  // and the callback boxes, changing only the icons after it. List1 is the caller's to update.
  void RestoreHidden(Index index);
  // "元に戻す": the windows of the selected lines, from the last line up.
  void RestoreSelectedLines();
  // Restores entry `index` and removes its line, if the entry still holds `window`: a click or
  // menu choice made before the table changed does nothing.
  void RestoreEntry(Index index, Handle window);
  // Rebuilds the tray menu's window list: every hidden window's title, exactly as stored.
  void RebuildWindowMenu();
  // A choice from that list: 0 for all, else the window the item stood for at the rebuild.
  void RestoreFromWindowMenu(Index index);

  // Asks whether to quit; on yes every hidden window is shown again and every icon removed.
  bool ConfirmQuit();
  // The way out, after the question or without one (fatal error, end of the session): every
  // hidden window shown in its normal state, every icon removed, ours too. Nothing is hidden
  // after it: the program is ending.
  void RestoreEverythingForExit();
  // After the shell restarted: every icon we hold registered again.
  void RegisterIconsAgain();

  // One look at the hidden windows, reading nothing that waits for their programs: a changed
  // title is shown in the tip, the list and the tray menu; a window that no longer exists goes
  // as a click on its icon would restore it; one its program showed again is let go as it is.
  void LookAtHiddenWindows();

  std::vector<HiddenEntry> HiddenList;
  TrayRecord MainTray;
  bool MainTrayShown = false;
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
  // Entry n for `window`, with its icon, callback box and our mark on it.
  void Register(Index n, Handle window, const std::u16string& title, bool maximized);
  void HideAs(Index n, Handle window, const std::u16string& title);
  // Whether a way in may hide `window`: an existing window of another program than ours, and not
  // the shell's.
  bool Hideable(Handle window);
  // Hides a window a way in chose, when it is hideable, and lists it. A full table is reported
  // each time a user chose, or once until there is room again.
  void HideAndList(Handle window, bool report_full_once = false);
  // The entry that holds `window`, or 0.
  Index EntryOf(Handle window) const;
  // Hides `window` again if an entry holds it; returns whether one does.
  bool HiddenAgain(Handle window);
  // Windows hidden by an earlier run that ended without showing them (killed, crashed).
  void AdoptMarkedWindows();
  void ShowAgain(const HiddenEntry& entry, int command);
  // Entry `index` goes with its icon and box; the later ones move down a number.
  void CloseGap(Index index);
  void Retitle(Index index, const std::u16string& title);
  // The hidden windows are looked at while there are any.
  void WatchHidden();

  Os& os_;
  MainWindowPort* form1_ = nullptr;
  bool ending_ = false;
  bool scan_refused_ = false;
  bool refusal_reported_ = false;
  std::vector<Handle> window_menu_;  // the window each item stood for at the last rebuild
};

}  // namespace velamo
