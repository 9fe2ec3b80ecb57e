// The preview's way to paper end to end: a prepared series of label sheets in the real preview
// window, its print button, the real print dialog, progress window and file dialog driven by
// key presses and clicks, and a private CUPS spooler with two PDF queues receiving the jobs.
// The pages that come out are rendered at 300 dpi and read back by a barcode scanner.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <filesystem>
#include <thread>

#include "barcode_object/BarcodeRegistration.h"
#include "gui/preview/LabelSheetSettings.h"
#include "gui/preview/PreviewHelpTexts.h"
#include "gui/preview/PreviewMemory.h"
#include "gui/preview/PreviewWindow.h"
#include "gui/preview/PrintDialog.h"
#include "gui/preview/PrintDialogFlow.h"
#include "gui/preview/PrintService.h"
#include "gui/preview/ProgressWindow.h"
#include "labels/LabelApp.h"
#include "labels/LabelReports.h"
#include "labels/qt/QtFileLocker.h"
#include "prepared/PreparedReportIo.h"
#include "printer/ProgramPrinter.h"
#include "printer/qt/PrinterOffsetSettings.h"
#include "printer/qt/QtPrinterBackend.h"
#include "tests/spooler/LabelPlaces.h"
#include "tests/spooler/PdfInfo.h"
#include "tests/spooler/PdfScan.h"
#include "tests/spooler/PrivateSpooler.h"
#include "tests/support/MessageBoxAnswers.h"
#include "tests/support/ModalAnswers.h"

