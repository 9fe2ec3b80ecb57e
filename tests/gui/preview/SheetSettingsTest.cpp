// "Impostazioni foglio" driven through its widgets: the preview's toolbar button opens it,
// first label and copies typed there prepare the sheets again and the preview follows, offsets
// are kept per printer across a restart, a damaged stored offset is said in the dialog, the
// test sheet goes to the chosen printer, and the print dialog offers the same dialog. Over a
// report opened from a file only the offsets can change: its pages stay the file's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "gui/preview/LabelSheetSettings.h"
#include "gui/preview/PageBox.h"
#include "gui/preview/PreviewHelpTexts.h"
#include "gui/preview/PreviewWindow.h"
#include "gui/preview/PrintDialog.h"
#include "gui/preview/PrintService.h"
#include "labels/LabelApp.h"
#include "labels/LabelReports.h"
#include "labels/qt/QtFileLocker.h"
#include "prepared/PreparedReportIo.h"
#include "printer/Printer.h"
#include "printer/qt/PrinterOffsetSettings.h"
#include "tests/gui/preview/PreviewTestPages.h"
#include "tests/support/FakePrinterBackend.h"

using namespace printer;

namespace gui::preview {
namespace {

FakePrinter fakePrinter(const std::string& name) {
    FakePrinter p;
    p.name = name;
    return p;
}

// Types `text` over the whole contents of a spin box, as an operator who clicked into it.
void retype(QAbstractSpinBox* box, const QString& text) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() / 3, box->height() / 2));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

// Dark pixels in the preview's page area: the bars of the pages it draws.
int inkOnPageArea(const PreviewWindow& form) {
    const QImage shot = form.pageBox()->grab().toImage();
    int dark = 0;
    for (int y = 0; y < shot.height(); y += 2)
        for (int x = 0; x < shot.width(); x += 2) dark += qGray(shot.pixel(x, y)) < 64;
    return dark;
}

QString mm(const char* value) {
    return QString::fromLatin1(value).replace('.', QLocale().decimalPoint());
}

// The printer attached to the spooler's printers before the reports load, as in the program.
preparation::ReportServices attached(printer::Printer& printer, PrinterBackend& backend) {
    printer.attachPrinter(&backend);
    preparation::ReportServices services;
    services.printer = &printer;
    return services;
}

class SheetSettings : public ::testing::Test {
protected:
    SheetSettings()
        : backend({fakePrinter("Ufficio"), fakePrinter("Magazzino")}, 0),
          app(std::filesystem::temp_directory_path(), locker),
          reports(app.printList(), &app.fiscalCodes(), errors, attached(printer, backend)),
          offsets(dir.filePath("settings.ini").toStdString()),
          sheet(reports, 1, printer, offsets) {
        for (int i = 0; i < 60; ++i) app.insertLabel("C" + std::to_string(100000 + i));
        preparation::PrepareOptions options;
        options.progressDisplay = nullptr;
        reports.prepare(1, options);
    }

    std::unique_ptr<PreviewWindow> showPreview(PrintService* printing = nullptr) {
        PreviewOptions options;
        options.modal = false;
        options.sheetSettings = [this](QWidget* parent, ShownPages shown,
                                       const std::function<void()>& beforePreparing) {
            return sheet.run(parent, shown, beforePreparing);
        };
        auto form = std::make_unique<PreviewWindow>(options, nullptr, PreviewServices{printing, nullptr});
        form->showPreview(reports.pages(1));
        return form;
    }

