#include "printer/qt/QtPrinterBackend.h"

#include <QApplication>
#include <QPageSetupDialog>
#include <QPrinterInfo>

#include "platform/qt/QtConvert.h"
#include "printer/PrinterError.h"
#include "printer/qt/QtPrinterJob.h"
#include "printer/qt/QtPrinterQueue.h"

namespace printer::qt {

QtPrinterBackend::QtPrinterBackend() {
    const QString defaultName = QPrinterInfo::defaultPrinterName();
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
        if (info.printerName() == defaultName) current_ = static_cast<int>(queues_.size());
        queues_.push_back(QtPrinterQueue::spooler(info));
    }
    queues_.push_back(QtPrinterQueue::pdfFile());
}

QtPrinterBackend::~QtPrinterBackend() = default;

void QtPrinterBackend::throwWhilePrinting() const {
    if (job_) throw printer::PrinterError("Stampa in corso");
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

void QtPrinterBackend::beginJob(const std::string& title, int copies) {
    throwWhilePrinting();
    QtPrinterQueue& q = queue();
    QPrinter& printer = q.printer();
    JobDestination destination;
    destination.title = title;
    if (q.isPdfFile()) {
        const std::optional<std::string> path = pdfFile_.nextJobPath(title, dialogParent_);
        if (!path) throw printer::PrintCancelled();
        destination.kind = JobDestination::Kind::File;
        destination.target = *path;
    } else {
        destination.target = q.name();
        destination.spoolerOptions = spoolerJobOptions(printer, q.jobOptions());
    }
    printer.setDocName(platform::qt::toQString(title));
    printer.setCopyCount(1);
    job_ = std::make_unique<QtPrinterJob>(printer, copies, std::move(destination));
}

void QtPrinterBackend::newPage() {
    if (!job_) throw printer::PrinterError("Nessuna stampa in corso");
    job_->newPage();
}

void QtPrinterBackend::endJob() {
    if (!job_) throw printer::PrinterError("Nessuna stampa in corso");
    // The job is over even when finishing it fails.
    const std::unique_ptr<QtPrinterJob> job = std::move(job_);
    job->end();
}

void QtPrinterBackend::abortJob() {
    if (!job_) return;
    const std::unique_ptr<QtPrinterJob> job = std::move(job_);
    job->abort();
}

platform::Canvas* QtPrinterBackend::pageCanvas() {
    return job_ ? &job_->canvas() : nullptr;
}

bool QtPrinterBackend::documentProperties(printer::PrinterSettings& settings) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return false;
    QtPrinterQueue& q = queue();
    const std::unique_ptr<QPrinter> edited = q.editablePrinter(settings);
    QPageSetupDialog dialog(edited.get(), dialogParent_);
    if (dialog.exec() != QDialog::Accepted) return false;
    return q.takeLayout(edited->pageLayout(), settings);
}

}  // namespace printer::qt
