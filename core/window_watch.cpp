#include "core/window_watch.h"

#include <algorithm>

#include "core/program_windows.h"

namespace velamo {
namespace {

// How long a started program's main window is waited for.
constexpr std::uint32_t kStartedWatchTime = 60 * 1000;

bool Has(const std::vector<ProcessParent>& processes, std::uint32_t process) {
  return std::ranges::find(processes, process, &ProcessParent::process) != processes.end();
}

}  // namespace

void WindowWatch::AddMinimizedRule(std::u16string program) {
  minimized_.push_back(std::move(program));
  rules_changed_ = true;
}

void WindowWatch::AddOpenRule(std::u16string program) {
  open_.push_back(std::move(program));
  rules_changed_ = true;
}

void WindowWatch::WatchStartedProcess(std::uint32_t process) {
  before_ = os_.ProcessParents();
  started_.push_back({{process, 0}, os_.GetTickCount(), {}});
}

void WindowWatch::Look() {
  // A full table's report opens a message box, whose loop goes on ticking.
  if (looking_) return;
  looking_ = true;
  const std::uint32_t now = os_.GetTickCount();
  std::erase_if(started_, [now](const Started& s) { return now - s.since > kStartedWatchTime; });
  if (!started_.empty()) FollowFamilies();
  if (own_image_.empty()) own_image_ = os_.ProcessImageName(os_.GetCurrentProcessId());
  // Only what still exists is kept from one look to the next.
  std::vector<Known> known;
  os_.EnumWindows([&](Handle window) {
    Known& seen = known.emplace_back(Recall(window));
    // No call at all for the windows no rule can take, which are most, nor for those an open
    // rule has taken already.
    const auto started = seen.ours ? started_.end() : StartedFamilyOf(seen.process);
    const bool to_open = seen.open_rule && !seen.opened;
    if (!seen.minimized_rule && !to_open && started == started_.end()) return kEnumContinue;
    const std::uint32_t style = os_.GetWindowLongA(window, kGwlStyle);
    if (!(style & kWsVisible)) return kEnumContinue;
    bool hide = seen.minimized_rule && (style & kWsMinimize);
    if ((to_open || started != started_.end()) && IsMainWindow(os_, window, style)) {
      if (to_open) seen.opened = hide = true;
      // Taken by whichever rule hides it: a started program's later windows are left alone.
      if (started != started_.end()) {
        started_.erase(started);
        hide = true;
      }
    }
    if (hide) module_.HideWatchedWindow(window);
    return kEnumContinue;
  });
  std::ranges::sort(known, {}, &Known::window);
  known_ = std::move(known);
  rules_changed_ = false;
  std::erase_if(images_, [this](const auto& image) {
    return std::ranges::find(known_, image.first, &Known::process) == known_.end();
  });
  looking_ = false;
}

WindowWatch::Known WindowWatch::Recall(Handle window) {
  const auto found = std::ranges::lower_bound(known_, window, {}, &Known::window);
  Known known;
  if (found != known_.end() && found->window == window) {
    known = *found;
    if (rules_changed_) Classify(known);
  } else {
    known.window = window;
    known.process = os_.GetWindowThreadProcessId(window);
    Classify(known);
  }
  return known;
}

void WindowWatch::Classify(Known& known) {
  if (known.process == 0) return;  // gone already
  const std::u16string& image = ImageOf(known.process);
  // A copy of the program started again is Velamo too, with messages of its own to show.
  known.ours = known.process == os_.GetCurrentProcessId() ||
               (!image.empty() && os_.CompareStringOrdinal(image, own_image_, true) == kCstrEqual);
  known.minimized_rule = !known.ours && MatchesProgram(os_, minimized_, image);
  known.open_rule = !known.ours && MatchesProgram(os_, open_, image);
}

void WindowWatch::FollowFamilies() {
  const std::vector<ProcessParent> processes = os_.ProcessParents();
  const auto is = [](const ProcessParent& a, const ProcessParent& b) {
    return a.process == b.process && a.parent == b.parent;
  };
  const auto alive = [&](std::uint32_t process) {
    return std::ranges::find(processes, process, &ProcessParent::process);
  };
  std::erase_if(started_, [&](Started& s) {
    const auto root = alive(s.process.process);
    if (root != processes.end()) {
      if (s.process.parent == 0) s.process.parent = root->parent;
      if (root->parent != s.process.parent) return true;  // ended, and its id used again
    }
    // A member's id now held by a process of another parent belongs to a stranger.
    std::erase_if(s.family, [&](const ProcessParent& member) {
      const auto live = alive(member.process);
      return live != processes.end() && !is(*live, member);
    });
    for (bool grew = true; grew;) {
      grew = false;
      for (const ProcessParent& p : processes) {
        const bool from_family = p.parent == s.process.process || Has(s.family, p.parent);
        if (from_family && p.process != s.process.process && !Has(s.family, p.process) &&
            std::ranges::none_of(before_, [&](const ProcessParent& b) { return is(b, p); })) {
          s.family.push_back(p);
          grew = true;
        }
      }
    }
    return false;
  });
}

std::vector<WindowWatch::Started>::iterator WindowWatch::StartedFamilyOf(std::uint32_t process) {
  return std::ranges::find_if(started_, [process](const Started& s) {
    return process != 0 && (process == s.process.process || Has(s.family, process));
  });
}

const std::u16string& WindowWatch::ImageOf(std::uint32_t process) {
  const auto found =
      std::ranges::find(images_, process, &std::pair<std::uint32_t, std::u16string>::first);
  if (found != images_.end()) return found->second;
  return images_.emplace_back(process, os_.ProcessImageName(process)).second;
}

}  // namespace velamo
