// Template stream speed: loading and saving a stream like the oxygen label template
// (two bands, a barcode add-in, a line and four texts; 1265 bytes). Target: load under 50 µs.
#include <benchmark/benchmark.h>

#include "report/Report.h"
#include "tests/report/ReportTestSupport.h"

namespace {

std::vector<std::uint8_t> oxygenTemplateBytes() {
    report::Report r;
    report_test::buildOxygenTemplate(r);
    return r.saveToStream();
}

void BM_LoadOxygenTemplate(benchmark::State& state) {
    report_test::FakeBarcodeRegistration reg;
    const auto bytes = oxygenTemplateBytes();
    report::Report r;
    for (auto _ : state) {
        bool ok = r.loadFromStream(bytes);
        benchmark::DoNotOptimize(ok);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_LoadOxygenTemplate);

void BM_SaveOxygenTemplate(benchmark::State& state) {
    report_test::FakeBarcodeRegistration reg;
    report::Report r;
    report_test::buildOxygenTemplate(r);
    for (auto _ : state) {
        auto bytes = r.saveToStream();
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_SaveOxygenTemplate);

}  // namespace
