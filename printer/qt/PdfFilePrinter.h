// The file printer listed after the spooler's printers: it writes each print job to a PDF file,
// so that printing works on a machine without printers. Whoever starts a print run on it names
// the file first (the program's windows ask the operator).
#pragma once

#include <string>

namespace printer::qt {

inline constexpr const char* kPdfFilePrinterName = "Stampa su file (PDF)";

class PdfFilePrinter {
public:
    // Jobs go to this path. A run that needs several jobs (another paper, a job per sheet)
    // writes the later ones beside it as name-2.pdf, name-3.pdf, … instead of over it; set the
    // path again for the next run.
    void setFixedPath(std::string path);

    // The file the next job writes. Throws PrinterError when no path was set.
    std::string nextJobPath();

private:
    std::string fixedPath_;
    int jobsOnFixedPath_ = 0;
};

// path with "-n" put before its extension (n >= 2), or path itself for n = 1.
std::string numberedPath(const std::string& path, int n);

}  // namespace printer::qt
