#include "platform/qt/QtPrinterBackend.h"

#include <QApplication>
#include <QPageSetupDialog>
#include <QPrintEngine>
#include <cmath>

#include "platform/qt/QtConvert.h"
#include "platform/qt/QtPrinterBins.h"
#include "platform/qt/QtPrinterJob.h"
#include "preview/printer/PaperTable.h"
#include "preview/printer/PrinterError.h"

namespace platform::qt {

using preview::PrinterSettings;

namespace {

// Qt's print engine takes extra spooler options, name and value alternating, under this key.
const auto kSpoolerOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// The file printer's sheet has the virtual printer's 5 mm unprintable edge and its own
// resolution; a spooler printer prints at the finest resolution it offers up to this one.
constexpr int kFilePrinterDpi = 600;
constexpr qreal kFilePrinterEdgeMm = 5.0;
constexpr int kFinestSpoolerDpi = 600;

constexpr unsigned kHonouredFields = preview::kFieldOrientation | preview::kFieldPaperSize |
                                     preview::kFieldPaperLength | preview::kFieldPaperWidth |
                                     preview::kFieldCopies | preview::kFieldDefaultSource |
                                     preview::kFieldCollate;

int rounded(qreal v) { return static_cast<int>(std::lround(v)); }

bool isCustom(const PrinterSettings& s) { return s.paperSize == preview::kCustomPaper; }

int spoolerDpi(const QPrinterInfo& info) {
    int best = 0;
    for (int dpi : info.supportedResolutions())
        if (dpi <= kFinestSpoolerDpi && dpi > best) best = dpi;
    return best;
}

}  // namespace

struct QtPrinterBackend::Entry {
    std::string name;
    QPrinterInfo info;  // null for the file printer
    bool isFile = false;
    std::vector<QtPaper> papers;
    PrinterSettings settings;
    std::unique_ptr<QPrinter> printer;  // made on first use: opening a driver takes time

    bool takesCustomSizes() const { return findPaper(papers, preview::kCustomPaper) != nullptr; }
    // Whether the settings name a paper this printer can print on.
    bool accepts(const PrinterSettings& s) const {
        if (isCustom(s)) return takesCustomSizes() && s.paperWidth > 0 && s.paperLength > 0;
        return findPaper(papers, s.paperSize) != nullptr;
    }
    QPageSize pageSizeOf(const PrinterSettings& s) const {
        if (isCustom(s)) return customPageSize(s.paperWidth, s.paperLength);
        return findPaper(papers, s.paperSize)->size;
    }
    // Sets printer up for settings s that this printer accepts.
    void configure(QPrinter& p, const PrinterSettings& s) const {
        const auto orientation = s.orientation == preview::kModeLandscape ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait;
        if (isFile) {
            p.setPageLayout(QPageLayout(pageSizeOf(s), orientation,
                                        QMarginsF(kFilePrinterEdgeMm, kFilePrinterEdgeMm,
                                                  kFilePrinterEdgeMm, kFilePrinterEdgeMm),
                                        QPageLayout::Millimeter));
        } else {
            p.setPageSize(pageSizeOf(s));
            p.setPageOrientation(orientation);
        }
        p.setCopyCount(1);
        p.setCollateCopies(false);
        if (std::optional<QPrinter::PaperSource> source = paperSourceOf(s.defaultSource))
            p.setPaperSource(*source);
    }
    // The settings block of a freshly opened printer.
    PrinterSettings settingsOf(QPrinter& p) const {
        PrinterSettings s;
        s.fields = kHonouredFields;
        const QPageLayout layout = p.pageLayout();
        s.orientation = layout.orientation() == QPageLayout::Landscape ? preview::kModeLandscape
                                                                       : preview::kModePortrait;
        s.paperSize = paperCodeOf(papers, layout.pageSize());
        if (s.paperSize == 0) s.paperSize = papers.empty() ? preview::kDefaultPaper : papers.front().code;
        s.copies = 1;
        s.defaultSource = binCodeOf(p.paperSource());
        return s;
    }
    void open() {
        if (printer) return;
        if (isFile) {
            papers = filePrinterPapers();
            printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setResolution(kFilePrinterDpi);
            PrinterSettings a4;
            a4.paperSize = preview::kDefaultPaper;
            configure(*printer, a4);
        } else {
            papers = spoolerPapers(info);
            printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
            if (const int dpi = spoolerDpi(info)) printer->setResolution(dpi);
        }
        settings = settingsOf(*printer);
        if (accepts(settings)) configure(*printer, settings);
    }
};

QtPrinterBackend::QtPrinterBackend() {
    const QString defaultName = QPrinterInfo::defaultPrinterName();
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
        auto e = std::make_unique<Entry>();
        e->name = fromQString(info.printerName());
        e->info = info;
        if (info.printerName() == defaultName) current_ = static_cast<int>(printers_.size());
        printers_.push_back(std::move(e));
    }
    auto file = std::make_unique<Entry>();
    file->name = kPdfFilePrinterName;
    file->isFile = true;
    printers_.push_back(std::move(file));
}

QtPrinterBackend::~QtPrinterBackend() = default;

std::vector<std::string> QtPrinterBackend::printerNames() {
    std::vector<std::string> names;
    for (const auto& e : printers_) names.push_back(e->name);
    return names;
}

void QtPrinterBackend::setCurrentPrinter(int index) {
    if (index < 0 || index >= static_cast<int>(printers_.size()))
        throw preview::PrinterError("Stampante inesistente");
    if (printing()) throw preview::PrinterError("Stampa in corso");
    current_ = index;
}

