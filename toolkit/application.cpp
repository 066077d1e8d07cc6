#include "toolkit/application.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "toolkit/form.h"
#include "toolkit/message_box.h"

namespace toolkit {
namespace {

int ScreenDpi() {
  win32::WindowDc screen(nullptr);
  return GetDeviceCaps(screen.get(), LOGPIXELSX);
}

win32::UniqueFont CreateUiFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  return win32::UniqueFont(CreateFontIndirectW(&metrics.lfMessageFont));
}

win32::UniqueIcon LoadIconSized(HINSTANCE instance, int icon, int metric_x, int metric_y) {
  if (icon == 0) return nullptr;
  return win32::UniqueIcon(
      static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(icon), IMAGE_ICON,
                                    GetSystemMetrics(metric_x), GetSystemMetrics(metric_y), 0)));
}

}  // namespace

Application::Application(int icon, ClassNames classes)
    : instance_(GetModuleHandleW(nullptr)),
      classes_(classes),
      twips_(ScreenDpi()),
      ui_font_(CreateUiFont()),
      large_icon_(LoadIconSized(instance_, icon, SM_CXICON, SM_CYICON)),
      small_icon_(LoadIconSized(instance_, icon, SM_CXSMICON, SM_CYSMICON)) {}

int Application::Run() {
  MSG message;
  while (!loaded_forms_.empty()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    DispatchOne(message);
  }
  return 0;
}

void Application::DispatchOne(MSG& message) {
  // Tab and arrow-key navigation between the controls of our forms.
  HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  const bool ours =
      std::ranges::any_of(loaded_forms_, [root](Form* f) { return f->hwnd() == root; });
  if (root && ours && IsDialogMessageW(root, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

int Application::Message(HWND owner, std::wstring_view prompt, UINT style,
                         std::wstring_view title) {
  ++messages_open_;
  const int chosen = MsgBox(owner, prompt, style, title);
  --messages_open_;
  return chosen;
}

void Application::FormLoaded(Form& form) { loaded_forms_.push_back(&form); }

void Application::FormUnloaded(Form& form) {
  std::erase(loaded_forms_, &form);
  if (loaded_forms_.empty()) PostQuitMessage(0);
}

UINT Application::AddCommand(std::function<void()> handler) {
  const UINT id = next_command_++;
  commands_.emplace_back(id, std::move(handler));
  return id;
}

void Application::RemoveCommand(UINT id) {
  std::erase_if(commands_, [id](const auto& command) { return command.first == id; });
}

void Application::RunCommand(UINT id) {
  const auto found =
      std::ranges::find_if(commands_, [id](const auto& command) { return command.first == id; });
  if (found == commands_.end()) return;
  // Copied: the handler may remove its own menu item.
  const std::function<void()> handler = found->second;
  if (handler) handler();
}

}  // namespace toolkit
