#include "win32/start_program.h"

#include <shellapi.h>

#include "win32/handles.h"

namespace velamo {

StartedProgram StartProgram(const std::wstring& program, const std::wstring& arguments,
                            const std::wstring& directory) {
  SHELLEXECUTEINFOW start{
      .cbSize = sizeof(start),
      .fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI,
      .lpFile = program.c_str(),
      .lpParameters = arguments.empty() ? nullptr : arguments.c_str(),
      .lpDirectory = directory.c_str(),
      .nShow = SW_SHOWMINNOACTIVE,
  };
  if (!ShellExecuteExW(&start)) return {.error = GetLastError()};
  const win32::UniqueHandle process(start.hProcess);
  return {.process = process ? GetProcessId(process.get()) : 0};
}

std::wstring SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message(text, length);
  LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) {
    message.pop_back();
  }
  return message;
}

}  // namespace velamo
