#include "core/window_watch.h"

#include <algorithm>

#include "core/program_windows.h"

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
  Images images;
  std::vector<Handle> opened;
  std::optional<std::vector<ProcessParent>> parents;
  const auto seen = [](const auto& list, auto item) {
    return std::ranges::find(list, item) != list.end();
  };
  os_.EnumWindows([&](Handle window) {
    if (seen(opened_, window)) opened.push_back(window);
    // One call for most windows: the hidden ones, which are many, go no further.
    const std::uint32_t style = os_.GetWindowLongA(window, kGwlStyle);
    if (!(style & kWsVisible)) return kContinue;
    const std::uint32_t process = os_.GetWindowThreadProcessId(window);
    if (process == 0 || process == ours) return kContinue;
    const std::u16string& image = ImageOf(process, images);
    bool hide = (style & kWsMinimize) && MatchesProgram(os_, minimized_, image);
    if ((!open_.empty() || !started_.empty()) && IsMainWindow(os_, window, style)) {
      if (MatchesProgram(os_, open_, image) && !seen(opened, window)) {
        opened.push_back(window);
        hide = true;
      }
      // Taken by whichever rule hides it: a started program's later windows are left alone.
      const auto started =
          std::ranges::find_if(started_, [&](Started& s) { return InFamily(s, process, parents); });
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

bool WindowWatch::InFamily(Started& started, std::uint32_t process,
                           std::optional<std::vector<ProcessParent>>& parents) {
  if (process == started.process ||
      std::ranges::find(started.family, process) != started.family.end()) {
    return true;
  }
  if (std::ranges::find(started.strangers, process) != started.strangers.end()) return false;
  if (!parents) parents = os_.ProcessParents();
  std::uint32_t ancestor = process;
  for (int depth = 0; depth < kDeepestFamily && ancestor != 0; ++depth) {
    const auto entry = std::ranges::find(*parents, ancestor, &ProcessParent::process);
    ancestor = entry != parents->end() ? entry->parent : 0;
    if (ancestor == started.process) {
      started.family.push_back(process);
      return true;
    }
  }
  started.strangers.push_back(process);
  return false;
}

const std::u16string& WindowWatch::ImageOf(std::uint32_t process, Images& now) {
  const auto of = [process](const Images& images) {
    return std::ranges::find(images, process, &Images::value_type::first);
  };
  if (const auto found = of(now); found != now.end()) return found->second;
  const auto cached = of(images_);
  return now
      .emplace_back(process,
                    cached != images_.end() ? cached->second : os_.ProcessImageName(process))
      .second;
}

}  // namespace velamo
