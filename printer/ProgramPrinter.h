// The one printer object of the running program. The program sets it up once at start-up
// with the platform's backend; code that runs without that (tests, headless commands) gets a
// printer with only the virtual printer. Tests of the printer itself make their own Printer.
#pragma once

#include <memory>

#include "printer/Printer.h"

namespace preview {

class PrinterBackend;

// The program's printer; on first use without startProgramPrinter it has the virtual printer only.
Printer& programPrinter();

// Attaches the program's printer to `backend` (null = no platform printers) and remembers the
// resulting paper as the default paper of new template pages.
void startProgramPrinter(std::unique_ptr<PrinterBackend> backend);

// The paper code the program's printer started with.
int defaultPaperCode();

}  // namespace preview
