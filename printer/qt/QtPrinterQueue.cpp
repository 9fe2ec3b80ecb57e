#include "printer/qt/QtPrinterQueue.h"

#include <cmath>

#include "platform/qt/QtConvert.h"
#include "printer/PaperTable.h"
#include "printer/qt/PdfFilePrinter.h"
#include "printer/qt/QtPrinterBins.h"

namespace printer::qt {

using printer::PrinterSettings;

namespace {

// The file printer's sheet has the virtual printer's 5 mm unprintable edge and its own
// resolution; a spooler queue prints at the finest resolution it offers up to this one.
constexpr int kFilePrinterDpi = 600;
constexpr qreal kFilePrinterEdgeMm = 5.0;
constexpr int kFinestSpoolerDpi = 600;

constexpr unsigned kHonouredFields =
    printer::kFieldOrientation | printer::kFieldPaperSize | printer::kFieldPaperLength |
    printer::kFieldPaperWidth | printer::kFieldCopies | printer::kFieldDefaultSource | printer::kFieldCollate;

int rounded(qreal v) {
    return static_cast<int>(std::lround(v));
}

bool isCustom(const PrinterSettings& s) {
    return s.paperSize == printer::kCustomPaper;
}

int spoolerDpi(const QPrinterInfo& info) {
    int best = 0;
    for (int dpi : info.supportedResolutions())
        if (dpi <= kFinestSpoolerDpi && dpi > best) best = dpi;
    return best;
}

QPageLayout::Orientation layoutOrientation(const PrinterSettings& s) {
    return s.orientation == printer::kModeLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

int modeOrientation(const QPageLayout& layout) {
    return layout.orientation() == QPageLayout::Landscape ? printer::kModeLandscape : printer::kModePortrait;
}

}  // namespace

QtPrinterQueue::QtPrinterQueue(std::string name, QPrinterInfo info)
    : name_(std::move(name)), info_(std::move(info)) {}

std::unique_ptr<QtPrinterQueue> QtPrinterQueue::spooler(const QPrinterInfo& info) {
    return std::unique_ptr<QtPrinterQueue>(
        new QtPrinterQueue(platform::qt::fromQString(info.printerName()), info));
}

std::unique_ptr<QtPrinterQueue> QtPrinterQueue::pdfFile() {
    return std::unique_ptr<QtPrinterQueue>(new QtPrinterQueue(kPdfFilePrinterName, QPrinterInfo()));
}

std::unique_ptr<QPrinter> QtPrinterQueue::newPrinter() const {
    if (isPdfFile()) {
        auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setResolution(kFilePrinterDpi);
        return p;
    }
    auto p = std::make_unique<QPrinter>(info_, QPrinter::HighResolution);
    if (const int dpi = spoolerDpi(info_)) p->setResolution(dpi);
    return p;
}

void QtPrinterQueue::open() {
    if (printer_) return;
    papers_ = isPdfFile() ? filePrinterPapers() : spoolerPapers(info_);
    printer_ = newPrinter();
    if (isPdfFile()) {
        PrinterSettings a4;
        a4.paperSize = printer::kDefaultPaper;
        configure(*printer_, a4);
    }
    settings_ = settingsOf(*printer_);
    if (accepts(settings_)) configure(*printer_, settings_);
}

QPrinter& QtPrinterQueue::printer() {
    open();
    return *printer_;
}

const std::vector<QtPaper>& QtPrinterQueue::papers() {
    open();
    return papers_;
}

const PrinterSettings& QtPrinterQueue::settings() {
    open();
    return settings_;
}

bool QtPrinterQueue::takesCustomSizes() {
    return findPaper(papers(), printer::kCustomPaper) != nullptr;
}

bool QtPrinterQueue::accepts(const PrinterSettings& s) const {
    if (isCustom(s))
        return findPaper(papers_, printer::kCustomPaper) && s.paperWidth > 0 && s.paperLength > 0;
    return findPaper(papers_, s.paperSize) != nullptr;
}

QPageSize QtPrinterQueue::pageSizeOf(const PrinterSettings& s) const {
    if (isCustom(s)) return customPageSize(s.paperWidth, s.paperLength);
    return findPaper(papers_, s.paperSize)->size;
}

// Only for settings this queue accepts.
void QtPrinterQueue::configure(QPrinter& p, const PrinterSettings& s) const {
    if (isPdfFile()) {
        const QMarginsF edges(kFilePrinterEdgeMm, kFilePrinterEdgeMm, kFilePrinterEdgeMm, kFilePrinterEdgeMm);
        p.setPageLayout(QPageLayout(pageSizeOf(s), layoutOrientation(s), edges, QPageLayout::Millimeter));
    } else {
        // The driver sets the unprintable edges of the paper.
        p.setPageSize(pageSizeOf(s));
        p.setPageOrientation(layoutOrientation(s));
    }
    p.setCopyCount(1);
    p.setCollateCopies(false);
    if (std::optional<QPrinter::PaperSource> source = paperSourceOf(s.defaultSource))
        p.setPaperSource(*source);
}

PrinterSettings QtPrinterQueue::settingsOf(QPrinter& p) const {
    PrinterSettings s;
    s.fields = kHonouredFields;
    const QPageLayout layout = p.pageLayout();
    s.orientation = modeOrientation(layout);
    s.paperSize = paperCodeOf(papers_, layout.pageSize());
    if (s.paperSize == 0) s.paperSize = papers_.empty() ? printer::kDefaultPaper : papers_.front().code;
    s.copies = 1;
    s.defaultSource = binCodeOf(p.paperSource());
    return s;
}

void QtPrinterQueue::applySettings(const PrinterSettings& requested) {
    open();
    PrinterSettings s = requested;
    if (!accepts(s)) {
        s.paperSize = settings_.paperSize;
        s.paperWidth = settings_.paperWidth;
        s.paperLength = settings_.paperLength;
    }
    s.fields = kHonouredFields;
    configure(*printer_, s);
    settings_ = s;
}

// Measured from the layout in millimetres: Qt's own device rectangles pass through whole points
// and can be off by a few dots, enough for a sheet to stop matching its paper.
printer::DeviceMetrics QtPrinterQueue::metrics() {
    QPrinter& p = printer();
    const QPageLayout layout = p.pageLayout();
    const int dpi = p.resolution();
    const auto dots = [dpi](qreal mm) { return rounded(mm * dpi / 25.4); };
    const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
    const QRectF page = layout.paintRect(QPageLayout::Millimeter);
    printer::DeviceMetrics m;
    m.dpiX = m.dpiY = dpi;
    m.physicalWidth = dots(paper.width());
    m.physicalHeight = dots(paper.height());
    m.offsetX = dots(page.left());
    m.offsetY = dots(page.top());
    m.pageWidth = dots(page.width());
    m.pageHeight = dots(page.height());
    return m;
}

std::unique_ptr<QPrinter> QtPrinterQueue::editablePrinter(const PrinterSettings& s) {
    open();
    auto p = newPrinter();
    configure(*p, accepts(s) ? s : settings_);
    return p;
}

bool QtPrinterQueue::takeLayout(const QPageLayout& layout, PrinterSettings& s) {
    const int code = paperCodeOf(papers(), layout.pageSize());
    if (code == 0 && !takesCustomSizes()) return false;
    s.orientation = modeOrientation(layout);
    if (code != 0) {
        s.paperSize = code;
        return true;
    }
    const QSizeF mm = layout.pageSize().size(QPageSize::Millimeter);
    s.paperSize = printer::kCustomPaper;
    s.paperWidth = rounded(mm.width() * 10);
    s.paperLength = rounded(mm.height() * 10);
    return true;
}

// Spoolers lay a turned page on upright paper, so a landscape job names the turned size.
QStringList QtPrinterQueue::jobOptions() {
    if (isPdfFile()) return {};
    const QPageLayout layout = printer().pageLayout();
    if (layout.orientation() != QPageLayout::Landscape || !takesCustomSizes()) return {};
    const QRect full = layout.fullRectPoints();
    return {QStringLiteral("PageSize"), QStringLiteral("Custom.%1x%2").arg(full.width()).arg(full.height())};
}

}  // namespace printer::qt