namespace spooler_test {
namespace {

namespace fs = std::filesystem;
using gui::preview::PrintDialog;
using qt_test::whenModal;
using Sheets = std::vector<std::multiset<std::string>>;

constexpr int kSeriesReport = 1;
constexpr int kLabelsPerSheet = 54;
const std::string kFirstQueue = "QuirelleTest";
const std::string kSecondQueue = "QuirelleBis";

// libcups keeps the spooler it reached first for the rest of the process.
void reachSpooler(const std::string& socket) {
    void* cups = dlopen("libcups.so.2", RTLD_NOW | RTLD_NOLOAD);
    if (!cups) return;
    using SetServer = void (*)(const char*);
    if (auto setServer = reinterpret_cast<SetServer>(dlsym(cups, "cupsSetServer"))) setServer(socket.c_str());
    dlclose(cups);
}

// Chooses `name` in a printer box with the arrow keys.
void chooseInBox(QComboBox* box, const QString& name) {
    const int wanted = box->findText(name);
    EXPECT_GE(wanted, 0) << name.toStdString();
    if (wanted < 0) return;
    while (box->currentIndex() < wanted) QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > wanted) QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(box->currentText(), name);
}

// Chooses `name` in the dialog's printer box with Alt+N and the arrow keys.
void choosePrinter(PrintDialog* dialog, const QString& name) {
    QTest::keyClick(dialog, Qt::Key_N, Qt::AltModifier);
    chooseInBox(dialog->printerBox, name);
}

// Lets the window system run for `ms` milliseconds.
void pause(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

class PreviewToPaper : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // The file printer remembers its folder in the settings: keep them out of the user's,
        // and out of those of the other tests of this suite, which ctest may run meanwhile.
        QStandardPaths::setTestModeEnabled(true);
        settingsFolder = new QTemporaryDir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder->path());
        spooler = new PrivateSpooler({kFirstQueue, kSecondQueue});
        if (!spooler->start(whyNot)) {
            delete spooler;
            spooler = nullptr;
            return;
        }
        reachSpooler(spooler->socket());
        program = new printer::ProgramPrinter(std::make_unique<printer::qt::QtPrinterBackend>());
        barcode_object::registerBarCodeObject();
    }
    static void TearDownTestSuite() {
        delete program;
        program = nullptr;
        delete spooler;
        spooler = nullptr;
        delete settingsFolder;
        settingsFolder = nullptr;
    }

    void SetUp() override {
        if (!spooler) GTEST_SKIP() << whyNot;
        ASSERT_TRUE(folder.isValid());
        memory =
            std::make_unique<gui::preview::PreviewMemory>(folder.filePath("impostazioni.ini").toStdString());
        memory->writeBounds({0, 0, 1000, 700, false});
        app = std::make_unique<labels::LabelApp>(fs::path(folder.filePath("lavoro").toStdString()), locker);
        fs::create_directories(app->workDir());
        preparation::ReportServices services;
        services.printer = &program->printer();
        reports =
            std::make_unique<labels::LabelReports>(app->printList(), &app->fiscalCodes(), errors, services);
        app->fillSeries(2019, 3, labels::SeriesLength::Long, labels::ClosingKind::YearBased);
        prepare();
        title = spooler->uniqueTitle("anteprima");
        offsets = std::make_unique<printer::qt::PrinterOffsetSettings>(
            folder.filePath("offsets.ini").toStdString());
        sheetSettings = std::make_unique<gui::preview::LabelSheetSettings>(*reports, kSeriesReport,
                                                                           program->printer(), *offsets);
        gui::preview::PreviewOptions options;
        options.modal = false;
        options.title = title;
        options.sheetSettings = [this](QWidget* owner, gui::preview::ShownPages shown,
                                       const std::function<void()>& beforePreparing) {
            return sheetSettings->run(owner, shown, beforePreparing);
        };
        form = std::make_unique<gui::preview::PreviewWindow>(
            options, nullptr, gui::preview::PreviewServices{&service, memory.get()});
        form->showPreview(pages());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override { form.reset(); }

    prepared::PreparedPages& pages() { return reports->pages(kSeriesReport); }
    void prepare() {
        preparation::PrepareOptions options;
        options.progressDisplay = nullptr;
        ASSERT_TRUE(reports->prepare(kSeriesReport, options));
        ASSERT_EQ(pages().count(), 3);
    }

    // The labels of each sheet, in sheet order.
    Sheets expectedSheets() {
        Sheets sheets(3);
        int n = 0;
        memtable::MemTable& list = app->printList();
        for (list.first(); !list.eof(); list.next(), ++n)
            sheets[static_cast<std::size_t>(n / kLabelsPerSheet)].insert(list.fieldText("giorno"));
        return sheets;
    }
    void clickPrint() { QTest::mouseClick(form->button(gui::preview::kTagPrint), Qt::LeftButton); }

    static PrivateSpooler* spooler;
    static printer::ProgramPrinter* program;  // the spooler's printers, as the program has them
    static std::string whyNot;
    static QTemporaryDir* settingsFolder;
    QTemporaryDir folder;
    labels::qt::QtFileLocker locker;
    std::unique_ptr<labels::LabelApp> app;
    report::CollectingErrorReporter errors;
    std::unique_ptr<labels::LabelReports> reports;
    gui::preview::PrintDialogService service;
    std::unique_ptr<printer::qt::PrinterOffsetSettings> offsets;
    std::unique_ptr<gui::preview::LabelSheetSettings> sheetSettings;
    std::unique_ptr<gui::preview::PreviewMemory> memory;
    std::unique_ptr<gui::preview::PreviewWindow> form;
    std::string title;
    // Every message box is answered, so a fault shows as a failure rather than a hang.
    test_support::MessageBoxAnswers boxes;
};

PrivateSpooler* PreviewToPaper::spooler = nullptr;
printer::ProgramPrinter* PreviewToPaper::program = nullptr;
std::string PreviewToPaper::whyNot;
QTemporaryDir* PreviewToPaper::settingsFolder = nullptr;

TEST_F(PreviewToPaper, TheChosenQueueGetsTheCollatedCopiesInPageOrder) {
    whenModal<PrintDialog>([](PrintDialog* dialog) {
        choosePrinter(dialog, QString::fromStdString(kSecondQueue));
        qt_test::typeInto(dialog->copiesEdit, QStringLiteral("2"));
        QTest::mouseClick(dialog->okButton, Qt::LeftButton);
    });
    clickPrint();
    EXPECT_TRUE(boxes.texts().empty()) << boxes.texts().front();

    const std::string pdf = spooler->waitForPdf(title);
    ASSERT_FALSE(pdf.empty()) << "no job titled " << title << " in " << spooler->outputDir();
    EXPECT_NE(fs::path(pdf).filename().string().find("Quirelle"), std::string::npos) << pdf;
    EXPECT_EQ(spooler->jobCount(kSecondQueue), 1);
    EXPECT_EQ(spooler->jobCount(kFirstQueue), 0);
    const std::optional<PdfInfo> info = readPdfInfo(pdf);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->pages, 6);
    EXPECT_EQ(info->widthPt, 842);
    EXPECT_EQ(info->heightPt, 595);
    const Sheets sheets = expectedSheets();
    Sheets twice = sheets;
    twice.insert(twice.end(), sheets.begin(), sheets.end());
    EXPECT_EQ(scanPdfPages(pdf, folder.filePath("scansione").toStdString()), twice);
}

