#include "tests/spooler/PdfScan.h"

#include <algorithm>
#include <sstream>

#include "tests/spooler/PdfInfo.h"

namespace spooler_test {

namespace fs = std::filesystem;

std::vector<std::multiset<std::string>> scanPdfPages(const std::string& pdf, const fs::path& scratch) {
    std::string ignored;
    fs::create_directories(scratch);
    const std::string prefix = (scratch / "pagina").string();
    if (runCommand("pdftoppm -r 300 -gray -png '" + pdf + "' '" + prefix + "' 2>/dev/null", ignored) != 0) return {};
    std::vector<fs::path> images;
    for (const auto& item : fs::directory_iterator(scratch))
        if (item.path().extension() == ".png") images.push_back(item.path());
    // pdftoppm numbers pages with equal-width numbers, so name order is page order.
    std::sort(images.begin(), images.end());
    std::vector<std::multiset<std::string>> pages;
    for (const fs::path& image : images) {
        std::string output;
        runCommand("zbarimg --raw -q '" + image.string() + "' 2>/dev/null", output);
        std::multiset<std::string> codes;
        std::istringstream lines(output);
        for (std::string line; std::getline(lines, line);)
            if (!line.empty()) codes.insert(line);
        pages.push_back(std::move(codes));
        fs::remove(image);
    }
    return pages;
}

}  // namespace spooler_test
