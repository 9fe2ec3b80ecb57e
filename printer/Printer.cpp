#include "printer/Printer.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

#include "platform/UiText.h"
#include "printer/CountedJob.h"
#include "printer/PageUnits.h"
#include "printer/PaperTable.h"
#include "printer/PrinterBackend.h"
#include "printer/PrinterError.h"
#include "printer/PrinterTexts.h"

namespace printer {

namespace {

// The virtual printer's unprintable edge: 5 mm on every side.
constexpr int kVirtualEdgeTenthsMm = 50;

// Drivers sometimes answer the first query without a settings block; ask once more.
std::optional<PrinterSettings> querySettings(PrinterBackend& backend) {
    std::optional<PrinterSettings> mode = backend.settings();
    if (!mode) mode = backend.settings();
    return mode;
}

// The spooler's lists are copied into fixed-size arrays; never take more than fit.
template <typename T>
std::vector<T> capped(std::vector<T> list, std::size_t limit) {
    if (list.size() > limit) list.resize(limit);
    return list;
}

// Paper and bin names index for index with their codes, however many names the driver gave.
std::vector<std::string> alignedNames(std::vector<std::string> names, std::size_t count) {
    names.resize(count);
    return names;
}

}  // namespace

bool isDefaultBin(int bin) {
    return (bin & 0xFFFF) == 0xFFFF;
}

Printer::Printer() : paperSize_(kDefaultPaper) {
    resetBinsToDefault();
    applyVirtualSettings();
}

void Printer::attachPrinter(PrinterBackend* backend) {
    backend_ = backend;
    listPrinters();
    if (printerIndex_ == defaultPrinterIndex_)
        applySettings();
    else
        readSettings();
}

void Printer::refreshPrinters() {
    if (!backend_ || printing()) return;
    const std::string before = currentPrinterName();
    const bool wasVirtual = isVirtual();
    try {
        backend_->refreshPrinters();
    } catch (const std::exception&) {
        return;  // the list stays as it was; a job on a vanished printer says so itself
    }
    listPrinters();
    if (wasVirtual) printerIndex_ = defaultPrinterIndex_;
    // Another printer is current only when the old one vanished: it gets the current paper.
    if (currentPrinterName() != before) applySettings();
}

// The backend's printers and the virtual printer after them; the current printer is the
// backend's, or the virtual printer when the backend has none.
void Printer::listPrinters() {
    printers_.clear();
    printerIndex_ = 0;
    if (backend_) {
        // A spooler that cannot list its printers leaves only the virtual printer.
        try {
            printers_ = backend_->printerNames();
            const int current = backend_->currentPrinter();
            if (current >= 0 && current < static_cast<int>(printers_.size()))
                printerIndex_ = current;
            else if (!printers_.empty())
                backend_->setCurrentPrinter(0);  // no current printer: output goes to the first
        } catch (const std::exception&) {
            printers_.clear();
            printerIndex_ = 0;
        }
    }
    const bool noPlatformPrinters = printers_.empty();
    printers_.push_back(platform::uiText(kVirtualPrinterText));
    defaultPrinterIndex_ = static_cast<int>(printers_.size()) - 1;
    if (noPlatformPrinters) printerIndex_ = defaultPrinterIndex_;
}

bool Printer::isVirtual() const {
    return backend_ == nullptr || printerIndex_ == defaultPrinterIndex_;
}

bool Printer::hasPlatformPrinters() const {
    return backend_ && defaultPrinterIndex_ > 0;
}

std::string Printer::currentPrinterName() const {
    if (printerIndex_ < 0 || printerIndex_ >= static_cast<int>(printers_.size())) return {};
    return printers_[static_cast<std::size_t>(printerIndex_)];
}

PageOffset Printer::currentOffset() const {
    if (!offsetSource_ || isVirtual()) return {};
    return offsetSource_->offsetFor(currentPrinterName());
}

void Printer::readSettings() {
    if (isVirtual()) {
        applyVirtualSettings();
        return;
    }
    try {
        readPrinterSettings();
    } catch (const std::exception&) {
        switchToVirtual();
    }
}

// Everything is queried first and stored at the end, so a failure part-way leaves no mix of
// two printers' values behind.
void Printer::readPrinterSettings() {
    const std::optional<PrinterSettings> mode = querySettings(*backend_);
    if (!mode) throw PrinterError("The printer has no settings");
    const DeviceMetrics m = backend_->metrics();
    if (!m.usable()) throw PrinterError("The printer reports no page size");

    std::vector<int> paperCodes = capped(backend_->paperCodes(), kMaxPaperEntries);
    std::vector<std::string> paperNames = alignedNames(backend_->paperNames(), paperCodes.size());
    std::vector<int> binCodes{kDefaultBin};
    for (int code : capped(backend_->binCodes(), kMaxPaperEntries - 1)) binCodes.push_back(code);
    std::vector<std::string> binNames{platform::uiText(kDefaultBinText)};
    for (std::string& name : alignedNames(backend_->binNames(), binCodes.size() - 1))
        binNames.push_back(std::move(name));

    paperSize_ = mode->paperSize;
    paperWidth_ = dotsToTenthsMm(m.physicalWidth, m.dpiX);
    paperHeight_ = dotsToTenthsMm(m.physicalHeight, m.dpiY);
    paperCodes_ = std::move(paperCodes);
    paperNames_ = std::move(paperNames);
    bin_ = mode->defaultSource;
    binCodes_ = std::move(binCodes);
    binNames_ = std::move(binNames);
    orientation_ = mode->orientation == kModePortrait ? kPortrait : kLandscape;
}

void Printer::applySettings() {
    if (isVirtual())
        applyVirtualSettings();
    else
        applyPrinterSettings();
}

void Printer::applyVirtualSettings() {
    paperCodes_.clear();
    paperNames_.clear();
    for (std::size_t i = 0; i < kPaperTable.size(); ++i) {
        paperCodes_.push_back(kPaperTable[i].code);
        paperNames_.push_back(paperName(i));
    }
    if (paperSize_ == kCustomPaper) return;
    if (const PaperRow* row = findPaperByCode(paperSize_)) {
        paperWidth_ = row->width;
        paperHeight_ = row->height;
        if (orientation_ == kLandscape) std::swap(paperWidth_, paperHeight_);
    }
}

void Printer::applyPrinterSettings() {
    std::optional<PrinterSettings> mode = querySettings(*backend_);
    if (!mode) {
        switchToVirtual();
        return;
    }
    const unsigned customBits = kFieldPaperLength | kFieldPaperWidth;
    if (paperSize_ == kCustomPaper) {
        mode->fields |= customBits;
        mode->paperLength = paperHeight_;
        mode->paperWidth = paperWidth_;
    } else {
        mode->fields &= ~customBits;
    }
    if (mode->has(kFieldPaperSize)) mode->paperSize = paperSize_;
    if (mode->has(kFieldOrientation))
        mode->orientation = orientation_ == kLandscape ? kModeLandscape : kModePortrait;
    if (mode->has(kFieldCopies)) mode->copies = 1;
    if (mode->has(kFieldDefaultSource) && !isDefaultBin(bin_)) mode->defaultSource = bin_ & 0xFFFF;
    backend_->setSettings(*mode);
    readSettings();
}

void Printer::switchToVirtual() {
    printerIndex_ = defaultPrinterIndex_;
    resetBinsToDefault();
    applyVirtualSettings();
}

void Printer::resetBinsToDefault() {
    binCodes_.assign(1, kDefaultBin);
    binNames_.assign(1, platform::uiText(kDefaultBinText));
}

PrinterGeometry Printer::geometry() const {
    PrinterGeometry g;
    fillGeometry(g);
    return g;
}

void Printer::fillGeometry(PrinterGeometry& g) const {
    if (isVirtual())
        fillVirtualGeometry(g);
    else
        fillPrinterGeometry(g);
}

// The virtual printer has no dots; those fields keep what the caller had. Its page pixels are
// every printer's: the paper with a 5 mm edge, so that labels are laid out alike everywhere.
void Printer::fillVirtualGeometry(PrinterGeometry& g) const {
    const int edge = tenthsMmToPagePixels(kVirtualEdgeTenthsMm);
    g.paperWidthPx = tenthsMmToPagePixels(paperWidth_);
    g.paperHeightPx = tenthsMmToPagePixels(paperHeight_);
    g.offsetXPx = edge;
    g.offsetYPx = edge;
    // A paper narrower than both edges has no printable area rather than a negative one.
    g.printableWidthPx = std::max(0, g.paperWidthPx - 2 * edge);
    g.printableHeightPx = std::max(0, g.paperHeightPx - 2 * edge);
}

void Printer::fillPrinterGeometry(PrinterGeometry& g) const {
    const DeviceMetrics m = backend_->metrics();
    if (!m.usable()) {
        fillVirtualGeometry(g);
        return;
    }
    // The page pixels describe the sheet, not this printer: a printer's printable area only
    // clips what is printed and never changes where a label goes.
    fillVirtualGeometry(g);
    g.paperWidthDots = m.physicalWidth;
    g.paperHeightDots = m.physicalHeight;
    g.offsetXDots = m.offsetX;
    g.offsetYDots = m.offsetY;
    g.printableWidthDots = m.pageWidth;
    g.printableHeightDots = m.pageHeight;
}

bool Printer::samePaper(int size, int width, int height, int bin, int orientation) const {
    if (size != paperSize_ || orientation != orientation_) return false;
    if (size == kCustomPaper)
        return std::abs(width - paperWidth_) <= 1 && std::abs(height - paperHeight_) <= 1;
    return bin == bin_ || isDefaultBin(bin);
}

void Printer::setPaper(int size, int width, int height, int bin, int orientation, bool force) {
    if (printing()) return;
    if (!force && samePaper(size, width, height, bin, orientation)) return;
    paperSize_ = size;
    paperWidth_ = width;
    paperHeight_ = height;
    bin_ = bin;
    orientation_ = orientation;
    applySettings();
}

void Printer::selectPrinter(int index) {
    if (index < 0 || index >= static_cast<int>(printers_.size())) return;
    if (index == printerIndex_ || printing()) return;
    if (index != defaultPrinterIndex_) backend_->setCurrentPrinter(index);
    printerIndex_ = index;
    applySettings();
}

bool Printer::selectPrinterByName(std::string_view name) {
    if (name == kVirtualPrinterStoredName && !printers_.empty()) {
        selectPrinter(defaultPrinterIndex_);
        return true;
    }
    for (std::size_t i = 0; i < printers_.size(); ++i) {
        if (printers_[i] == name) {
            selectPrinter(static_cast<int>(i));
            return true;
        }
    }
    return false;
}

bool Printer::editPrinterSettings(const std::function<bool(PrinterSettings&)>& edit) {
    if (isVirtual()) return false;
    std::optional<PrinterSettings> mode = querySettings(*backend_);
    if (!mode) return false;
    PrinterSettings copy = *mode;
    if (!edit(copy)) return false;
    backend_->setSettings(copy);
    return true;
}

PrinterBackend& Printer::jobBackend() const {
    if (isVirtual()) throw PrinterError("La stampante virtuale non può stampare: scegliere una stampante");
    return *backend_;
}

std::unique_ptr<PrintJob> Printer::startJob(const std::string& title, int copies) {
    return std::make_unique<CountedJob>(jobBackend().startJob(title, copies < 1 ? 1 : copies), openJobs_);
}

void Printer::setOutputFile(const std::string& path) {
    if (backend_) backend_->setOutputFile(path);
}

}  // namespace printer