// 999 copies, Esc on the progress window after two seconds: the job is dropped whole.
TEST_F(PreviewToPaper, CancelOnTheProgressWindowSendsNothing) {
    whenModal<PrintDialog>([](PrintDialog* dialog) {
        qt_test::typeInto(dialog->copiesEdit, QStringLiteral("999"));
        QTest::mouseClick(dialog->okButton, Qt::LeftButton);
    });
    QString status;
    QElapsedTimer sinceEsc;
    whenModal<gui::preview::ProgressWindow>([&](gui::preview::ProgressWindow* progress) {
        QTimer::singleShot(2000, progress, [&, progress] {
            status = progress->captionLabel->text();
            sinceEsc.start();
            QTest::keyClick(progress, Qt::Key_Escape);
        });
    });
    clickPrint();
    ASSERT_TRUE(sinceEsc.isValid()) << "the progress window never showed";
    EXPECT_LT(sinceEsc.elapsed(), 3000);
    EXPECT_NE(status.indexOf(QStringLiteral(" di 3, copia ")), -1) << status.toStdString();
    pause(5000);
    EXPECT_EQ(spooler->jobCount(kFirstQueue), 0);
    EXPECT_EQ(spooler->waitForPdf(title, std::chrono::seconds(1)), "");
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"La stampa userà 2.997 fogli. Stampare?"});
}

// The file printer asks for the file in Qt's own dialog, writes it, and starts in the folder
// chosen last time; a cancelled file dialog prints nothing and says nothing.
TEST_F(PreviewToPaper, ThePdfPrinterWritesTheFileNamedInItsDialog) {
    const QString target = folder.filePath("uscita/serie.pdf");
    QDir().mkpath(QFileInfo(target).path());
    const auto printToFile = [&](const QString& answer, QString* startFolder) {
        whenModal<PrintDialog>([](PrintDialog* dialog) {
            choosePrinter(dialog, QStringLiteral("Stampa su file (PDF)"));
            QTest::mouseClick(dialog->okButton, Qt::LeftButton);
        });
        qt_test::answerFileDialog(answer, -1, startFolder);
        clickPrint();
    };
    printToFile(target, nullptr);
    ASSERT_TRUE(QFileInfo::exists(target));
    const std::optional<PdfInfo> info = readPdfInfo(target.toStdString());
    ASSERT_TRUE(info);
    EXPECT_EQ(info->pages, 3);
    EXPECT_EQ(scanPdfPages(target.toStdString(), folder.filePath("scansione").toStdString()),
              expectedSheets());

    QString startFolder;
    printToFile(QString(), &startFolder);
    EXPECT_EQ(startFolder, QFileInfo(target).absolutePath());
    EXPECT_EQ(QDir(QFileInfo(target).path()).entryList(QDir::Files),
              QStringList{QStringLiteral("serie.pdf")});
    EXPECT_TRUE(boxes.texts().empty()) << boxes.texts().front();
    EXPECT_EQ(spooler->jobCount(kFirstQueue), 0);
}

