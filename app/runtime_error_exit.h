#pragma once

#include <exception>

namespace velamo {

class Module1;

// Every way the program ends on an error first gives back the windows `module` holds.
void RestoreOnFatalError(Module1& module);

// An error no handler traps ends the program here: every hidden window is shown again and every
// icon removed, then the user is told what happened. `error` may be null (a crash).
[[noreturn]] void EndOnRuntimeError(std::exception_ptr error);

}  // namespace velamo
