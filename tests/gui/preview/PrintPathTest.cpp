// The preview's way to paper and to files, through the real windows on the offscreen platform:
// the print button, the print dialog and the progress window with a scripted spooler below the
// backend interface; Open and Save through Qt's own file dialog; message boxes answered in
// their own loops.
#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <fstream>

#include "gui/preview/PageBox.h"
#include "gui/preview/PreviewHelpTexts.h"
#include "gui/preview/PreviewWindow.h"
#include "gui/preview/PreviewZoom.h"
#include "gui/preview/PrintDialog.h"
#include "gui/preview/PrintDialogFlow.h"
#include "gui/preview/PrintService.h"
#include "prepared/PreparedReportIo.h"
#include "tests/gui/preview/PreviewTestPages.h"
#include "tests/support/FakePrinterBackend.h"
#include "tests/support/MessageBoxAnswers.h"
#include "tests/support/ModalAnswers.h"

namespace {

using gui::preview::PreviewWindow;
using gui::preview::PrintDialog;
using qt_test::whenModal;

printer::FakePrinter named(const std::string& name) {
    printer::FakePrinter p;
    p.name = name;
    return p;
}

struct PrintPath : ::testing::Test {
    preview_test::PrivateSettings settings;
    preview_test::TestPages t{5};
    printer::FakePrinterBackend backend{{named("Ufficio"), named("Magazzino")}, 0};
    gui::preview::PrintDialogService service;
    std::unique_ptr<PreviewWindow> form;
    QTemporaryDir dir;
    // Every message box is answered, so a fault shows as a failure rather than a hang.
    test_support::MessageBoxAnswers boxes;