// A file written by the command line names the virtual printer. Opening it keeps the queue:
// the dialog shows it, the job goes to it, and sheets prepared afterwards keep its layout.
TEST_F(PreviewToPaper, OpeningACommandLineFileKeepsTheQueue) {
    printer::Printer& printer = program->printer();
    ASSERT_EQ(printer.currentPrinterName(), kFirstQueue);
    const printer::PrinterGeometry before = pages().page(0).geometry;
    const std::string stored = spooler->uniqueTitle("riga");
    const QString file = folder.filePath(QString::fromStdString(stored + ".frp"));
    {
        printer::Printer commandLine;
        commandLine.attachPrinter(nullptr);  // the command line has the virtual printer alone
        prepared::PreparedPages written(nullptr, &commandLine);
        written.loadFromStream(pages().saveToBytes());
        prepared::savePrepared(written, file.toStdString());
    }
    qt_test::answerFileDialog(file);
    QTest::mouseClick(form->button(gui::preview::kTagOpen), Qt::LeftButton);
    ASSERT_EQ(form->pageCount(), 3);
    EXPECT_EQ(printer.currentPrinterName(), kFirstQueue);

    QString shown;
    whenModal<PrintDialog>([&](PrintDialog* dialog) {
        shown = dialog->printerBox->currentText();
        QTest::mouseClick(dialog->okButton, Qt::LeftButton);
    });
    clickPrint();
    EXPECT_EQ(shown, QString::fromStdString(kFirstQueue));
    EXPECT_TRUE(boxes.texts().empty()) << boxes.texts().front();
    const std::string pdf = spooler->waitForPdf(stored);
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(scanPdfPages(pdf, folder.filePath("scansione").toStdString()), expectedSheets());

    form.reset();
    prepare();
    EXPECT_EQ(pages().page(0).geometry, before);
}

// "Stampa foglio di prova" prints on the printer chosen in "Impostazioni foglio", not on the
// current one: another queue gets the job, and the file printer asks for its file.
TEST_F(PreviewToPaper, TheTestSheetGoesToThePrinterChosenInItsDialog) {
    const QString sheetFile = folder.filePath("prova.pdf");
    whenModal<gui::preview::SheetSettingsDialog>([&](gui::preview::SheetSettingsDialog* dialog) {
        dialog->printerBox->setFocus();
        chooseInBox(dialog->printerBox, QString::fromStdString(kSecondQueue));
        QTest::mouseClick(dialog->testSheetButton, Qt::LeftButton);
        chooseInBox(dialog->printerBox, QStringLiteral("Stampa su file (PDF)"));
        qt_test::answerFileDialog(sheetFile);
        dialog->testSheetButton->setFocus();
        QTest::keyClick(dialog->testSheetButton, Qt::Key_Space);
        QTest::mouseClick(dialog->cancelButton, Qt::LeftButton);
    });
    QTest::mouseClick(form->sheetSettingsButton(), Qt::LeftButton);
    EXPECT_TRUE(boxes.texts().empty()) << boxes.texts().front();
    EXPECT_EQ(spooler->jobCount(kSecondQueue), 1);
    EXPECT_EQ(spooler->jobCount(kFirstQueue), 0);
    const std::optional<PdfInfo> info = readPdfInfo(sheetFile.toStdString());
    ASSERT_TRUE(info) << "no test sheet in " << sheetFile.toStdString();
    EXPECT_EQ(info->pages, 1);
    EXPECT_EQ(program->printer().currentPrinterName(), kFirstQueue);
}

// The print dialog lists the spooler's queues as they are when it opens. A queue removed while
// the dialog is open is refused by name before a page is drawn; the next dialog leaves it out.
TEST_F(PreviewToPaper, ThePrintDialogListsTheQueuesTheSpoolerHasNow) {
    const std::string added = spooler->uniqueTitle("Aggiunta");
    ASSERT_TRUE(spooler->addQueue(added));
    bool listed = false, progressShown = false;
    whenModal<PrintDialog>([&](PrintDialog* dialog) {
        listed = dialog->printerBox->findText(QString::fromStdString(added)) >= 0;
        EXPECT_TRUE(spooler->removeQueue(added));
        if (listed) choosePrinter(dialog, QString::fromStdString(added));
        QTest::mouseClick(dialog->okButton, Qt::LeftButton);
    });
    whenModal<gui::preview::ProgressWindow>([&](gui::preview::ProgressWindow*) { progressShown = true; },
                                            3000);
    clickPrint();
    EXPECT_TRUE(listed);
    EXPECT_FALSE(progressShown);
    EXPECT_EQ(boxes.texts(),
              std::vector<std::string>{"La stampante \"" + added +
                                       "\" non è più disponibile: è stata tolta dallo spooler"});

    bool stillListed = true;
    QString current;
    whenModal<PrintDialog>([&](PrintDialog* dialog) {
        stillListed = dialog->printerBox->findText(QString::fromStdString(added)) >= 0;
        current = dialog->printerBox->currentText();
        QTest::mouseClick(dialog->cancelButton, Qt::LeftButton);
    });
    clickPrint();
    EXPECT_FALSE(stillListed);
    EXPECT_EQ(current, QString::fromStdString(kFirstQueue));
}

