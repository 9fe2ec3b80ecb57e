// Barcode generator speed: encoding and measuring the labels' Code 39 symbols, drawing one
// into a recorded picture, and an EAN-13 for comparison.
#include <benchmark/benchmark.h>

#include "barcode/BarcodeGenerator.h"
#include "platform/PictureCanvas.h"

namespace {

barcode::BarcodeGenerator labelGenerator(barcode::BarcodeType type, const char* text) {
    barcode::BarcodeGenerator g;
    g.setType(type);
    g.setText(text);
    g.setHeight(60);
    return g;
}

void Code39EncodeAndWidth(benchmark::State& state) {
    barcode::BarcodeGenerator g = labelGenerator(barcode::bcCode39, "1903000015");
    for (auto _ : state) {
        benchmark::DoNotOptimize(g.width());
    }
}
BENCHMARK(Code39EncodeAndWidth);

void Code39DrawIntoPicture(benchmark::State& state) {
    barcode::BarcodeGenerator g = labelGenerator(barcode::bcCode39, "1903000015");
    for (auto _ : state) {
        platform::PictureCanvas canvas(platform::Size{155, 60});
        g.draw(canvas);
        benchmark::DoNotOptimize(canvas.picture().records().size());
    }
}
BENCHMARK(Code39DrawIntoPicture);

void Ean13EncodeAndWidth(benchmark::State& state) {
    barcode::BarcodeGenerator g = labelGenerator(barcode::bcCodeEAN13, "400638133393");
    g.setChecksum(true);
    for (auto _ : state) {
        benchmark::DoNotOptimize(g.width());
    }
}
BENCHMARK(Ean13EncodeAndWidth);

}  // namespace
