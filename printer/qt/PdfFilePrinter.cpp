#include "printer/qt/PdfFilePrinter.h"

#include <utility>

#include "platform/FileNames.h"
#include "printer/PrinterError.h"

namespace printer::qt {

void PdfFilePrinter::setFixedPath(std::string path) {
    fixedPath_ = std::move(path);
    jobsOnFixedPath_ = 0;
}

std::string PdfFilePrinter::nextJobPath() {
    if (fixedPath_.empty()) throw printer::PrinterError("Nessun file indicato per la stampa su PDF");
    return numberedPath(fixedPath_, ++jobsOnFixedPath_);
}

std::string numberedPath(const std::string& path, int n) {
    return n <= 1 ? path : platform::withNumberBeforeExtension(path, n);
}

}  // namespace printer::qt
