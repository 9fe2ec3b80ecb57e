#include "gui/preview/PrintFileDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <optional>

#include "platform/qt/QtConvert.h"
#include "printer/Printer.h"
#include "printer/qt/PdfFilePrinter.h"

namespace gui::preview {

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

QWidget* parentFor(QWidget* parent) {
    if (parent) return parent;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

std::optional<std::string> askOperator(const std::string& title, QWidget* parent) {
    QString chosen = QFileDialog::getSaveFileName(
        parentFor(parent), QString::fromUtf8(printer::qt::kPdfFilePrinterName),
        QDir(rememberedFolder()).filePath(suggestedName(title)), QStringLiteral("PDF (*.pdf)"), nullptr,
        QFileDialog::DontUseNativeDialog);
    if (chosen.isEmpty()) return std::nullopt;
    if (QFileInfo(chosen).suffix().isEmpty()) chosen += QStringLiteral(".pdf");
    QSettings().setValue(kFolderKey, QFileInfo(chosen).absolutePath());
    return platform::qt::fromQString(chosen);
}

}  // namespace

bool choosePrintFile(printer::Printer& printer, const std::string& jobTitle, QWidget* parent) {
    if (printer.currentPrinterName() != printer::qt::kPdfFilePrinterName) return true;
    const std::optional<std::string> file = askOperator(jobTitle, parent);
    if (!file) return false;
    printer.setOutputFile(*file);
    return true;
}

}  // namespace gui::preview
