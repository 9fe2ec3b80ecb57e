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
// quirelle --desktop [FILE.frp], as the desktop entry starts the program: the main window in
// the folder of the code files, or the preview of FILE.frp.
int runFromDesktop(char** argv, const std::vector<std::string>& files);

// Where `quirelle show` reports a file it cannot show: the terminal, and a message box too
// when no terminal is watching (a start from the file manager).
enum class ShowFaults { OnTerminal, AlsoInBox };
int showPreparedReport(const std::string& path, ShowFaults shown);

}  // namespace app
