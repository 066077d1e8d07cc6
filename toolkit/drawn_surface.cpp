#include "toolkit/drawn_surface.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <string>

#include "toolkit/drawn_element.h"
#include "toolkit/form.h"

namespace toolkit {
namespace {

TTTOOLINFOW ToolFor(HWND form, const DrawnElement& element) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = form;
  tool.uId = reinterpret_cast<UINT_PTR>(&element);
  tool.rect = element.Bounds();
  return tool;
}

}  // namespace

void DrawnSurface::Add(DrawnElement& element) { elements_.push_back(&element); }

void DrawnSurface::Remove(DrawnElement& element) {
  std::erase(elements_, &element);
  if (!tool_tips_) return;
  TTTOOLINFOW tool = ToolFor(form_.hwnd(), element);
  SendMessageW(tool_tips_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void DrawnSurface::AddToolTip(const DrawnElement& element, std::wstring_view text) {
  if (!tool_tips_) {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    // Without subclassing: the form relays its mouse messages (see OnMouse).
    tool_tips_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                     WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form_.hwnd(),
                                     nullptr, form_.app().instance(), nullptr));
  }
  std::wstring copy(text);
  TTTOOLINFOW tool = ToolFor(form_.hwnd(), element);
  tool.lpszText = copy.data();
  SendMessageW(tool_tips_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void DrawnSurface::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(form_.hwnd(), &paint);
  for (const DrawnElement* element : elements_) {
    RECT overlap;
    if (IntersectRect(&overlap, &element->Bounds(), &paint.rcPaint)) element->Paint(dc);
  }
  EndPaint(form_.hwnd(), &paint);
}

DrawnElement* DrawnSurface::ElementAt(LPARAM lparam) const {
  const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  const auto found = std::find_if(elements_.rbegin(), elements_.rend(), [at](DrawnElement* e) {
    return e->TakesMouse() && PtInRect(&e->Bounds(), at);
  });
  return found == elements_.rend() ? nullptr : *found;
}

void DrawnSurface::OnMouse(UINT message, WPARAM wparam, LPARAM lparam,
                           const MouseHandler& background_move) {
  if (tool_tips_) {
    MSG relayed{form_.hwnd(), message, wparam, lparam};
    SendMessageW(tool_tips_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
  }
  if (DrawnElement* element = ElementAt(lparam)) {
    element->OnMouse(message, wparam, lparam);
  } else if (message == WM_MOUSEMOVE) {
    RaiseMouse(background_move, form_.app().twips(), HeldButtons(wparam), wparam, lparam);
  }
}

}  // namespace toolkit
