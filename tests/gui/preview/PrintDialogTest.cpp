// The print dialog on the offscreen platform: its texts and defaults, its small behaviours,
// the printer it switches, and the print button's flow up to the pages on the spooler.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "gui/preview/PrintDialog.h"
#include "gui/preview/PrintDialogFlow.h"
#include "gui/preview/PrintDialogPictures.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/QtConvert.h"
#include "tests/prepared/PagesTestSupport.h"
#include "tests/support/FakePrinterBackend.h"
#include "tests/support/MessageBoxAnswers.h"

using namespace printer;

namespace gui::preview {
namespace {

// The preview showing page `page` of an untitled document without sheet settings.
ShownDocument shownAt(int page) {
    return {page, {}, {}};
}

using platform::qt::fromQString;

FakePrinter fakePrinter(const std::string& name) {
    FakePrinter p;
    p.name = name;
    return p;
}

class PrintForm : public ::testing::Test {
protected:
    PrintForm() : backend({fakePrinter("Ufficio"), fakePrinter("Magazzino")}, 1), pages(nullptr, &printer) {}
    void SetUp() override { printer.attachPrinter(&backend); }

    void addPages(int count) {
        const auto tpl = pages_test::templatePage(printer);
        for (int i = 0; i < count; ++i) {
            pages.add(*tpl);
            pages_test::print(pages, pages.count() - 1,
                              *pages_test::memo("P" + std::to_string(pages.count()), 0, 0));
        }
    }

    std::vector<std::string> sheets() const {
        std::vector<std::string> out;
        for (const FakePage& page : backend.pages) {
            std::string names;
            for (const std::string& text : page.texts) names += text;
            out.push_back(names);
        }
        return out;
    }

    // Print button settings that answer the dialog with `answer` and print without a window.
    PrintDialogSettings answering(std::function<bool(PrintDialog&)> answer) {
        PrintDialogSettings s;
        s.report.showProgress = false;
        s.showDialog = [this, answer](PrintDialog& form) {
            ++dialogsShown;
            return answer(form);
        };
        return s;
    }

