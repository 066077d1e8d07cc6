#include "toolkit/button.h"

namespace toolkit {

Button::Button(const Placement& placement, std::wstring_view caption)
    : Control(placement, L"BUTTON", caption, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON) {}

void Button::OnCommand(WORD code) {
  if (code == BN_CLICKED && Click) Click();
}

Frame::Frame(const Placement& placement, std::wstring_view caption)
    : Control(placement, L"BUTTON", caption, WS_VISIBLE | BS_GROUPBOX) {}

Placement Frame::Inside(const TwipsRect& position) const {
  return Placement{form(), position, Position().left, Position().top};
}

}  // namespace toolkit
