#include "tests/spooler/PrivateSpooler.h"

#include <unistd.h>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <thread>

#include "tests/spooler/PdfInfo.h"

namespace spooler_test {

namespace fs = std::filesystem;

namespace {

const std::string kScript = std::string(QUIRELLE_SOURCE_DIR) + "/scripts/private-cupsd.sh";

// The value of a "key=value" line of the script's report, or "".
std::string reported(const std::string& report, const std::string& key) {
    std::istringstream lines(report);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
    return {};
}

// cups-pdf names a job's file after its title (characters it does not like replaced), then adds
// its own suffix.
bool isPdfOf(const fs::path& file, const std::string& title) {
    const std::string name = file.filename().string();
    const std::size_t at = name.find(title);
    return at != std::string::npos && name.size() > at + title.size() &&
           !std::isalnum(static_cast<unsigned char>(name[at + title.size()])) && file.extension() == ".pdf";
}

}  // namespace

PrivateSpooler::~PrivateSpooler() {
    stop();
}

bool PrivateSpooler::start(std::string& whyNot) {
    if (geteuid() != 0) {
        whyNot = "cupsd needs root to drop to the lp user";
        return false;
    }
    char folder[] = "/tmp/quirelle-cupsd-XXXXXX";
    if (!mkdtemp(folder)) {
        whyNot = "no temporary folder";
        return false;
    }
    folder_ = folder;
    std::string report;
    std::string queues;
    for (const std::string& queue : queues_) queues += " " + queue;
    const int status = runCommand(kScript + " start " + folder_ + queues + " 2>&1", report);
    if (status != 0) {
        whyNot = "cupsd cannot run here: " + report;
        fs::remove_all(folder_);
        folder_.clear();
        return false;
    }
    running_ = true;
    socket_ = reported(report, "socket");
    outputDir_ = reported(report, "pdf-dir");
    setenv("CUPS_SERVER", socket_.c_str(), 1);
    return true;
}

void PrivateSpooler::stop() {
    if (running_) {
        std::string ignored;
        runCommand(kScript + " stop " + folder_ + " 2>&1", ignored);
        running_ = false;
    }
    std::error_code ec;
    if (!folder_.empty()) fs::remove_all(folder_, ec);
    folder_.clear();
    for (const std::string& pdf : pdfs_) fs::remove(pdf, ec);
    pdfs_.clear();
}

bool PrivateSpooler::addQueue(const std::string& queue) {
    std::string output;
    return runCommand("lpadmin -h '" + socket_ + "' -p '" + queue +
                          "' -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>&1",
                      output) == 0;
}

bool PrivateSpooler::removeQueue(const std::string& queue) {
    std::string output;
    return runCommand("lpadmin -h '" + socket_ + "' -x '" + queue + "' 2>&1", output) == 0;
}

int PrivateSpooler::jobCount(const std::string& queue) const {
    std::string listing;
    runCommand("CUPS_SERVER='" + socket_ + "' lpstat -W all -o '" + queue + "' 2>/dev/null", listing);
    int jobs = 0;
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(queue + "-", 0) == 0) ++jobs;
    return jobs;
}

std::string PrivateSpooler::uniqueTitle(const std::string& stem) {
    return stem + std::to_string(getpid()) + "n" + std::to_string(++titles_);
}

// A file is taken once pdfinfo reads it whole: cups-pdf writes it in place.
std::string PrivateSpooler::waitForPdf(const std::string& title, std::chrono::seconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        std::error_code ec;
        for (const auto& item : fs::directory_iterator(outputDir_, ec)) {
            if (!isPdfOf(item.path(), title) || !readPdfInfo(item.path().string())) continue;
            pdfs_.push_back(item.path().string());
            return item.path().string();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
    }
    return {};
}

}  // namespace spooler_test