    // Answers the next dialog that opens with `answer`, from inside its own event loop; events
    // processed before it opens (a key press, a file opened) only make it look again.
    void whenDialogOpens(std::function<void(SheetSettingsDialog&)> answer, int looks = 100) {
        QTimer::singleShot(0, [this, answer, looks] {
            auto* dialog = qobject_cast<SheetSettingsDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                if (looks > 0) whenDialogOpens(answer, looks - 1);
                return;
            }
            ++dialogsSeen;
            answer(*dialog);
        });
    }

    // A prepared-report file of other free codes, for the preview's "Apri".
    QString savedReportOf(std::initializer_list<const char*> codes) {
        labels::LabelApp other(dir.path().toStdString(), locker);
        labels::LabelReports otherReports(other.printList(), &other.fiscalCodes(), errors);
        for (const char* code : codes) other.insertLabel(code);
        preparation::PrepareOptions options;
        options.progressDisplay = nullptr;
        otherReports.prepare(1, options);
        const QString file = dir.filePath("liberi.frp");
        prepared::savePrepared(otherReports.pages(1), file.toStdString());
        return file;
    }
    // The dialog's first label and copies over an opened report: disabled, the reason shown,
    // and what the operator types there goes nowhere.
    static void tryFirstLabelAndCopies(SheetSettingsDialog& d) {
        EXPECT_FALSE(d.firstLabelBox->isEnabled());
        EXPECT_FALSE(d.copiesBox->isEnabled());
        EXPECT_TRUE(d.layoutReasonLabel->isVisible());
        EXPECT_EQ(d.layoutReasonLabel->text(), QString::fromUtf8(kOpenedReportLayoutReason));
        retype(d.firstLabelBox, "10");
        retype(d.copiesBox, "2");
    }

    int barsOnPage(int index) {
        auto& pages = reports.pages(1);
        const bool loaded = pages.page(index).loadedPage != nullptr;
        pages.loadObjects(index);
        int bars = 0;
        for (const auto& o : pages.page(index).loadedPage->objects()) bars += o->name() == "Bar1";
        if (!loaded) pages.release(index);
        return bars;
    }

    QTemporaryDir dir;
    FakePrinterBackend backend;
    printer::Printer printer;
    report::CollectingErrorReporter errors;
    labels::qt::QtFileLocker locker;
    labels::LabelApp app;
    labels::LabelReports reports;
    printer::qt::PrinterOffsetSettings offsets;
    LabelSheetSettings sheet;
    int dialogsSeen = 0;
};

TEST_F(SheetSettings, FirstLabelAndCopiesPrepareAgainAndThePreviewFollows) {
    auto form = showPreview();
    ASSERT_TRUE(form->sheetSettingsButton()->isVisible());
    EXPECT_EQ(form->sheetSettingsButton()->text(), "Impostazioni foglio");
    ASSERT_EQ(form->pageCount(), 2);

    const int inkBefore = inkOnPageArea(*form);
    int inkWhileOpen = 0;
    whenDialogOpens([&](SheetSettingsDialog& d) {
        // The pages stay drawn behind the dialog: the first free label is read off them.
        inkWhileOpen = inkOnPageArea(*form);
        EXPECT_EQ(d.windowTitle(), "Impostazioni foglio");
        EXPECT_EQ(d.firstLabelBox->maximum(), 54);
        EXPECT_EQ(d.copiesBox->maximum(), 99);
        retype(d.firstLabelBox, "21");
        retype(d.copiesBox, "2");
        QTest::mouseClick(d.okButton, Qt::LeftButton);
    });
    QTest::mouseClick(form->sheetSettingsButton(), Qt::LeftButton);
    EXPECT_EQ(dialogsSeen, 1);
    EXPECT_GT(inkBefore, 1000);
    EXPECT_EQ(inkWhileOpen, inkBefore);
    EXPECT_EQ(sheet.choice(), (SheetChoice{21, 2}));
    // 20 blank positions, then 60 labels twice: 34 + 54 + 32.
    ASSERT_EQ(form->pageCount(), 3);
    EXPECT_EQ(barsOnPage(0), 34);
    EXPECT_EQ(barsOnPage(2), 32);

    // Cancel keeps everything; the dialog opens on the current choice.
    whenDialogOpens([](SheetSettingsDialog& d) {
        EXPECT_EQ(d.firstLabelBox->value(), 21);
        EXPECT_EQ(d.copiesBox->value(), 2);
        retype(d.firstLabelBox, "1");
        QTest::mouseClick(d.cancelButton, Qt::LeftButton);
    });
    QTest::mouseClick(form->sheetSettingsButton(), Qt::LeftButton);
    EXPECT_EQ(dialogsSeen, 2);
    EXPECT_EQ(form->pageCount(), 3);
}

