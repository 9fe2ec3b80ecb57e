#include "printer/qt/QtPrinterJob.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <sys/stat.h>

#include <filesystem>

#include "platform/qt/QtConvert.h"
#include "printer/PrinterError.h"

namespace printer::qt {

namespace {

// The spooler's client that takes a finished file; it honours CUPS_SERVER like Qt does.
constexpr const char* kSpoolerClient = "lp";
constexpr int kSubmitTimeoutMs = 5 * 60 * 1000;

platform::Rect pageArea(QPrinter& printer) {
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    return {0, 0, page.width(), page.height()};
}

// The temporary file beside a destination file (so the final rename stays on one disk), or in
// the temporary folder for a spooler job. Its suffix is not ".pdf": QPrinter would change its
// output format for that name.
QString temporaryTemplate(const JobDestination& d) {
    if (d.kind == JobDestination::Kind::File) {
        const QFileInfo target(platform::qt::toQString(d.target));
        return target.absoluteDir().filePath(QStringLiteral(".") + target.fileName() + QStringLiteral(".XXXXXX.part"));
    }
    return QDir(QDir::tempPath()).filePath(QStringLiteral("quirelle-job-XXXXXX.part"));
}

}  // namespace

// No "landscape": the file's pages are already turned, and the spooler's filter would turn a
// page that also names its turned size a second time, printing it upside down.
QStringList spoolerJobOptions(const QPrinter& printer, const QStringList& extra) {
    const QPageLayout layout = printer.pageLayout();
    return QStringList{QStringLiteral("media"), layout.pageSize().key(), QStringLiteral("sides"),
                       QStringLiteral("one-sided")} +
           extra;
}

QtPrinterJob::QtPrinterJob(QPrinter& printer, int copies, JobDestination destination)
    : printer_(printer), copies_(copies < 1 ? 1 : copies), destination_(std::move(destination)) {
    pages_.setFileTemplate(temporaryTemplate(destination_));
    if (!pages_.open())
        throw printer::PrinterError("Impossibile creare un file temporaneo per la stampa su " +
                                    destination_.target);
    pages_.close();  // the printer writes it by name
    printer_.setOutputFileName(pages_.fileName());
    if (!painter_.begin(&printer_))
        throw printer::PrinterError("Impossibile avviare la stampa su " + destination_.target);
    device_ = std::make_unique<platform::qt::QPainterCanvas>(painter_);
    if (copies_ > 1) {
        const platform::Rect area = pageArea(printer_);
        recording_ = std::make_unique<platform::PictureCanvas>(platform::Size{area.width(), area.height()},
                                                               device_.get());
    }
}

QtPrinterJob::~QtPrinterJob() {
    if (painter_.isActive()) abort();
}

// The printer belongs to its queue again as soon as the job is over, so that the next job
// (or the queue's own metrics) finds it as it was: a spooler queue prints through the spooler.
void QtPrinterJob::releasePrinter() {
    if (destination_.kind == JobDestination::Kind::Spooler) printer_.setOutputFileName(QString());
}

platform::Canvas& QtPrinterJob::canvas() {
    if (recording_) return *recording_;
    return *device_;
}

void QtPrinterJob::startDevicePage() {
    if (firstDevicePage_) {
        firstDevicePage_ = false;  // beginning the job opened the first device page
        return;
    }
    if (!printer_.newPage()) throw printer::PrinterError("Impossibile iniziare una nuova pagina");
}

void QtPrinterJob::flushRecording() {
    const platform::Picture page = recording_->takePicture();
    const platform::Rect area{0, 0, page.size().width, page.size().height};
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
    const bool finished = painter_.end();
    releasePrinter();
    if (!finished) throw printer::PrinterError("Impossibile completare la stampa su " + destination_.target);
    handOn();
}

void QtPrinterJob::handOn() {
    if (QFileInfo(pages_.fileName()).size() <= 0)
        throw printer::PrinterError("Impossibile scrivere la stampa su " + destination_.target);
    if (destination_.kind == JobDestination::Kind::File)
        moveToFile();
    else
        submitToSpooler();
}

void QtPrinterJob::moveToFile() {
    // The temporary file is private to its owner; the finished one gets what a new file of
    // this user gets.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(pages_.fileName()).constData(), 0666 & ~mask);
    std::error_code error;
    std::filesystem::rename(platform::qt::fromQString(pages_.fileName()), destination_.target, error);
    if (error) throw printer::PrinterError("Impossibile scrivere il file \"" + destination_.target + "\"");
    pages_.setAutoRemove(false);  // it is the destination now
}

void QtPrinterJob::submitToSpooler() {
    const QString client = QStandardPaths::findExecutable(QString::fromLatin1(kSpoolerClient));
    if (client.isEmpty())
        throw printer::PrinterError("Manca il programma \"lp\" che consegna le stampe allo spooler");
    QStringList arguments{QStringLiteral("-d"), platform::qt::toQString(destination_.target),
                          QStringLiteral("-t"), platform::qt::toQString(destination_.title)};
    for (qsizetype i = 0; i + 1 < destination_.spoolerOptions.size(); i += 2) {
        const QString& value = destination_.spoolerOptions[i + 1];
        arguments << QStringLiteral("-o")
                  << (value.isEmpty() ? destination_.spoolerOptions[i]
                                      : destination_.spoolerOptions[i] + QLatin1Char('=') + value);
    }
    arguments << QStringLiteral("--") << pages_.fileName();
    QProcess lp;
    lp.setProcessChannelMode(QProcess::MergedChannels);
    lp.start(client, arguments);
    const bool finished = lp.waitForStarted() && lp.waitForFinished(kSubmitTimeoutMs);
    if (!finished || lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0) {
        if (lp.state() != QProcess::NotRunning) lp.kill();
        throw printer::PrinterError("Lo spooler non ha accettato la stampa per " + destination_.target);
    }
}

void QtPrinterJob::abort() {
    printer_.abort();
    device_.reset();
    // Closing the painter only finishes the temporary file, which goes with this job.
    if (painter_.isActive()) painter_.end();
    releasePrinter();
}

}  // namespace printer::qt
