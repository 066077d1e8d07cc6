#include "core/module1.h"
#include "core/runtime_error.h"

namespace velamo {
namespace {

constexpr int kTitleBufferLength = 1024;
constexpr std::int32_t kContinue = -1;  // True: the enumeration goes on

}  // namespace

Index Module1::NextIndex() const { return CheckedInt16(UpperBound() + 1); }

std::u16string Module1::ReadTitle(Handle window) {
  std::string buffer = os_.ToAnsi(std::u16string(kTitleBufferLength, u'\0'));
  os_.GetWindowTextA(window, buffer.data(), kTitleBufferLength);
  const std::u16string text = os_.FromAnsi(buffer);
  return text.substr(0, text.find(u'\0'));
}

Handle Module1::GetWindowIcon(Handle window) {
  if (const Handle small = os_.GetClassLongA(window, kGclHIconSm)) return small;
  if (const Handle large = os_.GetClassLongA(window, kGclHIcon)) return large;
  return AppFallbackIcon;
}

void Module1::HideAs(Index n, Handle window, const std::u16string& title) {
  const Handle callback_box = form1_->LoadCallbackBox(n);
  HiddenList.resize(static_cast<std::size_t>(n) + 1);
  HiddenEntry& entry = HiddenList[n];
  entry.Wnd = window;
  entry.Icon = GetWindowIcon(window);
  entry.Title = title;
  TrayAdd(n, callback_box, entry.Icon, entry.Title);
  os_.ShowWindow(window, kSwHide);
}

bool Module1::HideWindowByHandle(Handle window) {
  if (TableFull()) return false;
  const std::u16string title = ReadTitle(window);
  HideAs(NextIndex(), window, title);
  return true;
}

void Module1::HideWindowUnderCursor() {
  Handle window = os_.WindowFromPoint(os_.GetCursorPos());
  // Up through parents, and from owned pop-ups to their owners, to the top of the chain.
  for (Handle parent = os_.GetParent(window); parent != 0; parent = os_.GetParent(window)) {
    window = parent;
  }
  // Nothing under the pointer, or our own window and its controls: nothing to hide.
  if (window == 0 || window == form1_->WindowHandle()) return;
  if (!HideWindowByHandle(window)) {
    form1_->ReportTableFull();
    return;
  }
  form1_->AddListItem(HiddenList[UpperBound()].Title);
}

std::int32_t Module1::EnumHideProc(Handle hwnd, std::int32_t /*lparam*/) {
  const Index n = NextIndex();
  // All three tests are made for every window.
  const bool visible = os_.IsWindowVisible(hwnd) != 0;
  const bool minimized = os_.IsIconic(hwnd) != 0;
  const bool other_than_main = hwnd != form1_->WindowHandle();
  if (!(visible && minimized && other_than_main)) return kContinue;
  if (n > kMaxHidden) {
    scan_refused_ = true;
    return kContinue;
  }
  FoundWindow = kTrue;
  HideAs(n, hwnd, ReadTitle(hwnd));
  return kContinue;
}

void Module1::ScanMinimizedWindows() {
  if (!TableFull()) refusal_reported_ = false;
  scan_refused_ = false;
  FoundWindow = kFalse;
  os_.EnumWindows([this](Handle window) { return EnumHideProc(window, 0); });
  if (FoundWindow == kTrue) {
    form1_->ClearList();
    for (Index i = 1; i <= UpperBound(); ++i) form1_->AddListItem(HiddenList[i].Title);
  }
  if (scan_refused_ && !refusal_reported_) {
    // Marked first: the report's message box lets further timer scans run.
    refusal_reported_ = true;
    form1_->ReportTableFull();
  }
}

}  // namespace velamo