TEST_F(SheetSettings, OutOfRangeEntriesAreRefusedByTheFields) {
    auto form = showPreview();
    whenDialogOpens([](SheetSettingsDialog& d) {
        retype(d.firstLabelBox, "55");
        EXPECT_LE(d.firstLabelBox->value(), 54);
        retype(d.copiesBox, "100");
        EXPECT_LE(d.copiesBox->value(), 99);
        retype(d.offsetXBox, mm("10.5"));
        EXPECT_LE(d.offsetXBox->value(), 10.0);
        retype(d.offsetYBox, mm("-12"));
        EXPECT_GE(d.offsetYBox->value(), -10.0);
        QTest::mouseClick(d.cancelButton, Qt::LeftButton);
    });
    QTest::mouseClick(form->sheetSettingsButton(), Qt::LeftButton);
    EXPECT_EQ(dialogsSeen, 1);
}

TEST_F(SheetSettings, OffsetsAreKeptPerPrinterAndSurviveARestart) {
    auto form = showPreview();
    whenDialogOpens([](SheetSettingsDialog& d) {
        EXPECT_EQ(d.printerBox->count(), 2);  // the spooler's printers, not the virtual one
        EXPECT_EQ(d.printerBox->currentText(), "Ufficio");
        retype(d.offsetXBox, mm("2.0"));
        retype(d.offsetYBox, mm("-0.5"));
        // Another printer: its own pair; the first is kept while the dialog is open.
        d.printerBox->setFocus();
        QTest::keyClick(d.printerBox, Qt::Key_Down);
        EXPECT_EQ(d.printerBox->currentText(), "Magazzino");
        EXPECT_EQ(d.offsetXBox->value(), 0.0);
        retype(d.offsetYBox, mm("1.3"));
        QTest::keyClick(d.printerBox, Qt::Key_Up);
        EXPECT_DOUBLE_EQ(d.offsetXBox->value(), 2.0);
        // A quick click: the last key press and the click, with no event processing between.
        QTest::keyClick(d.offsetXBox, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(d.offsetXBox, mm("2.4"));
        QTest::mouseClick(d.okButton, Qt::LeftButton);
    });
    QTest::mouseClick(form->sheetSettingsButton(), Qt::LeftButton);
    ASSERT_EQ(dialogsSeen, 1);
    // Nothing was prepared again: the offsets never change the layout.
    EXPECT_EQ(form->pageCount(), 2);

    printer::qt::PrinterOffsetSettings restarted(dir.filePath("settings.ini").toStdString());
    EXPECT_EQ(restarted.read("Ufficio").offset, (printer::PageOffset{2.4, -0.5}));
    EXPECT_EQ(restarted.read("Magazzino").offset, (printer::PageOffset{0.0, 1.3}));
}

TEST_F(SheetSettings, ADamagedStoredOffsetIsSaidInTheDialogAndShownAsZero) {
    {
        std::ofstream ini(dir.filePath("settings.ini").toStdString());
        ini << "[PrinterOffsets]\nUfficio\\OffsetXmm=abc\nUfficio\\OffsetYmm=1.5\n";
    }
    auto form = showPreview();
    whenDialogOpens([](SheetSettingsDialog& d) {
        EXPECT_TRUE(d.warningLabel->isVisible());
        EXPECT_TRUE(d.warningLabel->text().contains("non è valido"));
        EXPECT_EQ(d.offsetXBox->value(), 0.0);
        EXPECT_DOUBLE_EQ(d.offsetYBox->value(), 1.5);
        QTest::mouseClick(d.cancelButton, Qt::LeftButton);
    });
    QTest::mouseClick(form->sheetSettingsButton(), Qt::LeftButton);
    EXPECT_EQ(dialogsSeen, 1);
}

TEST_F(SheetSettings, TestSheetGoesToTheChosenPrinterWithTheOffsetShown) {
    auto form = showPreview();
    whenDialogOpens([](SheetSettingsDialog& d) {
        d.printerBox->setFocus();
        QTest::keyClick(d.printerBox, Qt::Key_Down);
        retype(d.offsetXBox, mm("1.0"));
        QTest::mouseClick(d.testSheetButton, Qt::LeftButton);
        QTest::mouseClick(d.cancelButton, Qt::LeftButton);
    });
    QTest::mouseClick(form->sheetSettingsButton(), Qt::LeftButton);
    ASSERT_EQ(dialogsSeen, 1);
    ASSERT_EQ(backend.pages.size(), 1u);
    EXPECT_EQ(backend.pages[0].printer, "Magazzino");
    // 54 outlines drawn as frames; nothing kept: the dialog was cancelled.
    EXPECT_GT(backend.pages[0].drawCalls, 54);
    EXPECT_EQ(offsets.read("Magazzino").offset, printer::PageOffset{});
    // The program's printer is back as it was.
    EXPECT_EQ(printer.currentPrinterName(), "Ufficio");
}

// The preview's print button with a print service whose dialog the operator uses only for
// "Impostazioni foglio" (when the preview offers it) before cancelling.
class SheetSettingsThenCancel final : public PrintService {
public:
    explicit SheetSettingsThenCancel(printer::Printer& printer) : printer_(printer) {}
    void print(prepared::PreparedPages& pages, const ShownDocument& shown, QWidget* parent) override {
        pagesSeen = pages.count();
        PrintDialog dialog(printer_, parent, shown.sheetSettings);
        offered = dialog.sheetSettingsButton != nullptr;
        if (!offered) return;
        buttonText = dialog.sheetSettingsButton->text();
        QTest::mouseClick(dialog.sheetSettingsButton, Qt::LeftButton);
        pagesAfter = pages.count();
    }
    int pagesSeen = 0, pagesAfter = 0;
    bool offered = false;
    QString buttonText;

private:
    printer::Printer& printer_;
};

TEST_F(SheetSettings, ThePrintDialogOffersTheSameDialogOnlyUnderAPreviewThatHasIt) {
    SheetSettingsThenCancel printing(printer);
    auto form = showPreview(&printing);
    whenDialogOpens([](SheetSettingsDialog& d) {
        retype(d.copiesBox, "3");
        QTest::mouseClick(d.okButton, Qt::LeftButton);
    });
    form->printPages();
    ASSERT_TRUE(printing.offered);
    EXPECT_EQ(printing.buttonText, "Impostazioni foglio");
    EXPECT_EQ(dialogsSeen, 1);
    EXPECT_EQ(sheet.choice().copies, 3);

    preview_test::TestPages file(1);
    PreviewOptions plain;
    plain.modal = false;
    SheetSettingsThenCancel plainPrinting(printer);
    PreviewWindow without(plain, nullptr, PreviewServices{&plainPrinting, nullptr});
    without.showPreview(file.pages);
    without.printPages();
    EXPECT_EQ(plainPrinting.pagesSeen, 1);
    EXPECT_FALSE(plainPrinting.offered);
    EXPECT_FALSE(without.sheetSettingsButton()->isVisibleTo(&without));
}

// Keyboard only: Ctrl+O opens a report of free codes over the print list's sheets, Tab reaches
// "Impostazioni foglio", Space opens it. The offset typed is kept; the pages stay the file's.
TEST_F(SheetSettings, AReportOpenedFromAFileKeepsItsPagesKeyboardOnly) {
    preview_test::ScriptedDialogs files;
    files.name = savedReportOf({"LIBERO1", "LIBERO2", "LIBERO3"});
    auto form = showPreview();
    form->setFileDialogs(&files);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QWindow* window = form->windowHandle();
    QTest::keyClick(window, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(form->pageCount(), 1);
    for (int i = 0; i < 20 && QApplication::focusWidget() != form->sheetSettingsButton(); ++i)
        QTest::keyClick(window, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form->sheetSettingsButton());

    whenDialogOpens([](SheetSettingsDialog& d) {
        tryFirstLabelAndCopies(d);
        QTest::keyClick(d.offsetXBox, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(d.offsetXBox, mm("1.5"));
        QTest::keyClick(d.offsetXBox, Qt::Key_Return);
    });
    QTest::keyClick(window, Qt::Key_Space);
    ASSERT_EQ(dialogsSeen, 1);
    EXPECT_EQ(form->pageCount(), 1);
    EXPECT_EQ(barsOnPage(0), 3);
    EXPECT_DOUBLE_EQ(offsets.read("Ufficio").offset.xMm, 1.5);
}

// `quirelle show`: a preview of a file alone offers the dialog in its toolbar and its print
// dialog, for the offsets; with no template behind the pages there is no test sheet.
TEST_F(SheetSettings, APreviewOfAFileAloneOffersTheOffsets) {
    preview_test::TestPages file(1);  // stands for the pages read from the file
    LabelSheetSettings offsetsOnly(printer, offsets);
    PreviewOptions options;
    options.modal = false;
    options.sheetSettings = [&](QWidget* parent, ShownPages, const std::function<void()>&) {
        return offsetsOnly.run(parent, ShownPages::FromFile);
    };
    SheetSettingsThenCancel printing(printer);
    PreviewWindow form(options, nullptr, PreviewServices{&printing, nullptr});
    form.showPreview(file.pages);
    EXPECT_TRUE(form.sheetSettingsButton()->isVisible());
    whenDialogOpens([](SheetSettingsDialog& d) {
        tryFirstLabelAndCopies(d);
        EXPECT_FALSE(d.testSheetButton->isEnabled());
        retype(d.offsetYBox, mm("-0.7"));
        QTest::mouseClick(d.okButton, Qt::LeftButton);
    });
    form.printPages();
    EXPECT_TRUE(printing.offered);
    ASSERT_EQ(dialogsSeen, 1);
    EXPECT_EQ(form.pageCount(), 1);
    EXPECT_DOUBLE_EQ(offsets.read("Ufficio").offset.yMm, -0.7);
}

TEST_F(SheetSettings, PagesPreparedAgainFromThePrintDialogShowInThePreviewAfterwards) {
    SheetSettingsThenCancel service(printer);
    auto form = showPreview(&service);
    whenDialogOpens([](SheetSettingsDialog& d) {
        retype(d.copiesBox, "2");
        QTest::mouseClick(d.okButton, Qt::LeftButton);
    });
    form->printPages();
    EXPECT_EQ(dialogsSeen, 1);
    EXPECT_EQ(service.pagesSeen, 2);
    EXPECT_EQ(service.pagesAfter, 3);  // 120 labels
    ASSERT_EQ(form->pageCount(), 3);
    EXPECT_EQ(form->pageBox()->layout().bounds.size(), 3u);
    EXPECT_TRUE(form->pageText().endsWith("1/3")) << form->pageText().toStdString();
}

// With the mouse, quick: "Apri" and at once "Impostazioni foglio", with no event processing
// between; the opened report's pages stay.
TEST_F(SheetSettings, AReportOpenedAndAtOnceSetUpKeepsItsPagesMouseOnly) {
    preview_test::ScriptedDialogs files;
    files.name = savedReportOf({"LIBERO1", "LIBERO2"});
    auto form = showPreview();
    form->setFileDialogs(&files);
    whenDialogOpens([](SheetSettingsDialog& d) {
        tryFirstLabelAndCopies(d);
        QTest::mouseClick(d.okButton, Qt::LeftButton);
    });
    QTest::mouseClick(form->button(kTagOpen), Qt::LeftButton);
    QTest::mouseClick(form->sheetSettingsButton(), Qt::LeftButton);
    EXPECT_EQ(dialogsSeen, 1);
    EXPECT_EQ(form->pageCount(), 1);
    EXPECT_EQ(barsOnPage(0), 2);
}

}  // namespace
}  // namespace gui::preview
