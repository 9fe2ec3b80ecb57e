// The dialogs a print asks before it starts, shown by the windows and never by the printer
// below them: the file printer's file (Qt's file dialog, starting where the last file went)
// and the page setup of the current printer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include "gui/preview/PageSetupDialog.h"
#include "gui/preview/PrintFileDialog.h"
#include "platform/Canvas.h"
#include "printer/Printer.h"
#include "printer/PrinterError.h"
#include "printer/qt/QtPrinterBackend.h"
#include "tests/support/ModalAnswers.h"

namespace {

class FilePrinterDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(dir.isValid());
        printer.attachPrinter(&backend);
        printer.selectPrinter(backend.pdfFilePrinterIndex());
    }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    void printOnePage() {
        const std::unique_ptr<printer::PrintJob> job = printer.startJob("Etichette", 1);
        job->canvas().textOut(100, 100, "Pagina 1");
        job->end();
    }

    QTemporaryDir dir;
    printer::qt::QtPrinterBackend backend;
    printer::Printer printer;
};

// The file is asked before the run and the run writes it; the next time the dialog starts in
// the folder chosen last. A closed dialog says no, and the printer then has no file to write.
TEST_F(FilePrinterDialogs, TheFileIsAskedBeforeTheRunAndACloseWritesNothing) {
    QDir().mkpath(path("scelta"));
    qt_test::answerFileDialog(path("scelta/etichette"));
    ASSERT_TRUE(gui::preview::choosePrintFile(printer, "Etichette", nullptr));
    printOnePage();
    EXPECT_TRUE(QFileInfo::exists(path("scelta/etichette.pdf")));

    QString startFolder;
    qt_test::answerFileDialog(QString(), -1, &startFolder);
    EXPECT_FALSE(gui::preview::choosePrintFile(printer, "Etichette", nullptr));
    EXPECT_EQ(startFolder, QDir(path("scelta")).absolutePath());
    printer.setOutputFile({});
    EXPECT_THROW(printOnePage(), printer::PrinterError);
    EXPECT_EQ(QDir(path("scelta")).entryList(QDir::Files), QStringList{QStringLiteral("etichette.pdf")});

    // Another printer needs no file: nothing is asked.
    printer.selectPrinter(printer.defaultPrinterIndex());
    EXPECT_TRUE(gui::preview::choosePrintFile(printer, "Etichette", nullptr));
}

// The page setup edits a copy: cancelled, the printer keeps its paper; accepted, the printer
// takes what the dialog shows.
TEST_F(FilePrinterDialogs, ThePageSetupChangesThePrinterOnlyWhenAccepted) {
    printer.setPaper(11, 2100, 1480, -1, printer::kLandscape, true);
    const auto answer = [](bool accept) {
        QTimer::singleShot(0, [accept] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                accept ? dialog->accept() : dialog->reject();
        });
    };
    answer(false);
    EXPECT_FALSE(gui::preview::runPageSetupDialog(printer, nullptr));
    answer(true);
    EXPECT_TRUE(gui::preview::runPageSetupDialog(printer, nullptr));
    EXPECT_EQ(backend.settings()->paperSize, 11);
    EXPECT_EQ(backend.settings()->orientation, printer::kModeLandscape);
}

}  // namespace
