// One open print job on a QPrinter. The spooler always gets a copy count of 1: the job itself
// prints each page `copies` times in a row, so that no driver multiplies copies on its own.
// With more than one copy the caller draws into a recording that is replayed once per copy.
#pragma once

#include <QPainter>
#include <QPrinter>
#include <memory>

#include "platform/PictureCanvas.h"
#include "platform/qt/QPainterCanvas.h"

namespace platform::qt {

class QtPrinterJob {
public:
    // Starts painting on printer (already set up for the job). Throws PrinterError when the
    // printer or its output file cannot be opened.
    QtPrinterJob(QPrinter& printer, int copies);
    ~QtPrinterJob();
    QtPrinterJob(const QtPrinterJob&) = delete;
    QtPrinterJob& operator=(const QtPrinterJob&) = delete;

    Canvas& canvas();
    void newPage();
    // Finishes the last page and closes the job. Throws PrinterError when the output fails.
    void end();
    // Drops the job: the spooler cancels it, a file printer's output is removed.
    void abort();

private:
    void flushRecording();
    void startDevicePage();

    QPrinter& printer_;
    int copies_;
    QPainter painter_;
    std::unique_ptr<QPainterCanvas> device_;
    std::unique_ptr<PictureCanvas> recording_;  // only with more than one copy
    bool firstDevicePage_ = true;
};

}  // namespace platform::qt
