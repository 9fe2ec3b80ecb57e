// No subcommand: the main window in the current directory, until the operator closes it.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <filesystem>

#include "app/DesktopSession.h"
#include "app/Subcommands.h"
#include "gui/main_window/CheckedPrintHandler.h"
#include "gui/main_window/Dialogs.h"
#include "gui/main_window/MainWindow.h"
#include "gui/preview/LabelSheetSettings.h"
#include "gui/preview/PreviewViewer.h"
#include "labels/LabelApp.h"
#include "labels/LabelReports.h"
#include "labels/qt/QtFileLocker.h"
#include "platform/qt/MessageBox.h"
#include "printer/qt/PrinterOffsetSettings.h"
#include "report/ErrorReporter.h"

namespace app {

namespace {

// Template and preparation errors reach the operator in a box captioned "Errore".
class MessageBoxErrors : public report::ErrorReporter {
public:
    void reportError(const std::string& message) override { platform::qt::showError(message); }
};

}  // namespace

int runMainWindow(int argc, char** argv) {
    DesktopSession session(argc, argv);
    ProgramServices& services = session.services();
    gui::preview::PrintDialogService& printing = session.printing();
    const gui::preview::PreviewServices previewServices = session.previewServices();

    labels::qt::QtFileLocker locker;
    labels::LabelApp labels(std::filesystem::current_path(), locker);
    MessageBoxErrors errors;
    labels::LabelReports reports(labels.printList(), &labels.fiscalCodes(), errors,
                                 services.reportServices());
    gui::main_window::MessageBoxDialogs dialogs;
    gui::main_window::MainWindow form(labels, dialogs);
    // The folder of the code files depends on how the program was started; the title names it.
    form.setWindowTitle(
        QString("%1 - %2").arg(gui::main_window::kMainCaption,
                               QDir::toNativeSeparators(QFile::decodeName(labels.workDir().c_str()))));
    // "Stampa Su Carta ": prepare the chosen template under the progress window, then preview.
    printer::qt::PrinterOffsetSettings offsets;
    // Each preview starts on a fresh sheet with one copy of each label; its "Impostazioni
    // foglio" changes that for the pages it shows.
    const auto showSheets = [&reports, &offsets, &services, &printing, previewServices](
                                labels::ReportKind kind, QWidget* parent) {
        const int n = static_cast<int>(kind);
        printing.documentTitle = labels::reportKindTitle(kind);
        gui::preview::LabelSheetSettings sheet(reports, n, services.printer(), offsets);
        gui::preview::PreviewOptions options;
        options.sheetSettings = [&sheet](QWidget* owner, gui::preview::ShownPages shown,
                                         const std::function<void()>& beforePreparing) {
            return sheet.run(owner, shown, beforePreparing);
        };
        gui::preview::prepareAndShowPreview(reports.report(n), reports.pages(n), options, {}, parent,
                                            previewServices);
    };
    form.setPrintHandler(
        gui::main_window::checkedPrintHandler(reports, labels.printList(), dialogs, showSheets));
    form.startUp();
    form.show();
    return QApplication::exec();
}

}  // namespace app
