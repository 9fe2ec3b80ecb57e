// A report template stream in place of a label template: loaded, prepared over five labels,
// its pages saved as a prepared report, read back and drawn.
#include <cstdint>
#include <filesystem>
#include <span>

#include "FuzzReport.h"
#include "labels/FileLocker.h"
#include "labels/LabelApp.h"
#include "labels/LabelReports.h"

namespace {

// The target never writes cf0.txt, so no lock is ever asked for.
class NoLocks : public labels::FileLocker {
public:
    std::unique_ptr<Lock> lock(const std::filesystem::path&, std::chrono::milliseconds) override { return nullptr; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::registerProgramObjects();
    report::CollectingErrorReporter errors;
    NoLocks locks;
    labels::LabelApp labels(std::filesystem::temp_directory_path(), locks);
    labels::LabelReports reports(labels.printList(), &labels.fiscalCodes(), errors);
    for (int i = 0; i < 5; ++i) labels.insertLabel("C" + std::to_string(100000 + i));
    if (!reports.report(1).loadFromStream(std::span<const std::uint8_t>(data, size))) return 0;
    preparation::PrepareOptions options;
    options.progressDisplay = nullptr;
    if (!reports.prepare(1, options)) return 0;
    const std::vector<std::uint8_t> saved = reports.pages(1).saveToBytes();
    prepared::PreparedPages reread;
    try {
        reread.loadFromStream(saved);
        fuzz::drawPreparedPages(reread);
    } catch (const std::exception&) {
        // A page that refuses to load again is a refusal, not a fault.
    }
    return 0;
}
