#pragma once

#include <functional>

#include "toolkit/control.h"

namespace toolkit {

class Button : public Control {
 public:
  Button(const Placement& placement, std::wstring_view caption);
  std::function<void()> Click;
  void OnCommand(WORD code) override;
};

// A frame: a captioned group box drawn around controls placed relative to it.
class Frame : public Control {
 public:
  Frame(const Placement& placement, std::wstring_view caption);
  // Where controls inside the frame are placed from.
  Placement Inside(const TwipsRect& position) const;
};

}  // namespace toolkit
