// Main window speed with long fiscal-code lists, through the real window, its list models and
// grids: opening on a cf0.txt of N codes until the window is painted, "Stampa C.F." (the whole
// list into the print list, both grids redrawn), and "ESCI" after one saved code (cf0.txt
// rewritten, the window closed). The counter added_MB is the resident memory the first window
// adds (run one size per process: later windows reuse what earlier ones freed).
// Targets on a 2-core machine: shown with 50,000 codes within 0.5 s, "Stampa C.F." within
// 0.3 s, "ESCI" with 3,000 codes within 0.3 s; memory proportional to the list.
#include <benchmark/benchmark.h>
#include <QAbstractItemModel>
#include <QApplication>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "gui/main_window/DataGrid.h"
#include "gui/main_window/Dialogs.h"
#include "gui/main_window/MainWindow.h"
#include "gui/widgets/FlatButtons.h"
#include "gui/widgets/FlatEdit.h"
#include "labels/LabelApp.h"
#include "labels/qt/QtFileLocker.h"
#include "platform/qt/FontSubstitutions.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

void ensureApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_main_window";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // kept for the process
    platform::qt::registerFontSubstitutions();
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

// Messages are noted, never shown: nothing may wait for an operator here.
class SilentDialogs : public gui::main_window::Dialogs {
public:
    void message(QWidget*, const QString&) override { ++messages; }
    bool confirm(QWidget*, const QString&) override { return true; }
    gui::main_window::FailedSaveChoice failedSave(QWidget*, const QString&, const QString&, bool) override {
        ++messages;
        return gui::main_window::FailedSaveChoice::LeaveWithoutSaving;
    }
    QString unsavedCodesFile(QWidget*) override { return {}; }
    int messages = 0;
};

// cf0.txt of `count` distinct codes shaped like fiscal codes, in random order.
std::string fiscalCodeFile(std::size_t count) {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::mt19937 random(2019);
    std::string text;
    text.reserve(count * 18);
    for (std::size_t i = 0; i < count; ++i) {
        std::string code(16, 'A');
        for (std::size_t c = 0; c < 6; ++c) code[c] = letters[random() % 26];
        const std::string serial = std::to_string(1000000 + i);  // keeps the codes distinct
        code.replace(6, 2, serial.substr(1, 2));
        code[8] = 'C';
        code.replace(9, 2, serial.substr(3, 2));
        code[11] = letters[random() % 26];
        code.replace(12, 3, serial.substr(5, 2) + "0");
        code[15] = letters[random() % 26];
        text += code + "\r\n";
    }
    return text;
}

void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// The program's window on a scratch folder holding cf0.txt.
struct OpenWindow {
    explicit OpenWindow(const fs::path& dir) : labels(dir, locker), form(labels, dialogs) {
        form.startUp();
        form.show();
        settle();
    }
    labels::qt::QtFileLocker locker;
    SilentDialogs dialogs;
    labels::LabelApp labels;
    gui::main_window::MainWindow form;
};

class ScratchFolder {
public:
    explicit ScratchFolder(std::size_t codes)
        : dir_(fs::temp_directory_path() / ("bench_main_window-" + std::to_string(codes))),
          content_(fiscalCodeFile(codes)) {
        fs::create_directories(dir_);
        restore();
    }
    ~ScratchFolder() { fs::remove_all(dir_); }
    void restore() const { std::ofstream(dir_ / "cf0.txt", std::ios::binary) << content_; }
    const fs::path& dir() const { return dir_; }

private:
    fs::path dir_;
    std::string content_;
};

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_WindowShownWithCodes(benchmark::State& state) {
    ensureApplication();
    const ScratchFolder folder(static_cast<std::size_t>(state.range(0)));
    long addedKb = -1;
    for (auto _ : state) {
        const long before = residentKb();
        const auto start = Clock::now();
        auto window = std::make_unique<OpenWindow>(folder.dir());
        state.SetIterationTime(secondsSince(start));
        // Later windows reuse the memory the first one freed: only the first one counts.
        if (addedKb < 0) addedKb = residentKb() - before;
        benchmark::DoNotOptimize(window->form.fiscalGrid->model()->rowCount());
    }
    state.counters["added_MB"] = static_cast<double>(addedKb) / 1024.0;
}
BENCHMARK(BM_WindowShownWithCodes)
    ->Arg(0)
    ->Arg(10000)
    ->Arg(50000)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

void BM_PrintFiscalCodes(benchmark::State& state) {
    ensureApplication();
    const ScratchFolder folder(static_cast<std::size_t>(state.range(0)));
    OpenWindow window(folder.dir());
    for (auto _ : state) {
        const auto start = Clock::now();
        window.form.printFiscalButton->click();
        settle();
        state.SetIterationTime(secondsSince(start));
    }
    if (window.form.printListGrid->model()->rowCount() != state.range(0))
        state.SkipWithError("list not filled");
}
BENCHMARK(BM_PrintFiscalCodes)->Arg(50000)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_ExitAfterSave(benchmark::State& state) {
    ensureApplication();
    const ScratchFolder folder(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        folder.restore();
        OpenWindow window(folder.dir());
        window.form.fiscalEdit->setText("ZZZZZZ99C99Z999Z");
        window.form.saveButton->setEnabled(true);
        window.form.saveButton->click();
        settle();
        const auto start = Clock::now();
        window.form.exitButton->click();
        settle();
        state.SetIterationTime(secondsSince(start));
        if (window.form.isVisible()) state.SkipWithError("the window stayed open");
    }
}
BENCHMARK(BM_ExitAfterSave)
    ->Arg(3000)
    ->Arg(50000)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
