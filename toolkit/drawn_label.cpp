#include "toolkit/drawn_label.h"

#include "toolkit/form.h"

namespace toolkit {

DrawnLabel::DrawnLabel(const Placement& placement, std::wstring_view caption,
                       const DrawnLabelStyle& style)
    : DrawnElement(placement),
      font_(style.font ? style.font : placement.form.app().ui_font()),
      fore_color_(style.fore_color),
      transparent_(style.transparent),
      alignment_(style.alignment),
      caption_(caption),
      tag_(style.tag) {
  if (!style.tool_tip.empty()) form().drawn().AddToolTip(*this, style.tool_tip);
}

void DrawnLabel::SetCaption(std::wstring_view caption) {
  caption_ = caption;
  Invalidate();
}

void DrawnLabel::SetFontUnderline(bool underline) {
  // Unchanged on most mouse moves: redrawing then would only flicker.
  if (underline == underline_) return;
  underline_ = underline;
  if (underline_ && !underlined_font_) {
    LOGFONTW font{};
    GetObjectW(font_, sizeof(font), &font);
    font.lfUnderline = TRUE;
    underlined_font_.reset(CreateFontIndirectW(&font));
  }
  Invalidate();
}

void DrawnLabel::Paint(HDC dc) const {
  RECT box = Bounds();
  if (!transparent_) FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
  const HGDIOBJ original_font = SelectObject(dc, underline_ ? underlined_font_.get() : font_);
  SetTextColor(dc, fore_color_.Resolve());
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &box,
            DT_WORDBREAK | AlignmentFlag(alignment_, DT_LEFT, DT_RIGHT, DT_CENTER));
  SelectObject(dc, original_font);
}

void DrawnLabel::OnMouse(UINT message, WPARAM wparam, LPARAM lparam) {
  const Twips& twips = form().app().twips();
  const POINT origin{Bounds().left, Bounds().top};
  switch (message) {
    case WM_MOUSEMOVE:
      RaiseMouse(MouseMove, twips, HeldButtons(wparam), wparam, lparam, origin);
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      RaiseMouse(MouseUp, twips, ButtonOf(message), wparam, lparam, origin);
      break;
    default:
      break;
  }
}

}  // namespace toolkit
