#pragma once

namespace velamo {

class Module1;

// Every way the program ends on an error first gives back the windows `module` holds.
void RestoreOnFatalError(Module1& module);

// An error the program cannot go on from (a crash, memory exhausted, a library error) ends it
// here: every hidden window is shown again and every icon removed, then the user is told.
[[noreturn]] void EndOnUnexpectedError();

}  // namespace velamo