    void SetUp() override {
        settings.memory.writeBounds({0, 0, 1200, 800, false});
        t.printer.attachPrinter(&backend);
        gui::preview::PreviewOptions options;
        options.modal = false;
        form = std::make_unique<PreviewWindow>(options, nullptr,
                                               gui::preview::PreviewServices{&service, &settings.memory});
        form->showPreview(t.pages);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override { form.reset(); }
    QToolButton* printButton() const { return form->button(gui::preview::kTagPrint); }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    std::vector<std::string> printedTexts() const {
        std::vector<std::string> out;
        for (const printer::FakePage& page : backend.pages)
            out.push_back(page.texts.empty() ? "" : page.texts[0]);
        return out;
    }
};

// The virtual printer is current (a report laid out headless, a file from the command line):
// the dialog offers a printer that prints rather than an empty box, and OK prints on it.
TEST_F(PrintPath, TheDialogShowsAUsablePrinterWhenTheVirtualOneIsCurrent) {
    t.printer.selectPrinter(t.printer.defaultPrinterIndex());
    ASSERT_TRUE(t.printer.isVirtual());
    QString shown;
    whenModal<PrintDialog>([&](PrintDialog* dialog) {
        shown = dialog->printerBox->currentText();
        dialog->currentPageButton->click();
        QTest::mouseClick(dialog->okButton, Qt::LeftButton);
    });
    QTest::mouseClick(printButton(), Qt::LeftButton);
    EXPECT_EQ(shown, QStringLiteral("Ufficio"));
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{});
    ASSERT_EQ(backend.pages.size(), 1u);
    EXPECT_EQ(backend.pages[0].printer, "Ufficio");
}

// "Pagina corrente" prints the page the preview shows, reached here with the keyboard.
TEST_F(PrintPath, TheCurrentPageIsThePageShown) {
    QTest::keyClick(form->pageBox(), Qt::Key_PageDown, Qt::ControlModifier);
    QTest::keyClick(form->pageBox(), Qt::Key_PageDown, Qt::ControlModifier);
    ASSERT_EQ(form->pageText(), QStringLiteral("Pagina 3/5"));
    for (bool current : {true, false}) {
        whenModal<PrintDialog>([current](PrintDialog* dialog) {
            if (current) dialog->currentPageButton->click();
            QTest::mouseClick(dialog->okButton, Qt::LeftButton);
        });
        QTest::mouseClick(printButton(), Qt::LeftButton);
    }
    ASSERT_EQ(backend.pages.size(), 6u);
    EXPECT_EQ(backend.pages[0].texts, backend.pages[3].texts);
    EXPECT_NE(backend.pages[0].texts, backend.pages[2].texts);
}

TEST_F(PrintPath, ThePagesStayOnScreenWhileThePrintDialogIsOpen) {
    int whitePixels = 0;
    whenModal<PrintDialog>([&](PrintDialog* dialog) {
        const QImage shot = form->pageBox()->grab().toImage();
        for (int y = 0; y < shot.height(); y += 4)
            for (int x = 0; x < shot.width(); x += 4)
                if (shot.pixel(x, y) == qRgb(255, 255, 255)) ++whitePixels;
        QTest::mouseClick(dialog->cancelButton, Qt::LeftButton);
    });
    QTest::mouseClick(printButton(), Qt::LeftButton);
    EXPECT_GT(whitePixels, 1000);
    EXPECT_TRUE(backend.jobCalls.empty());
}

TEST_F(PrintPath, AChoiceWithoutPagesSaysSoAndSendsNothing) {
    for (const auto& [list, filter] : {std::pair{"9", 0}, std::pair{"2", 1}}) {
        whenModal<PrintDialog>([list = list, filter = filter](PrintDialog* dialog) {
            QTest::mouseClick(dialog->pageListButton, Qt::LeftButton);
            QTest::keyClicks(dialog->pageListEdit, QString::fromUtf8(list));
            dialog->printChoiceBox->setCurrentIndex(filter);
            QTest::mouseClick(dialog->okButton, Qt::LeftButton);
        });
        QTest::mouseClick(printButton(), Qt::LeftButton);
    }
    EXPECT_EQ(boxes.texts(),
              (std::vector<std::string>{"Nessuna pagina da stampare", "Nessuna pagina da stampare"}));
    EXPECT_TRUE(backend.jobCalls.empty());
}

// More than 500 sheets are asked about, saying how many; "No" sends nothing. 500 go unasked.
TEST_F(PrintPath, AJobOfMoreThan500SheetsIsAskedAboutFirst) {
    const auto print = [this](const char* list, const char* copies) {
        whenModal<PrintDialog>([=](PrintDialog* dialog) {
            QTest::mouseClick(dialog->pageListButton, Qt::LeftButton);
            QTest::keyClicks(dialog->pageListEdit, QString::fromUtf8(list));
            qt_test::typeInto(dialog->copiesEdit, QString::fromUtf8(copies));
            QTest::mouseClick(dialog->okButton, Qt::LeftButton);
        });
        QTest::mouseClick(printButton(), Qt::LeftButton);
    };
    boxes.answerWith("No");
    print("1,2", "251");
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"La stampa userà 502 fogli. Stampare?"});
    EXPECT_TRUE(backend.jobCalls.empty());
    boxes.clear();
    print("1", "500");
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{});
    EXPECT_EQ(backend.pages.size(), 500u);
}

