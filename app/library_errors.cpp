#include <cstdlib>
#include <exception>
#include <functional>
#include <new>

#include "app/runtime_error_exit.h"

// Velamo.exe is built without C++ exceptions: nothing in it throws, and so the unwinder, the
// exception runtime and their tables (about 70 KB) stay out. What the standard library would
// throw ends the program as an unexpected error instead, as the thrown error would have.

// libstdc++'s own operator new throws std::bad_alloc, which would bring the runtime back.
void* operator new(std::size_t size) {
  if (void* block = std::malloc(size ? size : 1)) return block;
  velamo::EndOnUnexpectedError();
}

// The functions libstdc++'s containers, strings and std::function call to throw, in place of the
// library's own. All of them are here: using one more would bring an original object file back,
// clashing with these.
namespace std {

void __throw_bad_exception() { velamo::EndOnUnexpectedError(); }
void __throw_bad_alloc() { velamo::EndOnUnexpectedError(); }
void __throw_bad_array_new_length() { velamo::EndOnUnexpectedError(); }
void __throw_bad_cast() { velamo::EndOnUnexpectedError(); }
void __throw_bad_typeid() { velamo::EndOnUnexpectedError(); }
void __throw_bad_function_call() { velamo::EndOnUnexpectedError(); }
void __throw_logic_error(const char*) { velamo::EndOnUnexpectedError(); }
void __throw_domain_error(const char*) { velamo::EndOnUnexpectedError(); }
void __throw_invalid_argument(const char*) { velamo::EndOnUnexpectedError(); }
void __throw_length_error(const char*) { velamo::EndOnUnexpectedError(); }
void __throw_out_of_range(const char*) { velamo::EndOnUnexpectedError(); }
void __throw_out_of_range_fmt(const char*, ...) { velamo::EndOnUnexpectedError(); }
void __throw_runtime_error(const char*) { velamo::EndOnUnexpectedError(); }
void __throw_range_error(const char*) { velamo::EndOnUnexpectedError(); }
void __throw_overflow_error(const char*) { velamo::EndOnUnexpectedError(); }
void __throw_underflow_error(const char*) { velamo::EndOnUnexpectedError(); }

}  // namespace std
