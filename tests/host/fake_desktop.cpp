#include "tests/host/fake_desktop.h"

#include <iconv.h>

#include <algorithm>
#include <cstdlib>

namespace velamo::testing {
namespace {

std::string Convert(const char* to, const char* from, std::string_view input) {
  iconv_t cd = iconv_open(to, from);
  std::string in(input), out(in.size() * 4 + 4, '\0');
  char *in_ptr = in.data(), *out_ptr = out.data();
  std::size_t in_left = in.size(), out_left = out.size();
  // The tests use only characters the code page has.
  if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1)) {
    std::abort();
  }
  iconv_close(cd);
  out.resize(out.size() - out_left);
  return out;
}

}  // namespace

std::string FakeDesktop::ToAnsi(std::u16string_view text) const {
  return Convert("CP932", "UTF-16LE",
                 std::string_view(reinterpret_cast<const char*>(text.data()), text.size() * 2));
}

std::u16string FakeDesktop::FromAnsi(std::string_view text) const {
  const std::string utf16 = Convert("UTF-16LE", "CP932", text);
  return std::u16string(reinterpret_cast<const char16_t*>(utf16.data()), utf16.size() / 2);
}

void FakeDesktop::ExtractIconExA(const std::string& file, int index, Handle* large, Handle* small) {
  calls.push_back("ExtractIconExA " + file + " " + std::to_string(index) + (large ? " large" : "") +
                  (small ? " small" : ""));
  if (!icon_files.contains(file) || !icon_files[file].contains(index)) return;
  if (large) *large = icon_files[file][index].first;
  if (small) *small = icon_files[file][index].second;
}

int FakeDesktop::GetWindowTextA(Handle window, char* buffer, int max_count) {
  // Like the real call: at most max_count - 1 bytes and a NUL.
  const std::string title = ToAnsi(At(window).title);
  const std::size_t length = std::min<std::size_t>(title.size(), max_count - 1);
  title.copy(buffer, length);
  buffer[length] = '\0';
  return static_cast<int>(length);
}

const FakeDesktop::Window& FakeDesktop::At(Handle window) const {
  static const Window destroyed{.visible = 0, .style = 0, .process = 0};
  const auto found = windows.find(window);
  return found == windows.end() ? destroyed : found->second;
}

int FakeDesktop::ShowWindowAsync(Handle window, int command) {
  calls.push_back("ShowWindowAsync " + std::to_string(window) + " " + std::to_string(command));
  if (!windows.contains(window)) return 0;
  windows[window].visible = command != kSwHide;
  if (command != kSwHide) windows[window].iconic = 0;
  return 1;
}

int FakeDesktop::EnumWindows(const std::function<std::int32_t(Handle window)>& callback) {
  calls.push_back("EnumWindows");
  // A copy: the callback must not see windows added meanwhile.
  for (Handle window : std::vector<Handle>(top_level_order)) {
    if (callback(window) == 0) return 0;
  }
  return 1;
}

int FakeDesktop::CompareStringOrdinal(std::u16string_view a, std::u16string_view b, bool) {
  const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c; };
  return std::ranges::equal(a, b, {}, lower, lower) ? kCstrEqual : 1;
}

Handle FakeDesktop::ShellExecuteA(Handle owner, const char* verb, const char* file,
                                  const char* parameters, const char* directory, int show) {
  calls.push_back("ShellExecuteA " + std::to_string(owner) + " " + verb + " " + file + " \"" +
                  parameters + "\" \"" + directory + "\" " + std::to_string(show));
  if (during_shell_execute) during_shell_execute();
  return 42;  // success: greater than 32
}

}  // namespace velamo::testing
