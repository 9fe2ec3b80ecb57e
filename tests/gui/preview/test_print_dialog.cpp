// The print dialog on the offscreen platform: its texts and defaults, its small behaviours,
// the printer it switches, and the print button's flow up to the pages on the spooler.
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
#include <gtest/gtest.h>

#include "platform/qt/MessageBox.h"
#include "platform/qt/QtConvert.h"
#include "tests/support/FakePrinterBackend.h"
#include "gui/preview/PrintDialogFlow.h"
#include "gui/preview/PrintDialog.h"
#include "gui/preview/PrintDialogPictures.h"
#include "tests/prepared/PagesTestSupport.h"

namespace preview {
namespace {

using platform::qt::fromQString;

FakePrinter fakePrinter(const std::string& name) {
    FakePrinter p;
    p.name = name;
    return p;
}

class PrintForm : public ::testing::Test {
protected:
    PrintForm() : backend({fakePrinter("Ufficio"), fakePrinter("Magazzino")}, 1), pages(nullptr, &printer) {}
    void SetUp() override {
        printer.AttachPrinter(&backend);
        platform::qt::setMessageHandler([this](const platform::qt::MessageRequest& r) {
            messages.push_back(r.text);
            return platform::qt::MessageResult::Ok;
        });
    }
    void TearDown() override { platform::qt::setMessageHandler({}); }

