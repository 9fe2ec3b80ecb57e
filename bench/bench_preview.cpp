// Preview speed and memory: painting one A4 label sheet (54 Code 39 barcodes and their codes)
// at 100 %, its objects rebuilt from the page stream each time; and scrolling page by page
// through a 186-page report, with the resident memory the scroll adds (counter extra_MB).
// Targets: a page under 15 ms; scrolling under 64 MB of extra memory.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <fstream>
#include <string>

#include "barcode_object/BarcodeRegistration.h"
#include "gui/preview/PageBox.h"
#include "gui/preview/PreviewMemory.h"
#include "gui/preview/PreviewWindow.h"
#include "platform/qt/FontSubstitutions.h"
#include "tests/prepared/PagesTestSupport.h"

namespace {

void ensureApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_preview";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // kept for the process
    platform::qt::registerFontSubstitutions();
    barcode_object::registerBarCodeObject();
}

// Every window opens at the same bounds and zoom.
gui::preview::PreviewMemory& benchMemory() {
    static gui::preview::PreviewMemory memory("/tmp/bench_preview.ini");
    memory.setLastZoom({});
    memory.writeBounds({0, 0, 1280, 800, false});
    return memory;
}

long residentKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

struct Report {
    printer::Printer printer;
    std::unique_ptr<report::Page> tpl = pages_test::templatePage(printer);
    prepared::PreparedPages pages{nullptr, &printer};
    explicit Report(int count) {
        for (int i = 0; i < count; ++i) pages_test::addLabelSheet(pages, *tpl, i, true);
    }
};

std::unique_ptr<gui::preview::PreviewWindow> openForm(Report& r) {
    gui::preview::PreviewOptions options;
    options.modal = false;
    auto form = std::make_unique<gui::preview::PreviewWindow>(
        options, nullptr, gui::preview::PreviewServices{nullptr, &benchMemory()});
    form->showPreview(r.pages);
    QApplication::processEvents();
    form->pageBox()->relayout();
    return form;
}

void BM_PaintPageAt100Percent(benchmark::State& state) {
    ensureApplication();
    Report r(1);
    auto form = openForm(r);
    const platform::Rect page = form->pageBox()->layout().bounds[0];
    QImage image(form->pageBox()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        r.pages.page(0).loadedPage.reset();  // rebuilt from its stream, as on first showing
        QPainter painter(&image);
        form->pageBox()->paint(painter, QRegion(page.left, page.top, page.width(), page.height()));
    }
}
BENCHMARK(BM_PaintPageAt100Percent)->Unit(benchmark::kMillisecond);

void BM_ScrollThrough186Pages(benchmark::State& state) {
    ensureApplication();
    Report r(186);
    auto form = openForm(r);
    const long before = residentKb();
    long peak = before;
    for (auto _ : state) {
        form->runAction(gui::preview::PreviewAction::FirstLine);
        for (int i = 1; i < r.pages.count(); ++i) {
            form->pageBox()->nextPage();
            form->pageBox()->repaint();
            peak = std::max(peak, residentKb());
        }
    }
    state.counters["extra_MB"] = static_cast<double>(peak - before) / 1024.0;
    state.counters["resident_MB"] = static_cast<double>(before) / 1024.0;
    int loaded = 0;
    for (int i = 0; i < r.pages.count(); ++i) loaded += r.pages.page(i).loadedPage != nullptr;
    state.counters["pages_loaded"] = loaded;
    state.counters["s_per_page"] =
        benchmark::Counter(static_cast<double>(state.iterations() * 185),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ScrollThrough186Pages)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
