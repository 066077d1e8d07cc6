#pragma once

#include "core/types.h"

namespace velamo {

// What the shared procedures ask of the main window.
class MainWindowPort {
 public:
  virtual ~MainWindowPort() = default;

  // Shows the main window modeless, without owner.
  virtual void Show() = 0;
};

}  // namespace velamo
