// One function per quirelle subcommand. Each takes the arguments after the subcommand name
// and returns the exit code: 0 success, 1 the job reported a fault, 2 usage error.
#pragma once

#include <string>
#include <vector>

namespace app {

using Args = std::vector<std::string>;

int runLabels(const Args& args);
int runPrint(const Args& args);
int runConvert(const Args& args);
int runShow(const Args& args);
int runCheckCf(const Args& args);
int runBarcode(const Args& args);
int runTemplate(const Args& args);
int runTestSheet(const Args& args);
// No subcommand: the main window in the current directory.
int runMainWindow(int argc, char** argv);

}  // namespace app