QtPrinterBackend::Entry& QtPrinterBackend::entry() { return *printers_[static_cast<std::size_t>(current_)]; }

QtPrinterBackend::Entry& QtPrinterBackend::readyEntry() {
    Entry& e = entry();
    e.open();
    return e;
}

std::optional<PrinterSettings> QtPrinterBackend::settings() { return readyEntry().settings; }

// Like a driver, a paper the printer cannot print on is refused and the old paper kept.
void QtPrinterBackend::setSettings(const PrinterSettings& requested) {
    Entry& e = readyEntry();
    PrinterSettings s = requested;
    if (!e.accepts(s)) {
        s.paperSize = e.settings.paperSize;
        s.paperWidth = e.settings.paperWidth;
        s.paperLength = e.settings.paperLength;
    }
    s.fields = kHonouredFields;
    if (printing()) throw preview::PrinterError("Stampa in corso");
    e.configure(*e.printer, s);
    e.settings = s;
}

std::vector<int> QtPrinterBackend::paperCodes() {
    std::vector<int> codes;
    for (const QtPaper& p : readyEntry().papers) codes.push_back(p.code);
    return codes;
}

std::vector<std::string> QtPrinterBackend::paperNames() {
    std::vector<std::string> names;
    for (const QtPaper& p : readyEntry().papers) names.push_back(p.name);
    return names;
}

// Measured from the layout in millimetres: Qt's own device rectangles pass through whole points
// and can be off by a few dots, enough for a sheet to stop matching its paper.
preview::DeviceMetrics QtPrinterBackend::metrics() {
    QPrinter& p = *readyEntry().printer;
    const QPageLayout layout = p.pageLayout();
    const int dpi = p.resolution();
    const auto dots = [dpi](qreal mm) { return rounded(mm * dpi / 25.4); };
    const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
    const QRectF page = layout.paintRect(QPageLayout::Millimeter);
    preview::DeviceMetrics m;
    m.dpiX = m.dpiY = dpi;
    m.physicalWidth = dots(paper.width());
    m.physicalHeight = dots(paper.height());
    m.offsetX = dots(page.left());
    m.offsetY = dots(page.top());
    m.pageWidth = dots(page.width());
    m.pageHeight = dots(page.height());
    return m;
}

void QtPrinterBackend::beginJob(const std::string& title, int copies) {
    if (printing()) throw preview::PrinterError("Stampa in corso");
    Entry& e = readyEntry();
    if (e.isFile) {
        const std::optional<std::string> path = pdfFile_.nextJobPath(title);
        if (!path) {
            const QRect page = e.printer->pageRect(QPrinter::DevicePixel).toRect();
            discarded_ = std::make_unique<PictureCanvas>(Size{page.width(), page.height()});
            return;
        }
        e.printer->setOutputFileName(toQString(*path));
    }
    beginPrinterJob(e, title, copies);
}

void QtPrinterBackend::beginPrinterJob(Entry& e, const std::string& title, int copies) {
    QPrinter& p = *e.printer;
    p.setDocName(toQString(title));
    p.setCopyCount(1);
    if (!e.isFile) {
        // The spooler lays a turned page on upright paper unless the job names the turned size.
        QStringList options;
        const QRect full = p.pageLayout().fullRectPoints();
        if (p.pageLayout().orientation() == QPageLayout::Landscape && e.takesCustomSizes())
            options << "PageSize" << QStringLiteral("Custom.%1x%2").arg(full.width()).arg(full.height());
        p.printEngine()->setProperty(kSpoolerOptionsKey, options);
    }
    job_ = std::make_unique<QtPrinterJob>(p, copies);
}

void QtPrinterBackend::newPage() {
    if (discarded_) {
        discarded_->takePicture();
        return;
    }
    if (!job_) throw preview::PrinterError("Nessuna stampa in corso");
    job_->newPage();
}

void QtPrinterBackend::endJob() {
    if (discarded_) {
        discarded_.reset();
        return;
    }
    if (!job_) throw preview::PrinterError("Nessuna stampa in corso");
    const std::unique_ptr<QtPrinterJob> job = std::move(job_);
    job->end();
}

void QtPrinterBackend::abortJob() {
    discarded_.reset();
    if (!job_) return;
    const std::unique_ptr<QtPrinterJob> job = std::move(job_);
    job->abort();
}

platform::Canvas* QtPrinterBackend::pageCanvas() {
    if (discarded_) return discarded_.get();
    return job_ ? &job_->canvas() : nullptr;
}

bool QtPrinterBackend::documentProperties(PrinterSettings& s) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return false;
    Entry& e = readyEntry();
    if (!e.accepts(s)) return false;
    QPrinter edited(QPrinter::HighResolution);
    if (e.isFile)
        edited.setOutputFormat(QPrinter::PdfFormat);
    else
        edited.setPrinterName(e.info.printerName());
    e.configure(edited, s);
    QPageSetupDialog dialog(&edited, dialogParent_);
    if (dialog.exec() != QDialog::Accepted) return false;

    const QPageLayout layout = edited.pageLayout();
    s.orientation = layout.orientation() == QPageLayout::Landscape ? preview::kModeLandscape
                                                                   : preview::kModePortrait;
    if (const int code = paperCodeOf(e.papers, layout.pageSize())) {
        s.paperSize = code;
    } else if (e.takesCustomSizes()) {
        const QSizeF mm = layout.pageSize().size(QPageSize::Millimeter);
        s.paperSize = preview::kCustomPaper;
        s.paperWidth = rounded(mm.width() * 10);
        s.paperLength = rounded(mm.height() * 10);
    }
    return true;
}

}  // namespace platform::qt
