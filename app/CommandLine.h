// The quirelle command line: subcommands that run headless, or the main window.
#pragma once

namespace app {

// Runs the program with its arguments; returns the process exit code
// (0 success, 1 the job reported a fault, 2 usage error).
int runCommandLine(int argc, char** argv);

}  // namespace app
