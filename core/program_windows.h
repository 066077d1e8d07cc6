#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/os.h"

namespace velamo {

// What the rules and the ways in ask of other programs' windows.

// A window with a caption that would show in the taskbar, as a program's main windows do;
// splash screens, tool windows, owned dialogs and child windows are not.
bool IsMainWindow(Os& os, Handle window, std::uint32_t style);
// A main window its user can close now: shown and enabled.
bool IsShownEnabledMainWindow(Os& os, Handle window);
// A shown, enabled top-level window whose minimize button is not greyed.
bool MinimizeButtonWorks(Os& os, Handle window);
// Whether `image`, a program's full path, is one of `programs`: executables' file names (that
// name in any folder) or full paths.
bool MatchesProgram(Os& os, const std::vector<std::u16string>& programs,
                    const std::u16string& image);
// The desktop and the taskbars with their notification area: never hidden.
bool IsShellWindow(Os& os, Handle window);
// What `window` answers WM_NCHITTEST for the screen point (x, y): HTCLOSE, HTMINBUTTON... A
// window that does not answer within 50 ms, the longest a click waits, answers 0 (HTNOWHERE)
// and keeps its click.
std::uintptr_t HitTest(Os& os, Handle window, std::int32_t x, std::int32_t y);

}  // namespace velamo
