// A printer object together with the backend it is attached to. The program builds one at
// start-up with the platform's backend and hands it down; code given no printer (tests,
// prepared pages on their own) makes one with only the virtual printer.
#pragma once

#include <memory>

#include "printer/Printer.h"
#include "printer/PrinterBackend.h"

namespace printer {

class ProgramPrinter {
public:
    // Attaches the printer to `backend`; null = no platform printers, the virtual one only.
    explicit ProgramPrinter(std::unique_ptr<PrinterBackend> backend = nullptr);
    ProgramPrinter(const ProgramPrinter&) = delete;
    ProgramPrinter& operator=(const ProgramPrinter&) = delete;

    Printer& printer() { return printer_; }
    // The paper code the printer started with: the default paper of new template pages.
    int defaultPaperCode() const { return defaultPaper_; }

private:
    // Declared before the printer, so the printer never outlives the backend it points at.
    std::unique_ptr<PrinterBackend> backend_;
    Printer printer_;
    int defaultPaper_;
};

}  // namespace printer
