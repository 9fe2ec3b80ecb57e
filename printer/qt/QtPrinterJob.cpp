#include "printer/qt/QtPrinterJob.h"

#include <QFile>

#include "platform/qt/QtConvert.h"
#include "printer/PrinterError.h"

namespace platform::qt {

namespace {

// The queue a job goes to, or the file it is written to.
std::string destinationOf(const QPrinter& printer) {
    return fromQString(printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName());
}

Rect pageArea(QPrinter& printer) {
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    return {0, 0, page.width(), page.height()};
}

}  // namespace

QtPrinterJob::QtPrinterJob(QPrinter& printer, int copies)
    : printer_(printer), copies_(copies < 1 ? 1 : copies) {
    if (!painter_.begin(&printer_))
        throw preview::PrinterError("Impossibile avviare la stampa su " + destinationOf(printer_));
    device_ = std::make_unique<QPainterCanvas>(painter_);
    if (copies_ > 1) {
        const Rect area = pageArea(printer_);
        recording_ = std::make_unique<PictureCanvas>(Size{area.width(), area.height()}, device_.get());
    }
}

QtPrinterJob::~QtPrinterJob() {
    if (painter_.isActive()) abort();
}

Canvas& QtPrinterJob::canvas() {
    if (recording_) return *recording_;
    return *device_;
}

void QtPrinterJob::startDevicePage() {
    if (firstDevicePage_) {
        firstDevicePage_ = false;  // beginning the job opened the first device page
        return;
    }
    if (!printer_.newPage()) throw preview::PrinterError("Impossibile iniziare una nuova pagina");
}

void QtPrinterJob::flushRecording() {
    const Picture page = recording_->takePicture();
    const Rect area{0, 0, page.size().width, page.size().height};
    for (int copy = 0; copy < copies_; ++copy) {
        startDevicePage();
        page.play(*device_, area);
    }
}

void QtPrinterJob::newPage() {
    if (recording_) {
        flushRecording();
        return;
    }
    firstDevicePage_ = false;
    startDevicePage();
}

void QtPrinterJob::end() {
    if (recording_) flushRecording();
    device_.reset();
    if (!painter_.end()) throw preview::PrinterError("Impossibile completare la stampa");
}

void QtPrinterJob::abort() {
    const QString file = printer_.outputFileName();
    printer_.abort();
    device_.reset();
    if (painter_.isActive()) painter_.end();
    if (!file.isEmpty()) QFile::remove(file);
}

}  // namespace platform::qt
