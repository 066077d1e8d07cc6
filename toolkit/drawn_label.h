#pragma once

#include <string>
#include <string_view>

#include "toolkit/drawn_element.h"
#include "win32/handles.h"
#include "toolkit/mouse.h"

namespace toolkit {

struct DrawnLabelStyle {
  HFONT font = nullptr;  // not owned; the application's font when null
  Color fore_color = SystemColor(COLOR_BTNTEXT);
  bool transparent = false;  // else its box is filled with the form's colour first
  Alignment alignment = Alignment::kLeft;
  std::wstring_view tool_tip;
  std::wstring_view tag;
};

// Text that wraps within its box, drawn on the form's surface: a label without a window.
class DrawnLabel : public DrawnElement {
 public:
  DrawnLabel(const Placement& placement, std::wstring_view caption, const DrawnLabelStyle& style);

  void SetCaption(std::wstring_view caption);
  void SetFontUnderline(bool underline);
  // Text the program keeps with the label and never shows.
  const std::wstring& Tag() const { return tag_; }

  MouseHandler MouseMove;
  MouseHandler MouseUp;

  void Paint(HDC dc) const override;
  bool TakesMouse() const override { return true; }
  void OnMouse(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  HFONT font_;
  win32::UniqueFont underlined_font_;  // made when first underlined
  bool underline_ = false;
  Color fore_color_;
  bool transparent_;
  Alignment alignment_;
  std::wstring caption_;
  std::wstring tag_;
};

}  // namespace toolkit
