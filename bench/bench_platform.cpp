// Drawing speed of a label sheet: recording, storing, loading and playing its pictures.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "platform/PictureCanvas.h"
#include "platform/qt/QPainterCanvas.h"

namespace {

// One Code 39-like symbol: 10 characters of 9 elements, 3 wide, on a 1-pixel module.
platform::Picture symbol() {
    platform::PictureCanvas c({160, 54});
    int x = 0;
    for (int i = 0; i < 100; ++i) {
        const int m = (i % 3 == 0) ? 3 : 1;
        const platform::Color color = i % 2 == 0 ? platform::kBlack : platform::kWhite;
        c.setPen(platform::Pen{color, 1});
        c.setBrush(platform::Brush{color});
        c.polygon({{x, 0}, {x, 40}, {x + m - 1, 40}, {x + m - 1, 0}});
        x += m;
    }
    return c.takePicture();
}

// A sheet of 6 columns of 9 labels, each the symbol stretched into its cell.
platform::Picture sheet() {
    const platform::Picture label = symbol();
    platform::PictureCanvas c({1060, 740});
    for (int col = 0; col < 6; ++col)
        for (int row = 0; row < 9; ++row)
            c.drawPicture(label, {col * 175 + 5, row * 80 + 10, col * 175 + 165, row * 80 + 64});
    return c.takePicture();
}

void ensureApplication() {
    static int argc = 1;
    static char name[] = "bench_platform";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

void RecordSymbol(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(symbol());
}
BENCHMARK(RecordSymbol);

void SerializeSheet(benchmark::State& state) {
    const platform::Picture p = sheet();
    for (auto _ : state) benchmark::DoNotOptimize(p.serialize());
}
BENCHMARK(SerializeSheet);

void DeserializeSheet(benchmark::State& state) {
    const auto bytes = sheet().serialize();
    for (auto _ : state) {
        platform::Picture p;
        std::string error;
        benchmark::DoNotOptimize(platform::Picture::deserialize(bytes.data(), bytes.size(), p, error));
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}
BENCHMARK(DeserializeSheet);

// A landscape A4 sheet at 300 dpi (3508 × 2480 pixels): 54 symbols, 5400 bars.
void PlaySheetAt300Dpi(benchmark::State& state) {
    ensureApplication();
    const platform::Picture p = sheet();
    QImage image(3508, 2480, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        platform::qt::QPainterCanvas canvas(painter);
        canvas.drawPicture(p, {0, 0, 3508, 2480});
    }
}
BENCHMARK(PlaySheetAt300Dpi)->Unit(benchmark::kMillisecond);

}  // namespace
