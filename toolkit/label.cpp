#include "toolkit/label.h"

namespace toolkit {
namespace {

DWORD StaticAlignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::kRight:
      return SS_RIGHT;
    case Alignment::kCenter:
      return SS_CENTER;
    case Alignment::kLeft:
      break;
  }
  return SS_LEFT;
}

DWORD EditAlignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::kRight:
      return ES_RIGHT;
    case Alignment::kCenter:
      return ES_CENTER;
    case Alignment::kLeft:
      break;
  }
  return ES_LEFT;
}

}  // namespace

Label::Label(const Placement& placement, std::wstring_view caption, Alignment alignment)
    : Control(placement, L"STATIC", caption, WS_VISIBLE | StaticAlignment(alignment)) {}

TextBox::TextBox(const Placement& placement, std::wstring_view text, Alignment alignment,
                 bool read_only)
    : Control(placement, L"EDIT", text,
              WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | EditAlignment(alignment) |
                  (read_only ? ES_READONLY : 0),
              WS_EX_CLIENTEDGE) {}

}  // namespace toolkit
