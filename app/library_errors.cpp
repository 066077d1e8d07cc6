#include <exception>
#include <new>
#include <typeinfo>

namespace {

// A standard-library error, with the library's own message.
class LibraryError : public std::exception {
 public:
  explicit LibraryError(const char* message) : message_(message) {}
  const char* what() const noexcept override { return message_; }

 private:
  const char* message_;
};

}  // namespace

// The functions libstdc++'s containers and strings call to throw, in place of libstdc++'s own.
// Those sit in one object file that constructs std::logic_error and its kin from C strings; the
// constructors need the old copy-on-write string, whose object file pulls in std::random_device
// and with it a second full set of string code: about 80 KB that --gc-sections cannot drop, as
// the linker keeps every function's unwind information. The program traps none of these errors
// by type (each ends it as an unexpected error), so a plain std::exception serves. All of them
// are here: using one more would bring the original object file back, clashing with these.
namespace std {

void __throw_bad_exception() { throw bad_exception(); }
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_bad_cast() { throw bad_cast(); }
void __throw_bad_typeid() { throw bad_typeid(); }
void __throw_logic_error(const char* message) { throw LibraryError(message); }
void __throw_domain_error(const char* message) { throw LibraryError(message); }
void __throw_invalid_argument(const char* message) { throw LibraryError(message); }
void __throw_length_error(const char* message) { throw LibraryError(message); }
void __throw_out_of_range(const char* message) { throw LibraryError(message); }
// The format's arguments are left out: nothing shows the message.
void __throw_out_of_range_fmt(const char* format, ...) { throw LibraryError(format); }
void __throw_runtime_error(const char* message) { throw LibraryError(message); }
void __throw_range_error(const char* message) { throw LibraryError(message); }
void __throw_overflow_error(const char* message) { throw LibraryError(message); }
void __throw_underflow_error(const char* message) { throw LibraryError(message); }

}  // namespace std
