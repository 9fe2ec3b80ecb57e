// The file printer listed after the spooler's printers: it writes each print job to a PDF file,
// so that printing works on a machine without printers. The program's window asks the operator
// for the file; headless callers give the path.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace platform::qt {

inline constexpr const char* kPdfFilePrinterName = "Stampa su file (PDF)";

class PdfFilePrinter {
public:
    // Asked once per job with the job's title; none = the operator declined.
    using FileChooser = std::function<std::optional<std::string>(const std::string& title)>;

    void setFileChooser(FileChooser chooser);
    // Jobs go to this path. A run that needs several jobs (another paper, a job per sheet)
    // writes the later ones beside it as name-2.pdf, name-3.pdf, … instead of over it; set the
    // path again for the next run.
    void setFixedPath(std::string path);

    // The file the next job writes, or none when nobody named one.
    std::optional<std::string> nextJobPath(const std::string& title);

private:
    FileChooser chooser_;
    std::string fixedPath_;
    int jobsOnFixedPath_ = 0;
};

// path with "-n" put before its extension (n >= 2), or path itself for n = 1.
std::string numberedPath(const std::string& path, int n);

}  // namespace platform::qt
