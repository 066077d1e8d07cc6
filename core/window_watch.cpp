#include "core/window_watch.h"

#include <algorithm>

namespace velamo {
namespace {

constexpr std::int32_t kContinue = 1;
// How long a started program's main window is waited for.
constexpr std::uint32_t kStartedWatchTime = 60 * 1000;
// How far up from a window's process its starter is looked for: a launcher that starts a
// launcher is common, a longer chain is not.
constexpr int kDeepestFamily = 8;

}  // namespace

void WindowWatch::WatchStartedProcess(std::uint32_t process) {
  started_.push_back({process, os_.GetTickCount(), {}});
}

void WindowWatch::Look() {
  // A full table's report opens a message box, whose loop goes on ticking.
  if (looking_) return;
  looking_ = true;
  const std::uint32_t now = os_.GetTickCount();
  std::erase_if(started_, [now](const Started& s) { return now - s.since > kStartedWatchTime; });
  const std::uint32_t ours = os_.GetCurrentProcessId();
  // Only what still exists is kept from one look to the next.
  std::map<std::uint32_t, std::u16string> images;
  std::set<Handle> opened;
  os_.EnumWindows([&](Handle window) {
    if (opened_.contains(window)) opened.insert(window);
    // One call for most windows: the hidden ones, which are many, go no further.
    const std::uint32_t style = os_.GetWindowLongA(window, kGwlStyle);
    if (!(style & kWsVisible)) return kContinue;
    const std::uint32_t process = os_.GetWindowThreadProcessId(window);
    if (process == 0 || process == ours) return kContinue;
    const std::u16string& image = ImageOf(process, images);
    bool hide = (style & kWsMinimize) && Matches(minimized_, image);
    if ((!open_.empty() || !started_.empty()) && IsMainWindow(window, style)) {
      hide |= Matches(open_, image) && opened.insert(window).second;
      // Taken by whichever rule hides it: a started program's later windows are left alone.
      const auto started =
          std::ranges::find_if(started_, [&](Started& s) { return InFamily(s, process); });
      if (started != started_.end()) {
        started_.erase(started);
        hide = true;
      }
    }
    if (hide) module_.HideWatchedWindow(window);
    return kContinue;
  });
  images_ = std::move(images);
  opened_ = std::move(opened);
  looking_ = false;
}

bool WindowWatch::IsMainWindow(Handle window, std::uint32_t style) {
  if ((style & kWsCaption) != kWsCaption) return false;
  const std::uint32_t ex_style = os_.GetWindowLongA(window, kGwlExStyle);
  return (ex_style & kWsExAppWindow) ||
         (!(ex_style & kWsExToolWindow) && os_.GetWindow(window, kGwOwner) == 0);
}

bool WindowWatch::Matches(const std::vector<std::u16string>& programs,
                          const std::u16string& image) {
  const std::u16string_view file_name =
      std::u16string_view(image).substr(image.find_last_of(u'\\') + 1);
  return !image.empty() && std::ranges::any_of(programs, [&](const std::u16string& program) {
    // A file name stands for that name in any folder.
    const std::u16string_view compared =
        program.find(u'\\') == std::u16string::npos ? file_name : image;
    return os_.CompareStringOrdinal(compared, program, true) == kCstrEqual;
  });
}

bool WindowWatch::InFamily(Started& started, std::uint32_t process) {
  if (process == started.process) return true;
  const auto [known, added] = started.family.try_emplace(process, false);
  if (!added) return known->second;
  std::uint32_t ancestor = process;
  for (int depth = 0; depth < kDeepestFamily && ancestor != 0; ++depth) {
    ancestor = os_.ParentProcessId(ancestor);
    if (ancestor == started.process) return known->second = true;
  }
  return false;
}

const std::u16string& WindowWatch::ImageOf(std::uint32_t process,
                                           std::map<std::uint32_t, std::u16string>& now) {
  if (const auto found = now.find(process); found != now.end()) return found->second;
  const auto cached = images_.find(process);
  std::u16string image =
      cached != images_.end() ? std::move(cached->second) : os_.ProcessImageName(process);
  return now.emplace(process, std::move(image)).first->second;
}

}  // namespace velamo
