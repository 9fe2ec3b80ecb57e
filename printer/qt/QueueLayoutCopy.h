// A printer's page layout for a page-setup dialog to edit, away from the printer the program
// prints on: a separate QPrinter of the named queue set up from a settings block, and the edited
// layout taken back into such a block.
#pragma once

#include <QPrinter>
#include <memory>
#include <string>

#include "printer/PrinterSettings.h"

namespace printer::qt {

class QtPrinterQueue;

class QueueLayoutCopy {
public:
    // `queueName` is a spooler queue or the file printer; throws PrinterError when the spooler
    // no longer has it.
    QueueLayoutCopy(const std::string& queueName, const printer::PrinterSettings& settings);
    ~QueueLayoutCopy();
    QueueLayoutCopy(const QueueLayoutCopy&) = delete;
    QueueLayoutCopy& operator=(const QueueLayoutCopy&) = delete;

    QPrinter& printer() { return *printer_; }
    // `settings` with the paper and orientation of the edited layout; false when no paper of the
    // queue fits it.
    bool takeInto(printer::PrinterSettings& settings);

private:
    std::unique_ptr<QtPrinterQueue> queue_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace printer::qt
