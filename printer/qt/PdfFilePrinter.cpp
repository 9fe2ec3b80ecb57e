#include "printer/qt/PdfFilePrinter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <utility>

#include "platform/FileNames.h"
#include "platform/qt/QtConvert.h"
#include "printer/PrinterError.h"

namespace printer::qt {

namespace {

const QString kFolderKey = QStringLiteral("StampaSuFile/Cartella");

// A file name made of the job title, without characters a file name cannot hold.
QString suggestedName(const std::string& title) {
    QString name = platform::qt::toQString(title).trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    if (name.isEmpty()) name = QStringLiteral("stampa");
    return name + QStringLiteral(".pdf");
}

QString rememberedFolder() {
    const QString folder = QSettings().value(kFolderKey).toString();
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QDir::homePath();
}

QWidget* parentFor(QWidget* dialogParent) {
    if (dialogParent) return dialogParent;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

std::optional<std::string> askOperator(const std::string& title, QWidget* dialogParent) {
    QString chosen = QFileDialog::getSaveFileName(
        parentFor(dialogParent), QString::fromUtf8(kPdfFilePrinterName),
        QDir(rememberedFolder()).filePath(suggestedName(title)), QStringLiteral("PDF (*.pdf)"), nullptr,
        QFileDialog::DontUseNativeDialog);
    if (chosen.isEmpty()) return std::nullopt;
    if (QFileInfo(chosen).suffix().isEmpty()) chosen += QStringLiteral(".pdf");
    QSettings().setValue(kFolderKey, QFileInfo(chosen).absolutePath());
    return platform::qt::fromQString(chosen);
}

}  // namespace

void PdfFilePrinter::setFixedPath(std::string path) {
    fixedPath_ = std::move(path);
    jobsOnFixedPath_ = 0;
}

std::optional<std::string> PdfFilePrinter::nextJobPath(const std::string& title, QWidget* dialogParent) {
    if (!fixedPath_.empty()) return numberedPath(fixedPath_, ++jobsOnFixedPath_);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        throw printer::PrinterError("Nessun file indicato per la stampa su PDF");
    return askOperator(title, dialogParent);
}

std::string numberedPath(const std::string& path, int n) {
    return n <= 1 ? path : platform::withNumberBeforeExtension(path, n);
}

}  // namespace printer::qt
