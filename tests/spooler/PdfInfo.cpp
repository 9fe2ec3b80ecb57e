#include "tests/spooler/PdfInfo.h"

#include <sys/wait.h>
#include <cmath>
#include <cstdio>
#include <regex>

namespace spooler_test {

namespace {

std::string quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

}  // namespace

int runCommand(const std::string& command, std::string& output) {
    output.clear();
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return -1;
    char buffer[512];
    while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::optional<PdfInfo> readPdfInfo(const std::string& path) {
    std::string out;
    if (runCommand("pdfinfo " + quoted(path) + " 2>/dev/null", out) != 0) return std::nullopt;
    static const std::regex pages(R"(Pages:\s+(\d+))");
    static const std::regex size(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)");
    std::smatch m;
    PdfInfo info;
    if (!std::regex_search(out, m, pages)) return std::nullopt;
    info.pages = std::stoi(m[1]);
    if (std::regex_search(out, m, size)) {
        info.widthPt = static_cast<int>(std::lround(std::stod(m[1])));
        info.heightPt = static_cast<int>(std::lround(std::stod(m[2])));
    }
    return info;
}

}  // namespace spooler_test
