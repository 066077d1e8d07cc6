#include "toolkit/scroll_bar.h"

#include <algorithm>
#include <cstdlib>

namespace toolkit {

VScrollBar::VScrollBar(const Placement& placement, const Range& range, std::int16_t value)
    : Control(placement, L"SCROLLBAR", L"", WS_VISIBLE | WS_TABSTOP | SBS_VERT),
      range_(range),
      value_(value) {
  SCROLLINFO info{sizeof(info),
                  SIF_RANGE | SIF_POS | SIF_PAGE,
                  0,
                  std::abs(range_.max - range_.min),
                  0,
                  PositionOf(value_),
                  0};
  SetScrollInfo(hwnd(), SB_CTL, &info, TRUE);
}

int VScrollBar::PositionOf(int value) const { return (value - range_.min) * Direction(); }

int VScrollBar::ValueAt(int position) const { return range_.min + position * Direction(); }

void VScrollBar::SetValue(std::int16_t value) {
  const int low = std::min(range_.min, range_.max);
  const int high = std::max(range_.min, range_.max);
  value = static_cast<std::int16_t>(std::clamp<int>(value, low, high));
  if (value == value_) return;
  value_ = value;
  SetScrollPos(hwnd(), SB_CTL, PositionOf(value_), TRUE);
  if (Change) Change();
}

void VScrollBar::OnScroll(WORD code) {
  const int last = std::abs(range_.max - range_.min);
  int position = PositionOf(value_);
  switch (code) {
    case SB_LINEUP:
      position -= range_.small_change;
      break;
    case SB_LINEDOWN:
      position += range_.small_change;
      break;
    case SB_PAGEUP:
      position -= range_.large_change;
      break;
    case SB_PAGEDOWN:
      position += range_.large_change;
      break;
    case SB_TOP:
      position = 0;
      break;
    case SB_BOTTOM:
      position = last;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(hwnd(), SB_CTL, &info);
      position = info.nTrackPos;
      break;
    }
    default:
      return;
  }
  SetValue(static_cast<std::int16_t>(ValueAt(std::clamp(position, 0, last))));
}

}  // namespace toolkit