// The same sheets three ways: from the preview to the spooler queue, from the preview to the file
// printer, and from the command line. On paper every label stands upright, scans as its text,
// and lies within 0.3 mm of the same place in all three.
TEST_F(PreviewToPaper, EveryOutputPutsEveryLabelInTheSamePlace) {
    whenModal<PrintDialog>([](PrintDialog* dialog) {
        choosePrinter(dialog, QString::fromStdString(kFirstQueue));
        QTest::mouseClick(dialog->okButton, Qt::LeftButton);
    });
    clickPrint();
    const std::string queued = spooler->waitForPdf(title);
    ASSERT_FALSE(queued.empty()) << "no job titled " << title;

    const std::string filed = folder.filePath("file-printer.pdf").toStdString();
    whenModal<PrintDialog>([](PrintDialog* dialog) {
        choosePrinter(dialog, QStringLiteral("Stampa su file (PDF)"));
        QTest::mouseClick(dialog->okButton, Qt::LeftButton);
    });
    qt_test::answerFileDialog(QString::fromStdString(filed));
    clickPrint();
    ASSERT_TRUE(fs::exists(filed));
    EXPECT_TRUE(boxes.texts().empty()) << boxes.texts().front();

    const std::string commandLine = folder.filePath("command-line.pdf").toStdString();
    std::string output;
    ASSERT_EQ(runCommand("XDG_CONFIG_HOME='" + folder.filePath("config").toStdString() +
                             "' QT_QPA_PLATFORM=offscreen " QUIRELLE_BINARY_DIR
                             "/app/quirelle print series --year 2019 --month 4 --count 161 -o '" +
                             commandLine + "' 2>&1",
                         output),
              0)
        << output;

    const auto reference = measureLabelPlaces(commandLine, folder.filePath("cli").toStdString());
    const Sheets sheets = expectedSheets();
    ASSERT_EQ(reference.size(), sheets.size());
    for (std::size_t page = 0; page < sheets.size(); ++page) {
        std::multiset<std::string> texts;
        for (const LabelPlace& place : reference[page]) {
            texts.insert(place.text);
            EXPECT_TRUE(place.upright) << describe(place);
        }
        EXPECT_EQ(texts, sheets[page]) << "command line, sheet " << page + 1;
    }
    for (const auto& [name, pdf] :
         {std::pair{"coda di stampa", queued}, std::pair{"stampa su file", filed}}) {
        const auto measured = measureLabelPlaces(pdf, folder.filePath("misure").toStdString());
        ASSERT_EQ(measured.size(), reference.size()) << name;
        std::string misplaced;
        int count = 0;
        for (std::size_t page = 0; page < reference.size(); ++page) {
            ASSERT_EQ(measured[page].size(), reference[page].size()) << name << ", sheet " << page + 1;
            for (std::size_t i = 0; i < reference[page].size(); ++i) {
                const LabelPlace& got = measured[page][i];
                const LabelPlace& want = reference[page][i];
                if (got.text == want.text && got.upright && largestEdgeDistance(got, want) <= 0.3) continue;
                if (++count <= 3)
                    misplaced += "\n  sheet " + std::to_string(page + 1) + ": " + describe(got) +
                                 " instead of " + describe(want);
            }
        }
        EXPECT_EQ(count, 0) << name << ": labels out of place" << misplaced;
        std::printf("%s: first %s, last %s\n", name, describe(measured.front().front()).c_str(),
                    describe(measured.front().back()).c_str());
    }
    std::printf("command line: first %s, last %s\n", describe(reference.front().front()).c_str(),
                describe(reference.front().back()).c_str());
}

}  // namespace
}  // namespace spooler_test
