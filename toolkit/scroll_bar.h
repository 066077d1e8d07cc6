#pragma once

#include <cstdint>
#include <functional>

#include "toolkit/control.h"

namespace toolkit {

// A vertical scroll bar whose value runs from `min` at the top to `max` at the bottom; min may
// be the larger, so the value grows upwards. Change is raised whenever the value changes.
class VScrollBar : public Control {
 public:
  struct Range {
    std::int16_t min = 0;
    std::int16_t max = 32767;
    std::int16_t small_change = 1;
    std::int16_t large_change = 1;
  };
  VScrollBar(const Placement& placement, const Range& range, std::int16_t value);

  std::int16_t Value() const { return value_; }
  void SetValue(std::int16_t value);
  std::function<void()> Change;

  void OnScroll(WORD code) override;

 private:
  int PositionOf(int value) const;
  int ValueAt(int position) const;
  int Direction() const { return range_.max >= range_.min ? 1 : -1; }

  Range range_;
  std::int16_t value_;
};

}  // namespace toolkit
