// Program entry: a subcommand runs headless, no argument opens the main window.
#include "app/CommandLine.h"

int main(int argc, char** argv) {
    return app::runCommandLine(argc, argv);
}