    void addPages(int count) {
        const auto tpl = pages_test::templatePage(printer);
        for (int i = 0; i < count; ++i) {
            pages.Add(*tpl);
            pages_test::print(pages, pages.Count() - 1, *pages_test::memo("P" + std::to_string(pages.Count()), 0, 0));
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
    PrintDialogSettings answering(std::function<bool(TfrPrintForm&)> answer) {
        PrintDialogSettings s;
        s.report.showProgress = false;
        s.showDialog = [this, answer](TfrPrintForm& form) {
            ++dialogsShown;
            return answer(form);
        };
        return s;
    }

    FakePrinterBackend backend;
    TfrPrinter printer;
    TfrEMFPages pages;
    std::vector<std::string> messages;
    int dialogsShown = 0;
};

TEST_F(PrintForm, TextsAndDefaults) {
    TfrPrintForm form(printer);
    const std::pair<QString, std::string> texts[] = {
        {form.windowTitle(), "Stampa"},
        {form.GroupBox1->title(), "Stampante"},
        {form.Label4->text(), "&Nome:"},
        {form.PropButton->text(), "Proprietà"},
        {form.GroupBox2->title(), "Pagine da stampare"},
        {form.RB1->text(), "&Tutte"},
        {form.RB2->text(), "Pa&gina corrente"},
        {form.RB3->text(), "&Pagine:"},
        {form.Label2->text(),
         "Immettere i numeri di pagina e/o gli intervalli di pagina separati da virgole. Es.:1,3,5-12"},
        {form.GroupBox3->title(), "Copie"},
        {form.Label1->text(), "Numero di &copie:"},
        {form.Label3->text(), "Fascico&la"},
        {form.Label5->text(), "&Stampa"},
        {form.CB2->itemText(0), "Tutte le pagine"},
        {form.CB2->itemText(1), "Pagine dispari"},
        {form.CB2->itemText(2), "Pafine pari"},
        {form.Button1->text(), "OK"},
        {form.Button2->text(), "Annulla"},
    };
    for (const auto& [shown, expected] : texts) EXPECT_EQ(fromQString(shown), expected);

    EXPECT_TRUE(form.RB1->isChecked());
    EXPECT_TRUE(form.E2->text().isEmpty());
    EXPECT_TRUE(form.Label2->wordWrap());
    EXPECT_EQ(form.CB2->count(), 3);
    EXPECT_EQ(form.CB2->currentIndex(), 0);
    EXPECT_EQ(form.E1->text(), "1");
    EXPECT_TRUE(form.CollateCB->isChecked());
    EXPECT_TRUE(form.PB1->collated());
    EXPECT_TRUE(form.Button1->isDefault());
    // The platform's printers, without the virtual one; the current one chosen.
    ASSERT_EQ(form.CB1->count(), 2);
    EXPECT_EQ(form.CB1->itemText(1), "Magazzino");
    EXPECT_EQ(form.CB1->currentIndex(), 1);
    EXPECT_EQ(form.OldIndex, 1);
    EXPECT_EQ(form.pageList(4), "");
    EXPECT_EQ(form.filter(), PageFilter::All);

    form.setDefaults(3, false);
    EXPECT_EQ(form.copiesText(), "3");
    EXPECT_FALSE(form.collate());
    EXPECT_FALSE(form.PB1->collated());
}

TEST_F(PrintForm, OpensCentredWithTheCopiesFocused) {
    TfrPrintForm form(printer);
    form.show();
    QApplication::setActiveWindow(&form);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.focusWidget(), form.E1);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_NEAR(form.geometry().center().x(), screen.center().x(), 2);
    EXPECT_NEAR(form.geometry().center().y(), screen.center().y(), 2);
    // The filter list sits 11 pixels right of its label.
    EXPECT_EQ(form.CB2->geometry().left() - form.Label5->geometry().right() - 1, 11);
    form.reject();
}

TEST_F(PrintForm, CopiesButtonsStepAndNeverGoBelowOne) {
    struct Case {
        const char* text;
        bool up;
        const char* expected;
    } const cases[] = {
        {"1", true, "2"}, {"9", true, "10"}, {"5", false, "4"}, {"2", false, "1"},
        {"1", false, "1"}, {"0", false, "1"}, {"-3", false, "1"}, {"-3", true, "-2"},
    };
    TfrPrintForm form(printer);
    for (const Case& c : cases) {
        form.E1->setText(c.text);
        (c.up ? form.UpButton : form.DownButton)->click();
        EXPECT_EQ(fromQString(form.E1->text()), c.expected) << c.text << (c.up ? " up" : " down");
    }
    EXPECT_TRUE(messages.empty());
    form.E1->setText("due");
    form.UpButton->click();
    EXPECT_EQ(form.E1->text(), "due");
    EXPECT_EQ(messages, (std::vector<std::string>{"'due' is not a valid integer value"}));
}

TEST_F(PrintForm, CollateCaptionTogglesTheBoxAndThePicture) {
    TfrPrintForm form(printer);
    QTest::mouseClick(form.Label3, Qt::LeftButton);
    EXPECT_FALSE(form.CollateCB->isChecked());
    EXPECT_FALSE(form.PB1->collated());
    QTest::mouseDClick(form.Label3, Qt::LeftButton);  // press, release, double-click press
    EXPECT_EQ(form.CollateCB->isChecked(), form.PB1->collated());
    form.CollateCB->setChecked(true);
    EXPECT_TRUE(form.PB1->collated());
}

TEST_F(PrintForm, PageChoiceGivesThePageList) {
    TfrPrintForm form(printer);
    form.RB2->setChecked(true);
    EXPECT_EQ(form.pageList(4), "4");
    form.E2->setText("1,3,5-12");
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(form.E2, &focusIn);
    EXPECT_TRUE(form.RB3->isChecked());
    EXPECT_EQ(form.pageList(4), "1,3,5-12");
    form.CB2->setCurrentIndex(2);
    EXPECT_EQ(form.filter(), PageFilter::Even);
}

TEST_F(PrintForm, ChosenPrinterPrintsAndCancelPutsTheOldOneBack) {
    {
        TfrPrintForm form(printer);
        form.CB1->setCurrentIndex(0);
        emit form.CB1->activated(0);
        EXPECT_EQ(printer.CurrentPrinterName(), "Ufficio");
        EXPECT_EQ(backend.currentPrinter(), 0);
        form.reject();
        EXPECT_EQ(printer.CurrentPrinterName(), "Magazzino");
        EXPECT_EQ(backend.currentPrinter(), 1);
    }
    TfrPrintForm form(printer);
    emit form.CB1->activated(0);
    form.accept();
    EXPECT_EQ(printer.CurrentPrinterName(), "Ufficio");
}

// --- the print button

TEST_F(PrintForm, ButtonPrintsTheChosenPagesOnTheChosenPrinter) {
    addPages(4);
    const PrintDialogSettings settings = answering([](TfrPrintForm& form) {
        emit form.CB1->activated(0);
        form.E1->setText("2");
        form.CollateCB->setChecked(false);
        form.RB3->setChecked(true);
        form.E2->setText("2-3");
        return true;
    });
    EXPECT_TRUE(runPrintDialog(pages, 1, nullptr, settings));
    EXPECT_EQ(sheets(), (std::vector<std::string>{"P2", "P3"}));
    ASSERT_FALSE(backend.pages.empty());
    EXPECT_EQ(backend.pages[0].printer, "Ufficio");
    EXPECT_EQ(backend.pages[0].copies, 2);
    EXPECT_TRUE(messages.empty());
}

TEST_F(PrintForm, ConversionErrorsAreShownAndThePagesStay) {
    addPages(3);
    const std::pair<const char*, const char*> cases[] = {
        {"", "'' is not a valid integer value"},
        {"tre", "'tre' is not a valid integer value"},
        {"1.5", "'1.5' is not a valid integer value"},
    };
    for (const auto& [copies, message] : cases) {
        messages.clear();
        const PrintDialogSettings settings = answering([copies = copies](TfrPrintForm& form) {
            form.E1->setText(copies);
            return true;
        });
        EXPECT_FALSE(runPrintDialog(pages, 1, nullptr, settings));
        EXPECT_EQ(messages, (std::vector<std::string>{message})) << copies;
    }
    messages.clear();
    const PrintDialogSettings badList = answering([](TfrPrintForm& form) {
        form.RB3->setChecked(true);
        form.E2->setText("1,,2");
        return true;
    });
    EXPECT_FALSE(runPrintDialog(pages, 1, nullptr, badList));
    EXPECT_EQ(messages, (std::vector<std::string>{"'' is not a valid integer value"}));
    EXPECT_TRUE(backend.jobCalls.empty());
    EXPECT_EQ(pages.Count(), 3);
}

TEST_F(PrintForm, NoPagesOrCancelSendNothingAndNoDialogPrintsTheDefaults) {
    PrintDialogSettings settings = answering([](TfrPrintForm&) { return false; });
    EXPECT_FALSE(runPrintDialog(pages, 1, nullptr, settings));
    EXPECT_EQ(dialogsShown, 0);
    addPages(2);
    EXPECT_FALSE(runPrintDialog(pages, 1, nullptr, settings));
    EXPECT_EQ(dialogsShown, 1);
    EXPECT_TRUE(backend.jobCalls.empty());

    settings.showPrintDialog = false;
    settings.defaultCopies = 2;
    EXPECT_TRUE(runPrintDialog(pages, 1, nullptr, settings));
    EXPECT_EQ(dialogsShown, 1);
    EXPECT_EQ(sheets(), (std::vector<std::string>{"P1", "P2", "P1", "P2"}));
}

TEST_F(PrintForm, ButtonPrintsUnderTheProgressWindow) {
    addPages(3);
    PrintDialogSettings settings = answering([](TfrPrintForm& form) {
        form.RB2->setChecked(true);
        return true;
    });
    settings.report.showProgress = true;
    EXPECT_TRUE(runPrintDialog(pages, 2, nullptr, settings));
    EXPECT_EQ(sheets(), (std::vector<std::string>{"P2"}));
}

}  // namespace
}  // namespace preview
