#include "toolkit/timer.h"

#include "toolkit/form.h"

namespace toolkit {

Timer::Timer(Form& form) : form_(form) { form_.AddTimer(*this); }

Timer::~Timer() {
  KillTimer(form_.hwnd(), id());
  form_.RemoveTimer(*this);
}

void Timer::SetInterval(int milliseconds) {
  interval_ = milliseconds;
  KillTimer(form_.hwnd(), id());
  if (interval_ > 0) SetTimer(form_.hwnd(), id(), interval_, nullptr);
}

void Timer::Tick() {
  if (OnTimer) OnTimer();
}

}  // namespace toolkit
