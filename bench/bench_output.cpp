// Writing prepared label sheets out: 10,000 and 100,000 Code 39 labels of the series template
// (186 and 1,852 A4 sheets) as one vector PDF, and the 186 sheets as PNG pages at 150 dpi.
// Counters: file_MB (the PDF's size), peak_MB (the process's peak resident memory so far).
// Targets: 10,000 labels to PDF in 0.5 s within 40 MB and at most 2.6 MB of file; 100,000 in
// 5 s within 64 MB; the 186 PNG pages in 3 s on two cores. Preparation is not timed.
#include <benchmark/benchmark.h>
#include <QGuiApplication>
#include <filesystem>
#include <fstream>
#include <string>

#include "barcode_object/BarcodeRegistration.h"
#include "bench/SeriesPrintList.h"
#include "export/qt/PreparedPageOutput.h"
#include "labels/LabelReports.h"
#include "memtable/MemTable.h"
#include "platform/qt/FontSubstitutions.h"

namespace {

namespace fs = std::filesystem;

void ensureApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_output";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);  // kept for the process
    platform::qt::registerFontSubstitutions();
    barcode_object::registerBarCodeObject();
}

double peakMb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmHWM:") {
            status >> value;
            return value / 1024.0;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

// The print list and the prepared series sheets of `labels` codes.
struct PreparedLabels {
    explicit PreparedLabels(int labels) : kb1("kb1"), reports((fill(labels), kb1), nullptr, errors) {
        preparation::PrepareOptions options;
        options.progressDisplay = nullptr;
        prepared = reports.prepare(1, options);
    }
    void fill(int labels) { bench_support::fillSeriesPrintList(kb1, labels); }
    prepared::PreparedPages& pages() { return reports.pages(1); }

    memtable::MemTable kb1;
    report::CollectingErrorReporter errors;
    labels::LabelReports reports;
    bool prepared = false;
};

void writePdf(benchmark::State& state) {
    ensureApplication();
    PreparedLabels labels(static_cast<int>(state.range(0)));
    if (!labels.prepared) state.SkipWithError("preparation failed");
    const fs::path path = fs::temp_directory_path() / "bench_output.pdf";
    std::string error;
    for (auto _ : state)
        if (!export_::qt::writePagesPdf(labels.pages(), path.string(), error))
            state.SkipWithError(error.c_str());
    state.counters["sheets"] = labels.pages().count();
    state.counters["file_MB"] = fs::exists(path) ? fs::file_size(path) / 1e6 : 0;
    state.counters["peak_MB"] = peakMb();
    fs::remove(path);
}
BENCHMARK(writePdf)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void writePng(benchmark::State& state) {
    ensureApplication();
    PreparedLabels labels(static_cast<int>(state.range(0)));
    if (!labels.prepared) state.SkipWithError("preparation failed");
    const fs::path dir = fs::temp_directory_path() / "bench_output_png";
    fs::create_directories(dir);
    std::string error;
    for (auto _ : state)
        if (!export_::qt::writePagesPng(labels.pages(), (dir / "sheet.png").string(), 150, error))
            state.SkipWithError(error.c_str());
    state.counters["sheets"] = labels.pages().count();
    state.counters["peak_MB"] = peakMb();
    fs::remove_all(dir);
}
BENCHMARK(writePng)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

}  // namespace
