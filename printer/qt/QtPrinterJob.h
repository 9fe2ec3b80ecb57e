// One open print job on a QPrinter. The spooler always gets a copy count of 1: the job itself
// prints each page `copies` times in a row, so that no driver multiplies copies on its own.
// With more than one copy the caller draws into a recording that is replayed once per copy.
//
// Pages are written to a temporary file first. Only a job that ends is handed on, whole: to
// the spooler queue, or renamed over the destination file. An aborted job leaves nothing: the
// spooler never hears of it and no partial file stays behind.
#pragma once

#include <QPainter>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryFile>
#include <memory>
#include <string>

#include "platform/PictureCanvas.h"
#include "platform/qt/QPainterCanvas.h"
#include "printer/PrintJob.h"

namespace printer::qt {

// Where an ended job goes.
struct JobDestination {
    enum class Kind { Spooler, File } kind = Kind::Spooler;
    std::string target;            // the queue's name, or the file's path
    std::string title;             // the spooler's job name
    QStringList spoolerOptions;    // name, value, name, value, ...
};

class QtPrinterJob final : public printer::PrintJob {
public:
    // Starts painting on printer (already set up for the job). Throws PrinterError when the
    // printer or its temporary file cannot be opened.
    QtPrinterJob(QPrinter& printer, int copies, JobDestination destination);
    // Aborts the job unless it ended.
    ~QtPrinterJob() override;

    platform::Canvas& canvas() override;
    void newPage() override;
    // Finishes the last page and hands the job on. Throws PrinterError when that fails.
    void end() override;

private:
    void flushRecording();
    void startDevicePage();
    void handOn();
    void submitToSpooler();
    void moveToFile();
    // Drops the job: nothing is handed on.
    void abort();
    void releasePrinter();

    QPrinter& printer_;
    int copies_;
    JobDestination destination_;
    QTemporaryFile pages_;
    QPainter painter_;
    std::unique_ptr<platform::qt::QPainterCanvas> device_;
    std::unique_ptr<platform::PictureCanvas> recording_;  // only with more than one copy
    bool firstDevicePage_ = true;
};

// The spooler options a job of this printer's layout needs, as Qt's own spooler hand-off sends
// them, followed by `extra`.
QStringList spoolerJobOptions(const QPrinter& printer, const QStringList& extra);

}  // namespace printer::qt
