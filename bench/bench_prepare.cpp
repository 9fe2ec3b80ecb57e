// Preparing label sheets: 100,000 labels through the series template (1,852 sheets) on the
// virtual printer, and a short list for the per-run overhead.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/SeriesPrintList.h"
#include "labels/LabelReports.h"
#include "memtable/MemTable.h"

namespace {

struct PrintList {
    explicit PrintList(int labels) : kb1("kb1") { bench_support::fillSeriesPrintList(kb1, labels); }
    memtable::MemTable kb1;
};

void prepareSeries(benchmark::State& state) {
    PrintList list(static_cast<int>(state.range(0)));
    report::CollectingErrorReporter errors;
    labels::LabelReports reports(list.kb1, nullptr, errors);
    preparation::PrepareOptions options;
    options.progressDisplay = nullptr;
    for (auto _ : state) {
        if (!reports.prepare(1, options)) state.SkipWithError("preparation failed");
        benchmark::DoNotOptimize(reports.pages(1).count());
    }
    state.counters["sheets"] = reports.pages(1).count();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(prepareSeries)->Arg(54)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
