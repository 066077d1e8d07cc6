#pragma once

#include <windows.h>

#include <string_view>

namespace velamo {

// The running Velamo's main window, waited for a few seconds in case it is starting too; null
// when none shows in that time.
HWND FindRunningVelamo();

// A second start leaves its work to the Velamo already running: without options it brings up
// that Velamo's main window; with options it hands them over, with its working directory. What
// cannot be done is told to the user.
void BringUpRunningVelamo(HWND running);
void HandOverToRunningVelamo(HWND running, std::u16string_view arguments,
                             std::wstring_view directory);

}  // namespace velamo
