#pragma once

#include <string>

#include "toolkit/control.h"

namespace toolkit {

// An unsorted list box where each click toggles one line's selection.
class ListBox : public Control {
 public:
  explicit ListBox(const Placement& placement);

  int ListCount() const;
  bool Selected(int index) const;

  void AddItem(std::wstring_view text);
  // Line `index` shows `text` instead, selected as it was.
  void SetItem(int index, std::wstring_view text);
  // A line outside the list is a run-time error.
  void RemoveItem(int index);
  void Clear();
};

}  // namespace toolkit
