// Saving and loading a prepared report of 186 label sheets (6 × 9 barcodes with their codes
// each), and rebuilding one page's objects from its stream.
#include <benchmark/benchmark.h>

#include "tests/prepared/PagesTestSupport.h"

namespace {

constexpr int kSheets = 186;

struct LabelReport {
    report_test::FakeBarcodeRegistration barcodeClass;
    printer::Printer printer;
    prepared::PreparedPages pages{nullptr, &printer};
    std::vector<std::uint8_t> file;

    LabelReport() {
        const auto tpl = pages_test::templatePage(printer);
        for (int sheet = 0; sheet < kSheets; ++sheet) pages_test::addLabelSheet(pages, *tpl, sheet, true);
        file = pages.saveToBytes();
    }
};

LabelReport& labelReport() {
    static LabelReport r;
    return r;
}

void BM_SavePreparedReport(benchmark::State& state) {
    LabelReport& r = labelReport();
    for (auto _ : state) benchmark::DoNotOptimize(r.pages.saveToBytes());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * r.file.size()));
    state.counters["pages"] = kSheets;
}
BENCHMARK(BM_SavePreparedReport)->Unit(benchmark::kMillisecond);

void BM_LoadPreparedReport(benchmark::State& state) {
    LabelReport& r = labelReport();
    prepared::PreparedPages target{nullptr, &r.printer};
    for (auto _ : state) {
        target.loadFromStream(r.file);
        benchmark::DoNotOptimize(target.count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * r.file.size()));
}
BENCHMARK(BM_LoadPreparedReport)->Unit(benchmark::kMillisecond);

void BM_LoadPageObjects(benchmark::State& state) {
    LabelReport& r = labelReport();
    for (auto _ : state) {
        r.pages.loadObjects(kSheets / 2);
        benchmark::DoNotOptimize(r.pages.page(kSheets / 2).loadedPage.get());
    }
}
BENCHMARK(BM_LoadPageObjects)->Unit(benchmark::kMicrosecond);

}  // namespace
