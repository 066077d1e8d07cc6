#include "toolkit/text_box.h"

namespace toolkit {

TextBox::TextBox(const Placement& placement, std::wstring_view text, Alignment alignment,
                 bool read_only, HFONT font)
    : Control(placement, L"EDIT", text,
              WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL |
                  AlignmentFlag(alignment, ES_LEFT, ES_RIGHT, ES_CENTER) |
                  (read_only ? ES_READONLY : 0),
              WS_EX_CLIENTEDGE, font) {}

}  // namespace toolkit
