#include "core/module1.h"

#include <utility>

#include "core/program_windows.h"
#include "core/runtime_error.h"

namespace velamo {
namespace {

constexpr int kTitleBufferLength = 1024;

// Our mark's values (kHiddenMarkProperty): whether the window comes back maximized.
constexpr Handle kMarkNormal = 1;
constexpr Handle kMarkMaximized = 2;

}  // namespace

Index Module1::NextIndex() const { return CheckedInt16(UpperBound() + 1); }

std::u16string Module1::ReadTitle(Handle window) {
  std::string buffer = os_.ToAnsi(std::u16string(kTitleBufferLength, u'\0'));
  os_.GetWindowTextA(window, buffer.data(), kTitleBufferLength);
  const std::size_t length = buffer.find('\0');
  // A title longer than the buffer can be cut between the two bytes of a character: drop the
  // half.
  std::size_t whole = 0;
  while (whole < length) {
    const std::size_t next =
        whole + (os_.IsDBCSLeadByte(static_cast<unsigned char>(buffer[whole])) ? 2 : 1);
    if (next > length) break;
    whole = next;
  }
  return os_.FromAnsi(std::string_view(buffer.data(), whole));
}

Handle Module1::GetWindowIcon(Handle window) {
  if (const Handle small = os_.GetClassLongA(window, kGclHIconSm)) return small;
  if (const Handle large = os_.GetClassLongA(window, kGclHIcon)) return large;
  return AppFallbackIcon;
}

void Module1::Register(Index n, Handle window, const std::u16string& title, bool maximized) {
  const Handle callback_box = form1_->LoadCallbackBox(n);
  HiddenList.resize(static_cast<std::size_t>(n) + 1);
  HiddenEntry& entry = HiddenList[n];
  entry.Wnd = window;
  entry.Icon = GetWindowIcon(window);
  entry.Title = title;
  entry.Maximized = maximized;
  entry.HiddenAt = os_.GetTickCount();
  TrayAdd(n, callback_box, entry.Icon, entry.Title);
  os_.SetPropA(window, kHiddenMarkProperty, maximized ? kMarkMaximized : kMarkNormal);
  WatchHidden();
}

void Module1::HideAs(Index n, Handle window, const std::u16string& title) {
  Register(n, window, title, os_.IsZoomed(window) != 0);
  os_.ShowWindowAsync(window, kSwHide);
}

bool Module1::HideWindowByHandle(Handle window) {
  if (TableFull()) return false;
  const std::u16string title = ReadTitle(window);
  HideAs(NextIndex(), window, title);
  return true;
}

bool Module1::Hideable(Handle window) {
  // Our own windows stay, the About window too: it is owned, so no climb from it meets the main
  // window.
  const std::uint32_t process = os_.GetWindowThreadProcessId(window);
  return process != 0 && process != os_.GetCurrentProcessId() && !IsShellWindow(os_, window);
}

Index Module1::EntryOf(Handle window) const {
  for (Index i = 1; i <= UpperBound(); ++i) {
    if (HiddenList[i].Wnd == window) return i;
  }
  return 0;
}

bool Module1::HiddenAgain(Handle window) {
  // A window we hold that showed itself again goes back under its own entry.
  const Index entry = EntryOf(window);
  if (entry == 0) return false;
  HiddenList[entry].SeenHidden = false;
  HiddenList[entry].HiddenAt = os_.GetTickCount();
  os_.ShowWindowAsync(window, kSwHide);
  return true;
}

void Module1::HideChosenWindow(Handle window) {
  if (ending_) return;
  // Up through parents, and from owned pop-ups to their owners, to the top of the chain.
  for (Handle parent = os_.GetParent(window); parent != 0; parent = os_.GetParent(window)) {
    window = parent;
  }
  if (!HiddenAgain(window)) HideAndList(window);
}

void Module1::HideAtMinimizeButton(Handle window) {
  // Chosen on the mouse hook's thread a moment ago: by now the window may be gone, hidden, held
  // or changed.
  if (MinimizeButtonWorks(os_, window) && EntryOf(window) == 0) HideAndList(window);
}

void Module1::HideAtCloseButton(Handle window) {
  // As at the minimize button: by now the window may be gone, hidden or changed. Its close was
  // taken from its program: one we hold that its program showed again goes back to its entry.
  if (IsShownEnabledMainWindow(os_, window) && !HiddenAgain(window)) HideAndList(window);
}

void Module1::HideAndList(Handle window, bool report_full_once) {
  if (ending_ || !Hideable(window)) return;
  if (TableFull()) {
    // Marked first: the report's message box lets further looks run.
    if (!report_full_once || !std::exchange(refusal_reported_, true)) form1_->ReportTableFull();
    return;
  }
  refusal_reported_ = false;
  HideWindowByHandle(window);
  form1_->AddListItem(HiddenList[UpperBound()].Title);
}

void Module1::HideWatchedWindow(Handle window) {
  if (!ending_ && !HiddenAgain(window)) HideAndList(window, true);
}

std::int32_t Module1::EnumHideProc(Handle hwnd, std::int32_t /*lparam*/) {
  const Index n = NextIndex();
  // All three tests are made for every window.
  const bool visible = os_.IsWindowVisible(hwnd) != 0;
  const bool minimized = os_.IsIconic(hwnd) != 0;
  const bool other_than_main = hwnd != form1_->WindowHandle();
  if (!(visible && minimized && other_than_main) || !Hideable(hwnd)) return kEnumContinue;
  if (HiddenAgain(hwnd)) return kEnumContinue;
  if (n > kMaxHidden) {
    scan_refused_ = true;
    return kEnumContinue;
  }
  FoundWindow = kTrue;
  HideAs(n, hwnd, ReadTitle(hwnd));
  return kEnumContinue;
}

void Module1::ScanMinimizedWindows() {
  if (ending_) return;
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

void Module1::AdoptMarkedWindows() {
  os_.EnumWindows([this](Handle window) {
    const Handle mark = os_.GetPropA(window, kHiddenMarkProperty);
    if (mark == 0) return kEnumContinue;
    if (os_.IsWindowVisible(window)) {
      os_.RemovePropA(window, kHiddenMarkProperty);  // shown by someone else since
    } else if (!TableFull() && EntryOf(window) == 0) {
      Register(NextIndex(), window, ReadTitle(window), mark == kMarkMaximized);
      form1_->AddListItem(HiddenList[UpperBound()].Title);
    }
    return kEnumContinue;
  });
}

void Module1::ShowAgain(const HiddenEntry& entry, int command) {
  os_.RemovePropA(entry.Wnd, kHiddenMarkProperty);
  os_.ShowWindowAsync(entry.Wnd, command);
}

}  // namespace velamo
