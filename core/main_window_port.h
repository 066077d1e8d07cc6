#pragma once

#include <string_view>

#include "core/types.h"

namespace velamo {

// What the shared procedures ask of the main window.
class MainWindowPort {
 public:
  virtual ~MainWindowPort() = default;

  // Shows the main window modeless, without owner.
  virtual void Show() = 0;

  virtual Handle WindowHandle() const = 0;
  // The tray callback boxes Picture1(index): loading one returns its window handle.
  virtual Handle LoadCallbackBox(Index index) = 0;
  virtual Handle CallbackBox(Index index) const = 0;
  virtual void UnloadCallbackBox(Index index) = 0;

  // The list of hidden windows' titles, List1.
  virtual void ClearList() = 0;
  virtual void AddListItem(std::u16string_view title) = 0;
  virtual void RemoveListItem(int line) = 0;
  virtual void SetListItem(int line, std::u16string_view title) = 0;
  virtual int ListCount() const = 0;
  virtual bool ListSelected(int line) const = 0;

  // The run-time items 1..k of the tray menu's window list, IconMenu_ResizeIndex, and whether
  // its submenu, IconMenu_Resize, can be opened.
  virtual Index WindowMenuUpperBound() const = 0;
  virtual void LoadWindowMenuItem(Index index, std::u16string_view caption) = 0;
  virtual void UnloadWindowMenuItem(Index index) = 0;
  virtual void SetWindowMenuItem(Index index, std::u16string_view caption) = 0;
  virtual void EnableWindowMenu(bool enabled) = 0;

  // Runs LookAtHiddenWindows about once a second while `on`.
  virtual void WatchHiddenWindows(bool on) = 0;

  // Asks the user whether to quit; true for yes.
  virtual bool AskQuit() = 0;
  // Tells the user that no more windows can be hidden.
  virtual void ReportTableFull() = 0;
};

}  // namespace velamo
