// Page count and first page size of a PDF, as poppler's pdfinfo reports them.
#pragma once

#include <optional>
#include <string>

namespace spooler_test {

struct PdfInfo {
    int pages = 0;
    int widthPt = 0;
    int heightPt = 0;
};

// None when pdfinfo cannot read the file (missing, incomplete or not a PDF).
std::optional<PdfInfo> readPdfInfo(const std::string& path);

// Runs a shell command; returns its exit status and puts its standard output in `output`.
int runCommand(const std::string& command, std::string& output);

}  // namespace spooler_test
