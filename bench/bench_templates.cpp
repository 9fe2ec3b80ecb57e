// Built-in label templates: loading each stored stream into a report (target for the oxygen
// template, 1265 bytes: under 50 µs), and drawing its barcode as a shown page does.
#include <benchmark/benchmark.h>

#include "barcode_object/BarcodeObject.h"
#include "barcode_object/BarcodeRegistration.h"
#include "labels/LabelTemplate.h"
#include "platform/FixedMetricsCanvas.h"
#include "report/Report.h"

namespace {

void BM_LoadLabelTemplate(benchmark::State& state) {
    barcode_object::registerBarCodeObject();
    const auto& bytes = labels::labelTemplateStream(static_cast<int>(state.range(0)));
    report::Report r;
    for (auto _ : state) {
        bool ok = r.loadFromStream(bytes);
        benchmark::DoNotOptimize(ok);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_LoadLabelTemplate)->DenseRange(1, 4);

void BM_DrawSeriesLabel(benchmark::State& state) {
    barcode_object::BarcodeObject bar;
    bar.width = 129;
    bar.height = 54;
    bar.memo = {"0501190001"};
    bar.settings.withCheckSum = false;
    for (auto _ : state) {
        platform::FixedMetricsCanvas canvas;
        bar.draw(canvas);
        benchmark::DoNotOptimize(canvas.records().size());
    }
}
BENCHMARK(BM_DrawSeriesLabel);

}  // namespace
