#pragma once

namespace velamo {

class CaptionButtonHook;
class Module1;

// Every way the program ends on an error first takes `hook` out, if there is one, and gives back
// the windows `module` holds.
void RestoreOnFatalError(Module1& module, CaptionButtonHook* hook);

// An error the program cannot go on from (a crash, memory exhausted, a library error) ends it
// here: every hidden window is shown again and every icon removed, then the user is told.
[[noreturn]] void EndOnUnexpectedError();

}  // namespace velamo
