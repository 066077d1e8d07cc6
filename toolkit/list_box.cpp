#include "toolkit/list_box.h"

#include "core/runtime_error.h"

namespace toolkit {

ListBox::ListBox(const Placement& placement)
    : Control(placement, L"LISTBOX", L"",
              WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_MULTIPLESEL |
                  LBS_NOINTEGRALHEIGHT,
              WS_EX_CLIENTEDGE) {}

int ListBox::ListCount() const { return SendMessageW(hwnd(), LB_GETCOUNT, 0, 0); }

std::wstring ListBox::List(int index) const {
  const LRESULT length = SendMessageW(hwnd(), LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return {};
  std::wstring text(length + 1, L'\0');
  text.resize(SendMessageW(hwnd(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data())));
  return text;
}

bool ListBox::Selected(int index) const { return SendMessageW(hwnd(), LB_GETSEL, index, 0) > 0; }

void ListBox::SetSelected(int index, bool selected) {
  SendMessageW(hwnd(), LB_SETSEL, selected, index);
}

void ListBox::AddItem(std::wstring_view text) {
  SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::wstring(text).c_str()));
}

void ListBox::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) {
    velamo::RaiseRuntimeError(velamo::RuntimeErrorCode::kInvalidProcedureCall);
  }
  SendMessageW(hwnd(), LB_DELETESTRING, index, 0);
}

void ListBox::Clear() { SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0); }

}  // namespace toolkit
