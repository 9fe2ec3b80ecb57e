// The file printer listed after the spooler's printers: it writes each print job to a PDF file,
// so that printing works on a machine without printers. In the program's windows it asks the
// operator for the file in Qt's file dialog, starting in the folder chosen last time; headless
// callers give the path.
#pragma once

#include <optional>
#include <string>

class QWidget;

namespace printer::qt {

inline constexpr const char* kPdfFilePrinterName = "Stampa su file (PDF)";

class PdfFilePrinter {
public:
    // Jobs go to this path. A run that needs several jobs (another paper, a job per sheet)
    // writes the later ones beside it as name-2.pdf, name-3.pdf, … instead of over it; set the
    // path again for the next run.
    void setFixedPath(std::string path);

    // The file the next job writes: the fixed path, else the operator's choice in the file
    // dialog (none when the operator closes it). Throws PrinterError when there is neither a
    // path nor a window system to ask in.
    std::optional<std::string> nextJobPath(const std::string& title, QWidget* dialogParent);

private:
    std::string fixedPath_;
    int jobsOnFixedPath_ = 0;
};

// path with "-n" put before its extension (n >= 2), or path itself for n = 1.
std::string numberedPath(const std::string& path, int n);

}  // namespace printer::qt
