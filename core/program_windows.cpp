#include "core/program_windows.h"

#include <algorithm>

namespace velamo {

bool IsMainWindow(Os& os, Handle window, std::uint32_t style) {
  if ((style & (kWsCaption | kWsChild)) != kWsCaption) return false;
  const std::uint32_t ex_style = os.GetWindowLongA(window, kGwlExStyle);
  return (ex_style & kWsExAppWindow) ||
         (!(ex_style & kWsExToolWindow) && os.GetWindow(window, kGwOwner) == 0);
}

bool IsShownEnabledMainWindow(Os& os, Handle window) {
  const std::uint32_t style = os.GetWindowLongA(window, kGwlStyle);
  return (style & kWsVisible) && !(style & kWsDisabled) && IsMainWindow(os, window, style);
}

bool MinimizeButtonWorks(Os& os, Handle window) {
  const std::uint32_t style = os.GetWindowLongA(window, kGwlStyle);
  return (style & kWsVisible) && !(style & (kWsChild | kWsDisabled)) && (style & kWsMinimizeBox);
}

bool MatchesProgram(Os& os, const std::vector<std::u16string>& programs,
                    const std::u16string& image) {
  const std::u16string_view file_name =
      std::u16string_view(image).substr(image.find_last_of(u'\\') + 1);
  return !image.empty() && std::ranges::any_of(programs, [&](const std::u16string& program) {
    // A file name stands for that name in any folder.
    const std::u16string_view compared =
        program.find(u'\\') == std::u16string::npos ? file_name : image;
    return os.CompareStringOrdinal(compared, program, true) == kCstrEqual;
  });
}

std::uintptr_t HitTest(Os& os, Handle window, std::int32_t x, std::int32_t y) {
  constexpr std::uint32_t kWmNcHitTest = 0x84, kSmtoBlock = 1, kSmtoAbortIfHung = 2;
  constexpr std::uint32_t kHitTestTimeout = 50;
  // The point as WM_NCHITTEST takes it: x in the low word, y in the high one.
  const auto at = static_cast<std::intptr_t>(static_cast<std::uint32_t>(y) << 16 |
                                             (static_cast<std::uint32_t>(x) & 0xFFFF));
  std::uintptr_t hit = 0;
  // SMTO_BLOCK: no other input is taken while this one is undecided.
  return os.SendMessageTimeoutW(window, kWmNcHitTest, 0, at, kSmtoAbortIfHung | kSmtoBlock,
                                kHitTestTimeout, &hit)
             ? hit
             : 0;
}

bool IsShellWindow(Os& os, Handle window) {
  if (window == os.GetDesktopWindow() || window == os.GetShellWindow()) return true;
  const std::string name = os.GetClassNameA(window);
  return name == "Progman" || name == "WorkerW" || name == "Shell_TrayWnd" ||
         name == "Shell_SecondaryTrayWnd";
}

}  // namespace velamo
