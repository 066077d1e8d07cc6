#include "app/program.h"

#include "app/runtime_error_exit.h"
#include "core/program_ids.h"
#include "resource_ids.h"
#include "win32/handle_cast.h"
#include "win32/wide.h"

namespace velamo {
Program::Program(const Options& options, const std::wstring& directory)
    : app_(IDI_APP, {Wide(kFormClass), Wide(kPictureClass)}),
      hook_(form1_.form().hwnd(), kCaptionButtonMessage, os_, !options.no_button),
      options_(app_, form1_, watch_, hook_),
      taskbar_created_(RegisterWindowMessageW(Wide(kTaskbarCreatedMessageName))),
      bring_up_(RegisterWindowMessageW(Wide(kBringUpMessageName))) {
  RestoreOnFatalError(module_, &hook_);
  form1_.form().OtherMessage = [this](UINT message, WPARAM wparam, LPARAM lparam) {
    return OnMessage(message, wparam, lparam);
  };
  module_.Main(form1_);
  options_.Apply(options, directory);
}

std::optional<LRESULT> Program::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NULL) return std::nullopt;
  if (message == taskbar_created_) {
    // The shell started again and forgot every icon.
    module_.RegisterIconsAgain();
    return 0;
  }
  if (message == bring_up_) {
    form1_.BringUp();
    return 0;
  }
  switch (message) {
    case WM_HOTKEY:
      form1_.OnHotKey(static_cast<int>(wparam));
      return 0;
    case WM_COPYDATA:
      return options_.Receive(*reinterpret_cast<const COPYDATASTRUCT*>(lparam));
    case kCaptionButtonMessage: {
      const Handle chosen = ToHandle(reinterpret_cast<HWND>(wparam));
      lparam ? module_.HideAtCloseButton(chosen) : module_.HideAtMinimizeButton(chosen);
      return 0;
    }
    case kTrayClickMessage:
      form1_.OnTrayClick(static_cast<Index>(wparam), static_cast<TrayClick>(lparam));
      return 0;
    default:
      return std::nullopt;
  }
}

}  // namespace velamo
