#include "core/program_windows.h"

#include <algorithm>

namespace velamo {

bool IsMainWindow(Os& os, Handle window, std::uint32_t style) {
  if ((style & (kWsCaption | kWsChild)) != kWsCaption) return false;
  const std::uint32_t ex_style = os.GetWindowLongA(window, kGwlExStyle);
  return (ex_style & kWsExAppWindow) ||
         (!(ex_style & kWsExToolWindow) && os.GetWindow(window, kGwOwner) == 0);
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

bool IsShellWindow(Os& os, Handle window) {
  if (window == os.GetDesktopWindow() || window == os.GetShellWindow()) return true;
  const std::string name = os.GetClassNameA(window);
  return name == "Progman" || name == "WorkerW" || name == "Shell_TrayWnd" ||
         name == "Shell_SecondaryTrayWnd";
}

}  // namespace velamo
