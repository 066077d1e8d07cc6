#pragma once

#include <cstdint>
#include <memory>

#include "core/module1.h"
#include "core/os.h"
#include "core/types.h"
#include "toolkit/application.h"
#include "toolkit/form.h"

namespace velamo {

// The About window. One instance lives as long as the program; each opening loads the window
// afresh from its design, so only LinkBusy carries over from one opening to the next.
class Form2 {
 public:
  // `form1`: the main window, its owner and the source of its icon. `os`: the program's, for the
  // shell and cursor calls, whose logic lives in core/about.
  Form2(toolkit::Application& app, Os& os, const Module1& module, toolkit::Form& form1);
  ~Form2();
  Form2(const Form2&) = delete;
  Form2& operator=(const Form2&) = delete;

  // Loads the window and shows it modal over the main window; returns when it has unloaded.
  void ShowModal();

  // True while a link is being opened.
  Bool16 LinkBusy = kFalse;

 private:
  struct Window;  // the loaded window with its elements

  void Form_Load();
  void Form_MouseMove(std::int16_t button, std::int16_t shift, double x, double y);
  void Label5_MouseMove(std::int16_t index, std::int16_t button, std::int16_t shift, double x,
                        double y);
  void Label5_MouseUp(std::int16_t index, std::int16_t button, std::int16_t shift, double x,
                      double y);
  void Command1_Click();

  toolkit::Application& app_;
  Os& os_;
  const Module1& module_;
  toolkit::Form& form1_;
  std::unique_ptr<Window> window_;  // only while loaded
};

}  // namespace velamo
