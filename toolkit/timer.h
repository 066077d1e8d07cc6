#pragma once

#include <windows.h>

#include <functional>

namespace toolkit {

class Form;

// Ticks every `interval` milliseconds on the form's thread; an interval of 0 stops it.
class Timer {
 public:
  explicit Timer(Form& form);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  int Interval() const { return interval_; }
  void SetInterval(int milliseconds);

  std::function<void()> OnTimer;
  void Tick();

 private:
  UINT_PTR id() const { return reinterpret_cast<UINT_PTR>(this); }

  Form& form_;
  int interval_ = 0;
};

}  // namespace toolkit