    FakePrinterBackend backend;
    printer::Printer printer;
    prepared::PreparedPages pages;
    test_support::MessageBoxAnswers answers;  // clicks OK on every box and notes its text
    int dialogsShown = 0;
};

TEST_F(PrintForm, TextsAndDefaults) {
    PrintDialog form(printer);
    const std::pair<QString, std::string> texts[] = {
        {form.windowTitle(), "Stampa"},
        {form.printerGroup->title(), "Stampante"},
        {form.printerLabel->text(), "&Nome:"},
        {form.propertiesButton->text(), "Proprietà"},
        {form.pagesGroup->title(), "Pagine da stampare"},
        {form.allPagesButton->text(), "&Tutte"},
        {form.currentPageButton->text(), "Pa&gina corrente"},
        {form.pageListButton->text(), "&Pagine:"},
        {form.pageListHint->text(),
         "Immettere i numeri di pagina e/o gli intervalli di pagina separati da virgole. Es.:1,3,5-12"},
        {form.copiesGroup->title(), "Copie"},
        {form.copiesLabel->text(), "Numero di &copie:"},
        {form.collateLabel->text(), "Fascico&la"},
        {form.printChoiceLabel->text(), "&Stampa"},
        {form.printChoiceBox->itemText(0), "Tutte le pagine"},
        {form.printChoiceBox->itemText(1), "Pagine dispari"},
        {form.printChoiceBox->itemText(2), "Pagine pari"},
        {form.okButton->text(), "OK"},
        {form.cancelButton->text(), "Annulla"},
    };
    for (const auto& [shown, expected] : texts) EXPECT_EQ(fromQString(shown), expected);

    EXPECT_TRUE(form.allPagesButton->isChecked());
    EXPECT_TRUE(form.pageListEdit->text().isEmpty());
    EXPECT_TRUE(form.pageListHint->wordWrap());
    EXPECT_EQ(form.printChoiceBox->count(), 3);
    EXPECT_EQ(form.printChoiceBox->currentIndex(), 0);
    EXPECT_EQ(form.copiesEdit->text(), "1");
    EXPECT_TRUE(form.collateBox->isChecked());
    EXPECT_TRUE(form.collatePicture->collated());
    EXPECT_TRUE(form.okButton->isDefault());
    // The platform's printers, without the virtual one; the current one chosen.
    ASSERT_EQ(form.printerBox->count(), 2);
    EXPECT_EQ(form.printerBox->itemText(1), "Magazzino");
    EXPECT_EQ(form.printerBox->currentIndex(), 1);
    EXPECT_EQ(form.oldPrinterIndex, 1);
    EXPECT_EQ(form.pageList(4), "");
    EXPECT_EQ(form.filter(), printer::PageFilter::All);

    form.setDefaults(3, false);
    EXPECT_EQ(form.copiesText(), "3");
    EXPECT_FALSE(form.collate());
    EXPECT_FALSE(form.collatePicture->collated());
}

TEST_F(PrintForm, OpensCentredWithTheCopiesFocused) {
    PrintDialog form(printer);
    form.show();
    QApplication::setActiveWindow(&form);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.focusWidget(), form.copiesEdit);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_NEAR(form.geometry().center().x(), screen.center().x(), 2);
    EXPECT_NEAR(form.geometry().center().y(), screen.center().y(), 2);
    // The filter list sits 11 pixels right of its label.
    EXPECT_EQ(form.printChoiceBox->geometry().left() - form.printChoiceLabel->geometry().right() - 1, 11);
    form.reject();
}

TEST_F(PrintForm, CopiesButtonsStepAndNeverGoBelowOne) {
    struct Case {
        const char* text;
        bool up;
        const char* expected;
    } const cases[] = {
        {"1", true, "2"},  {"9", true, "10"}, {"5", false, "4"},  {"2", false, "1"},
        {"1", false, "1"}, {"0", false, "1"}, {"-3", false, "1"}, {"-3", true, "-2"},
    };
    PrintDialog form(printer);
    for (const Case& c : cases) {
        form.copiesEdit->setText(c.text);
        (c.up ? form.copiesUpButton : form.copiesDownButton)->click();
        EXPECT_EQ(fromQString(form.copiesEdit->text()), c.expected) << c.text << (c.up ? " up" : " down");
    }
    EXPECT_TRUE(answers.texts().empty());
    form.copiesEdit->setText("due");
    form.copiesUpButton->click();
    EXPECT_EQ(form.copiesEdit->text(), "due");
    EXPECT_EQ(answers.texts(), (std::vector<std::string>{"'due' non è un numero intero valido"}));
}

TEST_F(PrintForm, CollateCaptionTogglesTheBoxAndThePicture) {
    PrintDialog form(printer);
    QTest::mouseClick(form.collateLabel, Qt::LeftButton);
    EXPECT_FALSE(form.collateBox->isChecked());
    EXPECT_FALSE(form.collatePicture->collated());
    QTest::mouseDClick(form.collateLabel, Qt::LeftButton);  // press, release, double-click press
    EXPECT_EQ(form.collateBox->isChecked(), form.collatePicture->collated());
    form.collateBox->setChecked(true);
    EXPECT_TRUE(form.collatePicture->collated());
}

TEST_F(PrintForm, PageChoiceGivesThePageList) {
    PrintDialog form(printer);
    form.currentPageButton->setChecked(true);
    EXPECT_EQ(form.pageList(4), "4");
    form.pageListEdit->setText("1,3,5-12");
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(form.pageListEdit, &focusIn);
    EXPECT_TRUE(form.pageListButton->isChecked());
    EXPECT_EQ(form.pageList(4), "1,3,5-12");
    form.printChoiceBox->setCurrentIndex(2);
    EXPECT_EQ(form.filter(), printer::PageFilter::Even);
}

TEST_F(PrintForm, ChosenPrinterPrintsAndCancelPutsTheOldOneBack) {
    {
        PrintDialog form(printer);
        form.printerBox->setCurrentIndex(0);
        emit form.printerBox->activated(0);
        EXPECT_EQ(printer.currentPrinterName(), "Ufficio");
        EXPECT_EQ(backend.currentPrinter(), 0);
        form.reject();
        EXPECT_EQ(printer.currentPrinterName(), "Magazzino");
        EXPECT_EQ(backend.currentPrinter(), 1);
    }
    PrintDialog form(printer);
    emit form.printerBox->activated(0);
    form.accept();
    EXPECT_EQ(printer.currentPrinterName(), "Ufficio");
}

// --- the print button

TEST_F(PrintForm, ButtonPrintsTheChosenPagesOnTheChosenPrinter) {
    addPages(4);
    const PrintDialogSettings settings = answering([](PrintDialog& form) {
        emit form.printerBox->activated(0);
        form.copiesEdit->setText("2");
        form.collateBox->setChecked(false);
        form.pageListButton->setChecked(true);
        form.pageListEdit->setText("2-3");
        return true;
    });
    EXPECT_TRUE(runPrintDialog(pages, shownAt(1), nullptr, settings));
    EXPECT_EQ(sheets(), (std::vector<std::string>{"P2", "P3"}));
    ASSERT_FALSE(backend.pages.empty());
    EXPECT_EQ(backend.pages[0].printer, "Ufficio");
    EXPECT_EQ(backend.pages[0].copies, 2);
    EXPECT_TRUE(answers.texts().empty());
}

TEST_F(PrintForm, ConversionErrorsAreShownAndThePagesStay) {
    addPages(3);
    const std::pair<const char*, const char*> cases[] = {
        {"", "'' non è un numero intero valido"},
        {"tre", "'tre' non è un numero intero valido"},
        {"1.5", "'1.5' non è un numero intero valido"},
    };
    for (const auto& [copies, message] : cases) {
        answers.clear();
        const PrintDialogSettings settings = answering([copies = copies](PrintDialog& form) {
            form.copiesEdit->setText(copies);
            return true;
        });
        EXPECT_FALSE(runPrintDialog(pages, shownAt(1), nullptr, settings));
        EXPECT_EQ(answers.texts(), (std::vector<std::string>{message})) << copies;
    }
    answers.clear();
    const PrintDialogSettings badList = answering([](PrintDialog& form) {
        form.pageListButton->setChecked(true);
        form.pageListEdit->setText("1,,2");
        return true;
    });
    EXPECT_FALSE(runPrintDialog(pages, shownAt(1), nullptr, badList));
    EXPECT_EQ(answers.texts(), (std::vector<std::string>{"'' non è un numero intero valido"}));
    EXPECT_TRUE(backend.jobCalls.empty());
    EXPECT_EQ(pages.count(), 3);
}

TEST_F(PrintForm, NoPagesOrCancelSendNothingAndNoDialogPrintsTheDefaults) {
    PrintDialogSettings settings = answering([](PrintDialog&) { return false; });
    EXPECT_FALSE(runPrintDialog(pages, shownAt(1), nullptr, settings));
    EXPECT_EQ(dialogsShown, 0);
    addPages(2);
    EXPECT_FALSE(runPrintDialog(pages, shownAt(1), nullptr, settings));
    EXPECT_EQ(dialogsShown, 1);
    EXPECT_TRUE(backend.jobCalls.empty());

    settings.showPrintDialog = false;
    settings.defaultCopies = 2;
    EXPECT_TRUE(runPrintDialog(pages, shownAt(1), nullptr, settings));
    EXPECT_EQ(dialogsShown, 1);
    EXPECT_EQ(sheets(), (std::vector<std::string>{"P1", "P2", "P1", "P2"}));
}

TEST_F(PrintForm, ButtonPrintsUnderTheProgressWindow) {
    addPages(3);
    PrintDialogSettings settings = answering([](PrintDialog& form) {
        form.currentPageButton->setChecked(true);
        return true;
    });
    settings.report.showProgress = true;
    EXPECT_TRUE(runPrintDialog(pages, shownAt(2), nullptr, settings));
    EXPECT_EQ(sheets(), (std::vector<std::string>{"P2"}));
}

}  // namespace
}  // namespace gui::preview
