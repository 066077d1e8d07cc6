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
  // Loads the tray callback box Picture1(index); returns its window handle.
  virtual Handle LoadCallbackBox(Index index) = 0;

  // The list of hidden windows' titles, List1.
  virtual void ClearList() = 0;
  virtual void AddListItem(std::u16string_view title) = 0;

  // Tells the user that no more windows can be hidden.
  virtual void ReportTableFull() = 0;
};

}  // namespace velamo
