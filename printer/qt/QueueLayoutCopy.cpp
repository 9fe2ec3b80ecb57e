#include "printer/qt/QueueLayoutCopy.h"

#include "platform/qt/QtConvert.h"
#include "printer/PrinterError.h"
#include "printer/qt/PdfFilePrinter.h"
#include "printer/qt/QtPrinterQueue.h"

namespace printer::qt {

namespace {

std::unique_ptr<QtPrinterQueue> queueNamed(const std::string& name) {
    if (name == kPdfFilePrinterName) return QtPrinterQueue::pdfFile();
    const QPrinterInfo info = QPrinterInfo::printerInfo(platform::qt::toQString(name));
    if (info.isNull()) throw printer::PrinterError(printer::printerGoneText(name));
    return QtPrinterQueue::spooler(info);
}

}  // namespace

QueueLayoutCopy::QueueLayoutCopy(const std::string& queueName, const printer::PrinterSettings& settings)
    : queue_(queueNamed(queueName)), printer_(queue_->editablePrinter(settings)) {}

QueueLayoutCopy::~QueueLayoutCopy() = default;

bool QueueLayoutCopy::takeInto(printer::PrinterSettings& settings) {
    return queue_->takeLayout(printer_->pageLayout(), settings);
}

}  // namespace printer::qt
