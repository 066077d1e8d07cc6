#include "tests/host/recording_os.h"

#include <iconv.h>

#include <algorithm>
#include <stdexcept>

namespace velamo::testing {
namespace {

std::string Convert(const char* to, const char* from, std::string_view input) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
  std::string in(input);
  std::string out(in.size() * 4 + 4, '\0');
  char* in_ptr = in.data();
  char* out_ptr = out.data();
  std::size_t in_left = in.size();
  std::size_t out_left = out.size();
  while (in_left > 0) {
    if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1)) {
      // Unmappable characters become '?', as WideCharToMultiByte's default character.
      const std::size_t skip = std::string_view(from) == "UTF-16LE" ? 2 : 1;
      in_ptr += skip;
      in_left -= skip;
      *out_ptr++ = '?';
      --out_left;
    }
  }
  iconv_close(cd);
  out.resize(out.size() - out_left);
  return out;
}

}  // namespace

std::string RecordingOs::ToAnsi(std::u16string_view text) const {
  return Convert("CP932", "UTF-16LE",
                 std::string_view(reinterpret_cast<const char*>(text.data()), text.size() * 2));
}

std::u16string RecordingOs::FromAnsi(std::string_view text) const {
  const std::string utf16 = Convert("UTF-16LE", "CP932", text);
  return std::u16string(reinterpret_cast<const char16_t*>(utf16.data()), utf16.size() / 2);
}

void RecordingOs::ExtractIconExA(const std::string& file, int index, Handle* large, Handle* small) {
  calls.push_back("ExtractIconExA " + file + " " + std::to_string(index));
  const auto found = icon_files.find(file);
  if (found == icon_files.end()) return;
  const auto group = found->second.find(index);
  if (group == found->second.end()) return;
  *large = group->second.first;
  *small = group->second.second;
}

bool RecordingOs::Shell_NotifyIconA(std::uint32_t message, const TrayBytes& data) {
  calls.push_back("Shell_NotifyIconA " + std::to_string(message));
  notify_calls.push_back({message, data});
  return true;
}

void RecordingOs::AddWindow(Handle handle, Window window) {
  if (window.parent == 0) top_level_order.push_back(handle);
  windows[handle] = std::move(window);
}

int RecordingOs::GetWindowTextA(Handle window, char* buffer, int max_count) {
  calls.push_back("GetWindowTextA " + std::to_string(window));
  const auto found = windows.find(window);
  const std::string title = found == windows.end() ? "" : ToAnsi(found->second.title);
  // Like the real call: at most max_count - 1 bytes and a NUL.
  const std::size_t length = std::min<std::size_t>(title.size(), max_count - 1);
  title.copy(buffer, length);
  buffer[length] = '\0';
  return static_cast<int>(length);
}

Handle RecordingOs::GetClassLongA(Handle window, int index) {
  return index == kGclHIconSm ? At(window).small_icon
         : index == kGclHIcon ? At(window).large_icon
                              : 0;
}

const RecordingOs::Window& RecordingOs::At(Handle window) const {
  static const Window destroyed{.visible = 0};
  const auto found = windows.find(window);
  return found == windows.end() ? destroyed : found->second;
}

int RecordingOs::ShowWindowAsync(Handle window, int command) {
  calls.push_back("ShowWindowAsync " + std::to_string(window) + " " + std::to_string(command));
  const auto found = windows.find(window);
  if (found == windows.end()) return 0;
  found->second.visible = command != kSwHide;
  if (command != kSwHide) found->second.iconic = 0;
  return 1;
}

int RecordingOs::SetPropA(Handle window, const char* name, Handle value) {
  calls.push_back("SetPropA " + std::to_string(window) + " " + name + " " + std::to_string(value));
  const auto found = windows.find(window);
  if (found == windows.end()) return 0;
  found->second.props[name] = value;
  return 1;
}

Handle RecordingOs::GetPropA(Handle window, const char* name) {
  const auto found = windows.find(window);
  if (found == windows.end() || !found->second.props.contains(name)) return 0;
  return found->second.props[name];
}

Handle RecordingOs::RemovePropA(Handle window, const char* name) {
  calls.push_back("RemovePropA " + std::to_string(window) + " " + name);
  const Handle value = GetPropA(window, name);
  if (value != 0) windows[window].props.erase(name);
  return value;
}

int RecordingOs::EnumWindows(const std::function<std::int32_t(Handle window)>& callback) {
  calls.push_back("EnumWindows");
  // A copy: hiding does not change the set, but the callback must not see later additions.
  const std::vector<Handle> order = top_level_order;
  for (Handle window : order) {
    if (callback(window) == 0) return 0;
  }
  return 1;
}

Handle RecordingOs::ShellExecuteA(Handle owner, const char* verb, const char* file,
                                  const char* parameters, const char* directory, int show) {
  const auto quoted = [](const char* text) {
    return text ? '"' + std::string(text) + '"' : std::string("null");
  };
  calls.push_back("ShellExecuteA " + std::to_string(owner) + " " + quoted(verb) + " " +
                  quoted(file) + " " + quoted(parameters) + " " + quoted(directory) + " " +
                  std::to_string(show));
  if (during_shell_execute) during_shell_execute();
  return 42;  // success: greater than 32
}

}  // namespace velamo::testing
