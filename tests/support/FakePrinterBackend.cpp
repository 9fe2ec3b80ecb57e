#include "tests/support/FakePrinterBackend.h"

#include <algorithm>
#include <utility>

#include "printer/PageUnits.h"
#include "printer/PaperTable.h"
#include "printer/PrinterError.h"

namespace printer {

// Records what is drawn into the backend's current page.
class FakePrinterBackend::PageCanvas final : public platform::Canvas {
public:
    explicit PageCanvas(FakePrinterBackend& owner) : owner_(owner) {}

    void polygon(const std::vector<platform::Point>&) override { page().drawCalls++; }
    void line(platform::Point, platform::Point) override { page().drawCalls++; }
    void fillRect(const platform::Rect& r) override {
        page().drawCalls++;
        page().fills.push_back(r);
    }
    void invertRect(const platform::Rect&) override { page().drawCalls++; }
    void textOut(int x, int y, const std::string& utf8, int) override {
        page().drawCalls++;
        page().texts.push_back(utf8);
        page().textOrigins.push_back({x, y});
    }
    platform::Size textExtent(const std::string& utf8) override {
        return {static_cast<int>(utf8.size()) * 8, font().height};
    }
    void drawPicture(const platform::Picture&, const platform::Rect& target) override {
        page().drawCalls++;
        page().pictureTargets.push_back(target);
    }
    void setClipRect(const platform::Rect&) override {}
    void clearClip() override {}
    bool rectVisible(const platform::Rect&) const override { return true; }
    int dpiX() const override { return owner_.printer().dpiX; }
    int dpiY() const override { return owner_.printer().dpiY; }

private:
    FakePage& page() { return owner_.pages.back(); }
    FakePrinterBackend& owner_;
};

printer::PrinterSettings FakePrinter::defaultSettings() {
    printer::PrinterSettings s;
    s.fields = printer::kFieldOrientation | printer::kFieldPaperSize | printer::kFieldCopies |
               printer::kFieldDefaultSource | printer::kFieldCollate;
    s.orientation = printer::kModePortrait;
    s.paperSize = printer::kDefaultPaper;
    s.defaultSource = 7;  // automatic selection
    return s;
}

FakePrinterBackend::FakePrinterBackend(std::vector<FakePrinter> list, int current)
    : printers(std::move(list)), current_(current) {}

FakePrinterBackend::~FakePrinterBackend() = default;

FakePrinter& FakePrinterBackend::printer() {
    if (current_ < 0 || current_ >= static_cast<int>(printers.size()))
        throw printer::PrinterError("No current printer");
    return printers[static_cast<std::size_t>(current_)];
}

std::vector<std::string> FakePrinterBackend::printerNames() {
    if (failPrinterList) throw printer::PrinterError("Printer list unavailable");
    std::vector<std::string> names;
    for (const FakePrinter& p : printers) names.push_back(p.name);
    return names;
}

void FakePrinterBackend::setCurrentPrinter(int index) {
    selectedPrinters.push_back(index);
    if (index < 0 || index >= static_cast<int>(printers.size()))
        throw printer::PrinterError("No such printer");
    current_ = index;
}

std::optional<printer::PrinterSettings> FakePrinterBackend::settings() {
    ++settingsQueries;
    if (failSettingsQuery) throw printer::PrinterError("Settings query failed");
    return printer().settings;
}

// Like a driver: a paper the printer does not list is refused and the old one kept.
void FakePrinterBackend::setSettings(const printer::PrinterSettings& s) {
    settingsWritten.push_back(s);
    FakePrinter& p = printer();
    const int oldPaper = p.settings ? p.settings->paperSize : printer::kDefaultPaper;
    p.settings = s;
    const bool known = std::find(p.paperCodes.begin(), p.paperCodes.end(), s.paperSize) != p.paperCodes.end();
    if (!known) p.settings->paperSize = oldPaper;
}

printer::DeviceMetrics FakePrinterBackend::metrics() {
    if (failMetricsQuery) throw printer::PrinterError("Metrics query failed");
    if (metricsOverride) return *metricsOverride;
    const FakePrinter& p = printer();
    const printer::PrinterSettings s = p.settings.value_or(FakePrinter::defaultSettings());
    int width = 2100;
    int height = 2970;
    if (s.paperSize == printer::kCustomPaper) {
        width = s.paperWidth;
        height = s.paperLength;
    } else if (const printer::PaperRow* row = printer::findPaperByCode(s.paperSize)) {
        width = row->width;
        height = row->height;
    }
    if (s.orientation == printer::kModeLandscape) std::swap(width, height);
    printer::DeviceMetrics m;
    m.dpiX = p.dpiX;
    m.dpiY = p.dpiY;
    m.physicalWidth = printer::tenthsMmToDots(width, p.dpiX);
    m.physicalHeight = printer::tenthsMmToDots(height, p.dpiY);
    m.offsetX = p.marginLeft;
    m.offsetY = p.marginTop;
    m.pageWidth = m.physicalWidth - p.marginLeft - p.marginRight;
    m.pageHeight = m.physicalHeight - p.marginTop - p.marginBottom;
    return m;
}

void FakePrinterBackend::startPage() {
    FakePage page;
    page.printer = printer().name;
    page.job = jobsBegun_ - 1;
    page.copies = jobCopies_;
    page.settings = printer().settings.value_or(printer::PrinterSettings{});
    pages.push_back(std::move(page));
}

class FakePrinterBackend::Job final : public printer::PrintJob {
public:
    explicit Job(FakePrinterBackend& owner) : owner_(owner) {}
    ~Job() override {
        if (!ended_) owner_.closeJob(FakeJobCall::abort);
    }
    platform::Canvas& canvas() override { return *owner_.canvas_; }
    void newPage() override {
        owner_.jobCalls.push_back({FakeJobCall::newPage, {}, 0});
        owner_.startPage();
    }
    void end() override {
        ended_ = true;
        owner_.closeJob(FakeJobCall::End);
    }

private:
    FakePrinterBackend& owner_;
    bool ended_ = false;
};

std::unique_ptr<printer::PrintJob> FakePrinterBackend::startJob(const std::string& title, int copies) {
    if (printing_) throw printer::PrinterError("Printing in progress");
    printer();  // throws without a printer
    jobCalls.push_back({FakeJobCall::Begin, title, copies});
    printing_ = true;
    ++jobsBegun_;
    jobCopies_ = copies;
    canvas_ = std::make_unique<PageCanvas>(*this);
    startPage();
    return std::make_unique<Job>(*this);
}

void FakePrinterBackend::closeJob(FakeJobCall::Kind how) {
    jobCalls.push_back({how, {}, 0});
    printing_ = false;
    canvas_.reset();
}

}  // namespace printer
