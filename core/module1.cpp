#include "core/module1.h"

#include "core/runtime_error.h"

namespace velamo {
namespace {

// The icons always come from the program's own file name, not the name it runs under.
constexpr char16_t kExecutableName[] = u"Velamo.exe";

}  // namespace

Module1::Module1(Os& os) : HiddenList(1), os_(os) {}

void Module1::Main(MainWindowPort& form1) {
  form1_ = &form1;
  AppPath = os_.ApplicationPath();
  if (AppPath.empty() || AppPath.back() != u'\\') AppPath += u'\\';
  HiddenList.assign(1, HiddenEntry{});

  const std::string executable = os_.ToAnsi(AppPath + kExecutableName);
  // Each size asked for on its own: asked for both, Wine makes the small icon from the large
  // one's image instead of the small image drawn for it.
  os_.ExtractIconExA(executable, 0, &AppLargeIcon, nullptr);
  os_.ExtractIconExA(executable, 0, nullptr, &AppSmallIcon);
  os_.ExtractIconExA(executable, 1, nullptr, &AppFallbackIcon);

  form1.Show();
  AdoptMarkedWindows();
}

Index Module1::UpperBound() const { return static_cast<Index>(HiddenList.size() - 1); }

TrayRecord& Module1::StoredTray(Index index) {
  if (index == 0) return MainTray;
  if (index < 0 || index > UpperBound()) {
    RaiseRuntimeError(RuntimeErrorCode::kSubscriptOutOfRange);
  }
  return HiddenList[static_cast<std::size_t>(index)].Tray;
}

bool Module1::TrayAdd(Index index, Handle wnd, Handle icon, std::u16string_view tip) {
  // No icon comes back once the program is ending, while its last message is still open.
  if (ending_) return false;
  TrayRecord& stored = StoredTray(index);
  stored = MakeTrayRecord(index, wnd, icon, tip);
  const bool added = os_.Shell_NotifyIconA(kNimAdd, AnsiTrayRecord(stored, os_));
  if (index == 0) MainTrayShown = added;
  return added;
}

void Module1::TrayModify(Index index, Handle wnd, Handle icon, std::u16string_view tip) {
  if (ending_) return;
  TrayRecord& stored = StoredTray(index);
  const TrayRecord wanted = MakeTrayRecord(index, wnd, icon, tip);
  // Only what differs is sent: with NIF_ICON the icon's bitmaps are copied to the shell, and
  // windows of one program share theirs.
  TrayRecord change = wanted;
  change.uFlags =
      (wanted.hIcon != stored.hIcon ? kNifIcon : 0) | (wanted.szTip != stored.szTip ? kNifTip : 0);
  stored = wanted;
  if (change.uFlags == 0) return;
  if (!os_.Shell_NotifyIconA(kNimModify, AnsiTrayRecord(change, os_))) {
    os_.Shell_NotifyIconA(kNimAdd, AnsiTrayRecord(wanted, os_));
  }
}

void Module1::TrayDelete(Index index) {
  os_.Shell_NotifyIconA(kNimDelete, AnsiTrayRecord(StoredTray(index), os_));
  if (index == 0) MainTrayShown = false;
}

}  // namespace velamo
