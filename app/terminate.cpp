#include <cstdlib>
#include <exception>

#include "app/runtime_error_exit.h"

// libstdc++'s default terminate handler, replaced by name: the original prints the exception's
// demangled type to a console this program has not, and brings a demangler and a printf engine
// (about 60 KB) to do it. Setting another handler, by std::set_terminate or by defining
// __cxxabiv1::__terminate_handler, would not drop it: std::set_terminate's own object file
// refers to it as the default it restores.
namespace __gnu_cxx {

// An error nothing can catch (one leaving a noexcept function, or thrown where no handler is
// reachable) ends the program as an untrapped run-time error does.
void __verbose_terminate_handler() {
  static bool ending = false;
  // Terminating again while reporting: the report itself failed, so end without one.
  if (ending) std::abort();
  ending = true;
  // Null when std::terminate was called with no exception in flight.
  velamo::EndOnRuntimeError(std::current_exception());
}

}  // namespace __gnu_cxx