// A printer that cannot reach the sheet's edges neither moves nor shrinks the page: each label
// lands where it lands on a printer without edges, and the operator is told first which ones
// would be cut, and may cancel or go on.
TEST_F(PrintPath, LabelsOutsideThePrintableAreaAreToldBeforePrinting) {
    constexpr int kEdge = 236;  // 20 mm at 300 dpi
    backend.printers[1].marginLeft = backend.printers[1].marginTop = kEdge;
    const auto printOn = [this](const char* printer) {
        whenModal<PrintDialog>([=](PrintDialog* dialog) {
            dialog->printerBox->setCurrentIndex(dialog->printerBox->findText(QString::fromUtf8(printer)));
            emit dialog->printerBox->activated(dialog->printerBox->currentIndex());
            dialog->currentPageButton->click();
            QTest::mouseClick(dialog->okButton, Qt::LeftButton);
        });
        QTest::mouseClick(printButton(), Qt::LeftButton);
    };
    printOn("Ufficio");
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{});
    boxes.answerWith("No");
    printOn("Magazzino");
    ASSERT_EQ(boxes.texts().size(), 1u);
    EXPECT_EQ(boxes.texts()[0].rfind("Su «Magazzino» ", 0), 0u) << boxes.texts()[0];
    EXPECT_NE(boxes.texts()[0].find("Stampare comunque?"), std::string::npos);
    ASSERT_EQ(backend.pages.size(), 1u) << "nothing is sent after No";
    boxes.answerWith("Sì");
    printOn("Magazzino");
    ASSERT_EQ(backend.pages.size(), 2u);
    const std::vector<platform::Point>& edgeless = backend.pages[0].textOrigins;
    const std::vector<platform::Point>& edged = backend.pages[1].textOrigins;
    ASSERT_EQ(edged.size(), edgeless.size());
    ASSERT_FALSE(edged.empty());
    for (std::size_t i = 0; i < edged.size(); ++i)
        EXPECT_EQ(edged[i], (platform::Point{edgeless[i].x - kEdge, edgeless[i].y - kEdge}));
}

TEST_F(PrintPath, ThePrintButtonIsAnIconLikeTheOthers) {
    EXPECT_FALSE(printButton()->icon().isNull());
    EXPECT_TRUE(printButton()->text().isEmpty() ||
                printButton()->toolButtonStyle() == Qt::ToolButtonIconOnly);
}

TEST_F(PrintPath, TheZoomMenuHasNoSeparatorBetweenPercentagesAndModes) {
    const QList<QAction*> items = form->zoomMenu()->actions();
    int tenPercent = -1;
    for (int i = 0; i < items.size(); ++i)
        if (items[i]->text() == QStringLiteral("10%")) tenPercent = i;
    ASSERT_GE(tenPercent, 0);
    ASSERT_LT(tenPercent + 1, items.size());
    EXPECT_FALSE(items[tenPercent + 1]->isSeparator());
    EXPECT_EQ(items[tenPercent + 1]->text().remove(QLatin1Char('&')), QStringLiteral("Larghezza pagina"));
}

// Scrolling repaints only the strip that comes into view; when that strip is the row of a
// page's shadow, the shadow is drawn rather than covered by the desk.
TEST_F(PrintPath, AThinRepaintOverAPageShadowDrawsTheShadow) {
    form->chooseZoom(2);  // the whole page in view
    const platform::Rect desk = form->pageBox()->layout().bounds[0];
    const int y = desk.bottom - form->pageBox()->verticalPosition();
    const int x = desk.left + 40 - form->pageBox()->horizontalPosition();
    ASSERT_GT(y, 0);
    QImage image(form->pageBox()->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        const QRegion strip(0, y, image.width(), 1);
        painter.setClipRegion(strip);
        form->pageBox()->paint(painter, strip);
    }
    EXPECT_EQ(image.pixel(x, y), qRgb(0, 0, 0));
}

