// Process-level services of the platform.
#pragma once

namespace talvo {

// Initialises the calling (user-interface) thread for the platform's object model and sets
// the current directory to the folder of the program file.
void PrepareProcess();

// Ends the process at once with the code, without running static destructors or waiting
// for other threads (which may still be inside network or script calls).
[[noreturn]] void EndProcessNow(int exitCode);

}  // namespace talvo
