#pragma once

#include <string_view>

namespace velamo {

// A second start leaves its work to the Velamo already running: without options it brings up
// that Velamo's main window; with options it hands them over, with its working directory.
void BringUpRunningVelamo();
void HandOverToRunningVelamo(std::u16string_view arguments, std::wstring_view directory);

}  // namespace velamo
