#include "printer/qt/PdfFilePrinter.h"

#include <utility>

namespace platform::qt {

void PdfFilePrinter::setFileChooser(FileChooser chooser) {
    chooser_ = std::move(chooser);
}

void PdfFilePrinter::setFixedPath(std::string path) {
    fixedPath_ = std::move(path);
    jobsOnFixedPath_ = 0;
}

std::optional<std::string> PdfFilePrinter::nextJobPath(const std::string& title) {
    if (!fixedPath_.empty()) return numberedPath(fixedPath_, ++jobsOnFixedPath_);
    if (!chooser_) return std::nullopt;
    std::optional<std::string> chosen = chooser_(title);
    if (chosen && chosen->empty()) return std::nullopt;
    return chosen;
}

std::string numberedPath(const std::string& path, int n) {
    if (n <= 1) return path;
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    const std::size_t cut = hasExtension ? dot : path.size();
    return path.substr(0, cut) + "-" + std::to_string(n) + path.substr(cut);
}

}  // namespace platform::qt
