#include "toolkit/list_box.h"

#include "core/runtime_error.h"

namespace toolkit {

ListBox::ListBox(const Placement& placement)
    : Control(placement, L"LISTBOX", L"",
              WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_MULTIPLESEL |
                  LBS_NOINTEGRALHEIGHT,
              WS_EX_CLIENTEDGE) {}

int ListBox::ListCount() const { return SendMessageW(hwnd(), LB_GETCOUNT, 0, 0); }

bool ListBox::Selected(int index) const { return SendMessageW(hwnd(), LB_GETSEL, index, 0) > 0; }

void ListBox::AddItem(std::wstring_view text) {
  SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::wstring(text).c_str()));
}

void ListBox::SetItem(int index, std::wstring_view text) {
  const bool selected = Selected(index);
  RemoveItem(index);
  SendMessageW(hwnd(), LB_INSERTSTRING, index,
               reinterpret_cast<LPARAM>(std::wstring(text).c_str()));
  if (selected) SendMessageW(hwnd(), LB_SETSEL, TRUE, index);
}

void ListBox::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) {
    velamo::RaiseRuntimeError(velamo::RuntimeErrorCode::kInvalidProcedureCall);
  }
  SendMessageW(hwnd(), LB_DELETESTRING, index, 0);
}

void ListBox::Clear() { SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0); }

}  // namespace toolkit
