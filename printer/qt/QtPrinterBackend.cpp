#include "printer/qt/QtPrinterBackend.h"

#include <QPrinterInfo>
#include <algorithm>

#include "platform/qt/QtConvert.h"
#include "printer/CountedJob.h"
#include "printer/PrinterError.h"
#include "printer/qt/QtPrinterJob.h"
#include "printer/qt/QtPrinterQueue.h"

namespace printer::qt {

QtPrinterBackend::QtPrinterBackend() {
    queues_.push_back(QtPrinterQueue::pdfFile());
    listPrinters({});
}

void QtPrinterBackend::refreshPrinters() {
    throwWhilePrinting();
    listPrinters(queue().name());
}

// The spooler's queues, then the file printer; `currentName` stays current when listed,
// else the spooler's default (or the first printer) becomes current.
void QtPrinterBackend::listPrinters(const std::string& currentName) {
    const QString defaultName = QPrinterInfo::defaultPrinterName();
    std::vector<std::unique_ptr<QtPrinterQueue>> listed;
    int current = -1, spoolerDefault = -1;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
        const std::string name = platform::qt::fromQString(info.printerName());
        const auto kept = std::find_if(queues_.begin(), queues_.end() - 1,
                                       [&name](const auto& q) { return q && q->name() == name; });
        if (name == currentName) current = static_cast<int>(listed.size());
        if (info.printerName() == defaultName) spoolerDefault = static_cast<int>(listed.size());
        listed.push_back(kept != queues_.end() - 1 ? std::move(*kept) : QtPrinterQueue::spooler(info));
    }
    if (queues_.back()->name() == currentName) current = static_cast<int>(listed.size());
    listed.push_back(std::move(queues_.back()));
    queues_ = std::move(listed);
    current_ = current >= 0 ? current : std::max(spoolerDefault, 0);
}

bool QtPrinterBackend::queueStillListed(const QtPrinterQueue& q) {
    if (q.isPdfFile()) return true;
    const QString name = platform::qt::toQString(q.name());
    for (const QString& listed : QPrinterInfo::availablePrinterNames())
        if (listed == name) return true;
    return false;
}

QtPrinterBackend::~QtPrinterBackend() = default;

void QtPrinterBackend::throwWhilePrinting() const {
    if (openJobs_ > 0) throw printer::PrinterError("Stampa in corso");
}

std::vector<std::string> QtPrinterBackend::printerNames() {
    std::vector<std::string> names;
    for (const auto& q : queues_) names.push_back(q->name());
    return names;
}

void QtPrinterBackend::setCurrentPrinter(int index) {
    if (index < 0 || index >= static_cast<int>(queues_.size()))
        throw printer::PrinterError("Stampante inesistente");
    throwWhilePrinting();
    current_ = index;
}

QtPrinterQueue& QtPrinterBackend::queue() {
    return *queues_[static_cast<std::size_t>(current_)];
}

std::optional<printer::PrinterSettings> QtPrinterBackend::settings() {
    return queue().settings();
}

void QtPrinterBackend::setSettings(const printer::PrinterSettings& settings) {
    throwWhilePrinting();
    queue().applySettings(settings);
}

std::vector<int> QtPrinterBackend::paperCodes() {
    std::vector<int> codes;
    for (const QtPaper& p : queue().papers()) codes.push_back(p.code);
    return codes;
}

std::vector<std::string> QtPrinterBackend::paperNames() {
    std::vector<std::string> names;
    for (const QtPaper& p : queue().papers()) names.push_back(p.name);
    return names;
}

printer::DeviceMetrics QtPrinterBackend::metrics() {
    return queue().metrics();
}

std::unique_ptr<printer::PrintJob> QtPrinterBackend::startJob(const std::string& title, int copies) {
    throwWhilePrinting();
    QtPrinterQueue& q = queue();
    // The spooler would refuse the finished job: say so before any page is drawn.
    if (!queueStillListed(q))
        throw printer::PrinterError(printer::printerGoneText(q.name()) + ": è stata tolta dallo spooler");
    QPrinter& printer = q.printer();
    JobDestination destination;
    destination.title = title;
    if (q.isPdfFile()) {
        destination.kind = JobDestination::Kind::File;
        destination.target = pdfFile_.nextJobPath();
    } else {
        destination.target = q.name();
        destination.spoolerOptions = spoolerJobOptions(printer, q.jobOptions());
    }
    printer.setDocName(platform::qt::toQString(title));
    printer.setCopyCount(1);
    return std::make_unique<printer::CountedJob>(
        std::make_unique<QtPrinterJob>(printer, copies, std::move(destination)), openJobs_);
}

}  // namespace printer::qt
