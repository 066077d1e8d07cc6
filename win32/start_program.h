#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace velamo {

// A program started, or why it could not be.
struct StartedProgram {
  std::uint32_t process = 0;  // 0 when the shell handed the start to a running program
  DWORD error = ERROR_SUCCESS;
};

// Starts `program` as the Run box would (a file name is looked for where Windows looks for
// programs), with `arguments` as typed, in `directory`; minimized and not in front, so that its
// window does not flash up before it goes into the tray.
StartedProgram StartProgram(const std::wstring& program, const std::wstring& arguments,
                            const std::wstring& directory);

// The system's text for error `error`, in the user's language.
std::wstring SystemMessage(DWORD error);

}  // namespace velamo
