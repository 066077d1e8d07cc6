#include "about_window/form2.h"

#include <windows.h>

#include <string>

#include "about_window/form2_window.h"
#include "core/about.h"
#include "version.h"
#include "win32/handle_cast.h"
#include "win32/wide.h"

namespace velamo {

Form2::Form2(toolkit::Application& app, Os& os, const Module1& module, toolkit::Form& form1)
    : app_(app), os_(os), module_(module), form1_(form1) {}

Form2::~Form2() = default;

void Form2::ShowModal() {
  window_ = std::make_unique<Window>(app_, *this);
  Form_Load();
  window_->form.ShowModal(form1_);
  // Unloaded: the next opening starts from the design again.
  window_.reset();
}

void Form2::Form_Load() {
  Window& window = *window_;
  DrawIcon(window.Picture1.hdc(), 0, 0, FromHandle<HICON>(module_.AppLargeIcon));
  const std::u16string version =
      VersionText(VELAMO_VERSION_MAJOR, VELAMO_VERSION_MINOR, VELAMO_VERSION_REVISION);
  window.Label2(0).SetCaption(Wide(version));
}

void Form2::Form_MouseMove(std::int16_t, std::int16_t, double, double) {
  for (std::int16_t index = 0; index <= 1; ++index) window_->Label5(index).SetFontUnderline(false);
}

void Form2::Label5_MouseMove(std::int16_t index, std::int16_t, std::int16_t, double, double) {
  window_->Label5(index).SetFontUnderline(true);
  SetHandCursor(os_, 1);
}

void Form2::Label5_MouseUp(std::int16_t index, std::int16_t button, std::int16_t, double, double) {
  OpenLink(os_, LinkBusy, button, Utf16(window_->Label5(index).Tag()));
}

void Form2::Command1_Click() { window_->form.Unload(); }

}  // namespace velamo