// Open: a file that yields no pages is refused with a message, and the shown report stays.
TEST_F(PrintPath, AFileWithoutPagesDoesNotReplaceTheShownReport) {
    const QString noise = path("rumore.frp");
    {
        std::ofstream out(noise.toStdString(), std::ios::binary);
        for (int i = 0; i < 4096; ++i) out.put(static_cast<char>((i * 7919 + 13) % 251));
    }
    std::vector<std::uint8_t> header = t.pages.saveToBytes();
    const QString empty = path("vuoto.frp");
    {
        // The header of a real file with its page count set to 0, then -5.
        const std::size_t countAt = 2 + 4 + t.printer.currentPrinterName().size();
        std::ofstream out(empty.toStdString(), std::ios::binary);
        header.resize(countAt + 4);
        for (int i = 0; i < 4; ++i) header[countAt + i] = 0;
        out.write(reinterpret_cast<const char*>(header.data()), static_cast<std::streamsize>(header.size()));
    }
    for (const QString& file : {noise, empty}) {
        qt_test::answerFileDialog(file);
        QTest::mouseClick(form->button(gui::preview::kTagOpen), Qt::LeftButton);
        EXPECT_EQ(form->pageCount(), 5) << file.toStdString();
        EXPECT_EQ(form->pageText(), QStringLiteral("Pagina 1/5"));
    }
    ASSERT_EQ(boxes.texts().size(), 2u);
    for (const std::string& text : boxes.texts()) EXPECT_EQ(text.find("Stream"), std::string::npos) << text;
    // Each box names the file and calls it damaged.
    const char* names[] = {"rumore.frp", "vuoto.frp"};
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string text = boxes.texts()[i];
        EXPECT_EQ(text.rfind("Il file \"" + std::string(names[i]) + "\" non è stato aperto: ", 0), 0u)
            << text;
        EXPECT_NE(text.find("danneggiat"), std::string::npos) << text;
    }

    form->openFile(dir.path());
    ASSERT_EQ(boxes.texts().size(), 3u);
    EXPECT_NE(boxes.texts()[2].find("non è un file"), std::string::npos) << boxes.texts()[2];
    EXPECT_EQ(form->pageCount(), 5);
}

// Save: the typed extension decides the file type; another extension gets the chosen type's.
TEST_F(PrintPath, SaveFollowsTheTypedExtension) {
    const struct {
        const char* typed;
        int type;  // 0 prepared report, 1 PDF
        const char* written;
        const char* magic;
    } cases[] = {
        {"etichette.pdf", 0, "etichette.pdf", "%PDF"},
        {"foglio.frp", 1, "foglio.frp", "\x18"},
        {"nota.txt", 0, "nota.txt.frp", "\x18"},
        {"senza", 1, "senza.pdf", "%PDF"},
    };
    for (const auto& c : cases) {
        qt_test::answerFileDialog(path(c.typed), c.type);
        QTest::mouseClick(form->button(gui::preview::kTagSave), Qt::LeftButton);
        QFile written(path(c.written));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << c.written;
        EXPECT_TRUE(written.readAll().startsWith(c.magic)) << c.written;
    }
    EXPECT_FALSE(QFile::exists(path("etichette.frp")));
    EXPECT_FALSE(QFile::exists(path("foglio.pdf")));
    EXPECT_TRUE(boxes.texts().empty());
}

// A file written by the command line names the virtual printer: opening it keeps the
// operator's printer, and printing afterwards goes to it.
TEST_F(PrintPath, OpeningACommandLineFileKeepsThePrinter) {
    preview_test::TestPages headless{2, false};
    headless.printer.attachPrinter(nullptr);  // as the command line has it
    const QString file = path("riga.frp");
    prepared::savePrepared(headless.pages, file.toStdString());
    t.printer.selectPrinter(1);
    ASSERT_EQ(t.printer.currentPrinterName(), "Magazzino");

    qt_test::answerFileDialog(file);
    QTest::mouseClick(form->button(gui::preview::kTagOpen), Qt::LeftButton);
    ASSERT_EQ(form->pageCount(), 2);
    EXPECT_EQ(t.printer.currentPrinterName(), "Magazzino");

    QString shown;
    whenModal<PrintDialog>([&](PrintDialog* dialog) {
        shown = dialog->printerBox->currentText();
        QTest::mouseClick(dialog->okButton, Qt::LeftButton);
    });
    QTest::mouseClick(printButton(), Qt::LeftButton);
    EXPECT_EQ(shown, QStringLiteral("Magazzino"));
    EXPECT_EQ(printedTexts(), (std::vector<std::string>{"Foglio 1", "Foglio 2"}));
    ASSERT_FALSE(backend.pages.empty());
    EXPECT_EQ(backend.pages[0].printer, "Magazzino");
    EXPECT_TRUE(boxes.texts().empty()) << boxes.texts().front();
}

}  // namespace
