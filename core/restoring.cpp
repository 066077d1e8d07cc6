#include "core/module1.h"

#include <utility>

namespace velamo {
namespace {

// A window still shown this long after it was hidden, by a program that takes its messages, has
// been shown again by its program, or never let itself be hidden: longer than the five seconds
// after which the system counts a program as not answering.
constexpr std::uint32_t kHideCarriedOut = 6000;

}  // namespace

void Module1::RestoreHidden(Index index) {
  const auto restore = [this](const HiddenEntry& entry) {
    // SW_RESTORE would bring a maximized window back at its normal size.
    ShowAgain(entry, entry.Maximized ? kSwShowMaximized : kSwRestore);
  };
  const Index last = UpperBound();
  if (index == 0) {
    for (Index i = 1; i <= last; ++i) {
      TrayDelete(i);
      restore(HiddenList[i]);
      form1_->UnloadCallbackBox(i);
    }
    HiddenList.assign(1, HiddenEntry{});
    WatchHidden();
    return;
  }
  restore(HiddenList[index]);
  CloseGap(index);
}

void Module1::CloseGap(Index index) {
  // The last icon goes and each one from `index` on shows the entry that moves into its place:
  // the same icons as taking every one out and adding the rest again, with only those that
  // change touched.
  const Index last = UpperBound();
  TrayDelete(last);
  for (Index j = index; j < last; ++j) {
    // Icon j still shows what it showed until it is modified.
    TrayRecord shown = std::move(HiddenList[j].Tray);
    HiddenList[j] = std::move(HiddenList[j + 1]);
    HiddenList[j].Tray = std::move(shown);
    TrayModify(j, form1_->CallbackBox(j), HiddenList[j].Icon, HiddenList[j].Title);
  }
  HiddenList.resize(last);
  form1_->UnloadCallbackBox(last);
  WatchHidden();
}

void Module1::LookAtHiddenWindows() {
  if (ending_) return;
  // From the last: a window let go renumbers only those after it, looked at already.
  for (Index i = UpperBound(); i >= 1; --i) {
    HiddenEntry& entry = HiddenList[i];
    // A window's style is read without a message to it; no window has none.
    const std::uint32_t style = os_.GetWindowLongA(entry.Wnd, kGwlStyle);
    if (style == 0) {
      RestoreEntry(i, entry.Wnd);
    } else if (!(style & kWsVisible)) {
      entry.SeenHidden = true;
      // Another program's title is read from the system, not asked of it.
      if (std::u16string title = ReadTitle(entry.Wnd); title != entry.Title) Retitle(i, title);
    } else if (entry.SeenHidden || (os_.GetTickCount() - entry.HiddenAt > kHideCarriedOut &&
                                    !os_.IsHungAppWindow(entry.Wnd))) {
      // Shown by its program: left as it is. A hide never seen done may still be on its way: a
      // show that changes nothing of a shown window, after it, keeps the window in sight.
      if (!entry.SeenHidden) os_.ShowWindowAsync(entry.Wnd, kSwShowNa);
      os_.RemovePropA(entry.Wnd, kHiddenMarkProperty);
      CloseGap(i);
      form1_->RemoveListItem(i - 1);
    }
  }
}

void Module1::Retitle(Index index, const std::u16string& title) {
  HiddenEntry& entry = HiddenList[index];
  entry.Title = title;
  TrayModify(index, form1_->CallbackBox(index), entry.Icon, title);
  form1_->SetListItem(index - 1, title);
  // An open tray menu shows it too.
  if (index < static_cast<Index>(window_menu_.size()) && window_menu_[index] == entry.Wnd &&
      index <= form1_->WindowMenuUpperBound()) {
    form1_->SetWindowMenuItem(index, title);
  }
}

void Module1::WatchHidden() { form1_->WatchHiddenWindows(UpperBound() > 0); }

void Module1::RestoreSelectedLines() {
  // From the last line up: a restore renumbers only the lines already visited.
  for (int line = form1_->ListCount() - 1; line >= 0; --line) {
    if (!form1_->ListSelected(line)) continue;
    RestoreHidden(static_cast<Index>(line + 1));
    form1_->RemoveListItem(line);
  }
}

void Module1::RestoreEntry(Index index, Handle window) {
  if (index < 1 || index > UpperBound() || HiddenList[index].Wnd != window) return;
  RestoreHidden(index);
  form1_->RemoveListItem(index - 1);
}

void Module1::RebuildWindowMenu() {
  for (Index i = form1_->WindowMenuUpperBound(); i >= 1; --i) form1_->UnloadWindowMenuItem(i);
  window_menu_.assign(1, 0);
  for (Index i = 1; i <= UpperBound(); ++i) {
    form1_->LoadWindowMenuItem(i, HiddenList[i].Title);
    window_menu_.push_back(HiddenList[i].Wnd);
  }
  form1_->EnableWindowMenu(UpperBound() != 0);
}

void Module1::RestoreFromWindowMenu(Index index) {
  if (index != 0) {
    if (index < static_cast<Index>(window_menu_.size())) RestoreEntry(index, window_menu_[index]);
    return;
  }
  RestoreHidden(0);
  form1_->ClearList();
}

bool Module1::ConfirmQuit() {
  if (!form1_->AskQuit()) return false;
  RestoreEverythingForExit();
  return true;
}

void Module1::RestoreEverythingForExit() {
  ending_ = true;
  TrayDelete(0);
  // Read after the question: the timer may have hidden more windows while it was open.
  const Index last = UpperBound();
  for (Index i = 1; i <= last; ++i) {
    ShowAgain(HiddenList[i], kSwShowNormal);
    TrayDelete(i);
  }
}

void Module1::RegisterIconsAgain() {
  for (Index i = 1; i <= UpperBound(); ++i) {
    os_.Shell_NotifyIconA(kNimAdd, AnsiTrayRecord(HiddenList[i].Tray, os_));
  }
  if (MainTrayShown) os_.Shell_NotifyIconA(kNimAdd, AnsiTrayRecord(MainTray, os_));
}

}  // namespace velamo
