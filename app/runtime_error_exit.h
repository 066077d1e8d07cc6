#pragma once

#include <exception>

namespace velamo {

// An error no handler traps ends the program here, after telling the user what happened.
[[noreturn]] void EndOnRuntimeError(std::exception_ptr error);

}  // namespace velamo
