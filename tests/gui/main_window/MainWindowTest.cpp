// The main window driven as an operator would: buttons, edits, grids, closing.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "gui/main_window/DataGrid.h"
#include "gui/main_window/DataNavigator.h"
#include "gui/main_window/Dialogs.h"
#include "gui/main_window/MainWindow.h"
#include "gui/main_window/RadioGroup.h"
#include "gui/main_window/YearBox.h"
#include "gui/widgets/FlatButtons.h"
#include "gui/widgets/FlatEdit.h"
#include "labels/FiscalCodeCheck.h"
#include "labels/LabelApp.h"
#include "labels/qt/QtFileLocker.h"
#include "tests/gui/main_window/MainWindowFixture.h"

namespace fs = std::filesystem;
using namespace gui::main_window;
using namespace labels;
using namespace gui::main_window;
using namespace labels;
using main_window_test::readFile;

namespace {

// Answers every box at once and remembers what was asked.
class ScriptedDialogs : public Dialogs {
public:
    void message(QWidget*, const QString& text) override { messages << text; }
    bool confirm(QWidget*, const QString& text) override {
        questions << text;
        return answer;
    }
    FailedSaveChoice failedSave(QWidget*, const QString& failure, const QString&, bool) override {
        messages << failure;
        return answer ? FailedSaveChoice::LeaveWithoutSaving : FailedSaveChoice::Stay;
    }
    QString unsavedCodesFile(QWidget*) override { return {}; }
    QStringList messages, questions;
    bool answer = true;
};

// A fiscal code with the right check character.
std::string soundCode(std::string first15) {
    return first15 + fiscalCheckCharacter(first15);
}

class MainWindowTest : public main_window_test::MainWindowFixture<ScriptedDialogs> {
protected:
    void beforeStartUp() override {
        form->setPrintHandler([this](ReportKind k, QWidget*) { printed.push_back(k); });
    }
    int printListRows() const { return form->printListGrid->model()->rowCount(); }
    void leaveFiscalEdit() {
        form->fiscalEdit->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        dialogs.messages.clear();
        form->searchEdit->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }

    std::vector<ReportKind> printed;
};

TEST_F(MainWindowTest, StartsAtTheOriginWithFullSizeAndCaption) {
    start();
    EXPECT_EQ(form->windowTitle(), QString("Quirelle 2.51 - 21.05.2019 - Merzavin"));
    EXPECT_EQ(form->formHeight(), 768);
    EXPECT_EQ(form->width(), 1024);
    EXPECT_FALSE(form->saveButton->isEnabled());
    EXPECT_TRUE(fs::exists(dir / "cf0.txt"));  // created on the first run
    const QDate today = QDate::currentDate();
    EXPECT_EQ(form->yearBox->value(), std::clamp(today.year(), 2001, 2100));
    EXPECT_EQ(form->monthBox->currentIndex(), today.month() - 1);
}

TEST_F(MainWindowTest, PrintingRightAfterStartUpDoesNothing) {
    start();
    form->printButton->click();
    EXPECT_TRUE(printed.empty());
    form->insertFreeCodeButton->click();  // "Inserisci" chooses the series template
    form->printButton->click();
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0], ReportKind::Series);
}

TEST_F(MainWindowTest, InsertOpensThePrintListAtStartAndAfterReset) {
    start();
    form->freeCodeEdit->setText("ABC123");
    form->insertFreeCodeButton->click();
    EXPECT_EQ(printListRows(), 1);
    EXPECT_TRUE(form->freeCodeEdit->text().isEmpty());
    form->resetButton->click();  // "Reset"
    EXPECT_EQ(printListRows(), 0);
    form->freeCodeEdit->setText("XYZ");
    form->insertFreeCodeButton->click();
    EXPECT_EQ(printListRows(), 1);
    EXPECT_EQ(form->printListGrid->model()->index(0, 0).data().toString(), QString("XYZ"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MainWindowTest, SeriesAndCalendarFillTheGrid) {
    start();
    form->seriesLengthGroup->setItemIndex(1);  // 107
    form->seriesButton->click();
    EXPECT_EQ(printListRows(), 108);

    form->yearBox->setValue(2024);
    form->monthBox->setCurrentIndex(1);
    form->calendarButton->click();
    EXPECT_EQ(printListRows(), 29);
    EXPECT_EQ(form->printListGrid->model()->index(28, 0).data().toString(), QString("29/02/2024"));

    form->monthBox->setEditText("FEBBRAI");  // typed over: no month selected
    form->calendarButton->click();
    EXPECT_EQ(dialogs.messages.value(0), QString("Selezionare un mese"));
    EXPECT_EQ(printListRows(), 29);
}

TEST_F(MainWindowTest, MissingExemptionFileShowsTheFileError) {
    start();
    form->exemptionsButton->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(
        dialogs.messages[0],
        QString("ESENZIONI.txt non è stato letto: file non trovato. La lista di stampa non è cambiata."));
}

TEST_F(MainWindowTest, WrongCheckCharacterIsReportedCorrectedAndCopied) {
    start();
    const std::string good = soundCode("RSSMRA85T10A562");
    std::string bad = good;
    bad[15] = bad[15] == 'A' ? 'B' : 'A';
    form->fiscalEdit->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    form->fiscalEdit->setText(QString::fromStdString(bad));
    dialogs.messages.clear();
    form->searchEdit->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();

    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].endsWith(QChar(good[15]))) << dialogs.messages[0].toStdString();
    EXPECT_EQ(form->fiscalEdit->text().toStdString(), good);
    EXPECT_EQ(form->inMemoryEdit->text().toStdString(), good);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), good);

    // Checked again, the corrected code is sound.
    form->fiscalEdit->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(dialogs.messages.last(), QString("Codice fiscale formalmente corretto"));
}

TEST_F(MainWindowTest, EnteringAnEmptyFiscalEditEnablesSaveAndEmptiesTheCopy) {
    start();
    form->inMemoryEdit->setText("OLD");
    EXPECT_EQ(QApplication::focusWidget(), form->monthBox);  // first in the tab order
    form->fiscalEdit->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(form->saveButton->isEnabled());
    EXPECT_TRUE(form->inMemoryEdit->text().isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MainWindowTest, SavingACodeAlreadyInTheListOnlyDisablesTheButton) {
    const std::string code = soundCode("RSSMRA85T10A562");
    start(code + "\r\n");
    form->saveButton->setEnabled(true);
    form->fiscalEdit->setText(QString::fromStdString(code));
    form->saveButton->click();
    EXPECT_FALSE(form->saveButton->isEnabled());
    EXPECT_EQ(form->fiscalEdit->text().toStdString(), code);
    EXPECT_EQ(form->fiscalGrid->model()->rowCount(), 1);
    EXPECT_FALSE(labels->codesDirty());

    form->saveButton->setEnabled(true);
    form->fiscalEdit->setText("SHORT");
    form->saveButton->click();
    EXPECT_EQ(form->fiscalGrid->model()->rowCount(), 2);
    EXPECT_TRUE(form->fiscalEdit->text().isEmpty());
    EXPECT_TRUE(labels->codesDirty());
}

TEST_F(MainWindowTest, WindowHeightsAndPrintingFiscalCodes) {
    const std::string a = soundCode("BBBBBB85T10A562"), b = soundCode("AAAAAA85T10A562");
    start(a + "\r\n" + b + "\r\n");
    form->compactButton->click();
    EXPECT_EQ(form->formHeight(), 278);
    form->printFiscalButton->click();  // "Stampa C.F."
    EXPECT_EQ(form->formHeight(), 768);
    ASSERT_EQ(printListRows(), 2);
    EXPECT_EQ(form->printListGrid->model()->index(0, 0).data().toString().toStdString(), b);  // index order
    form->printButton->click();
    EXPECT_EQ(printed.back(), ReportKind::DatesAndCodes);
}

TEST_F(MainWindowTest, DoubleClickingTheCopyClearsTheFiscalEdit) {
    start();
    form->fiscalEdit->setText("ABC");
    form->inMemoryEdit->setText("DEF");
    QTest::mouseDClick(form->inMemoryEdit, Qt::LeftButton);
    EXPECT_TRUE(form->fiscalEdit->text().isEmpty());
    EXPECT_EQ(form->inMemoryEdit->text(), QString("DEF"));
}

TEST_F(MainWindowTest, ExitWritesTheListOnlyWhenItChanged) {
    const std::string code = soundCode("RSSMRA85T10A562");
    start(code + "\r\n");
    const auto before = fs::last_write_time(dir / "cf0.txt");
    form->exitButton->click();  // "ESCI" without changes
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(fs::last_write_time(dir / "cf0.txt"), before);
    EXPECT_EQ(readFile(dir / "cf0.txt"), code + "\r\n");
}

TEST_F(MainWindowTest, ExitAfterSaveWritesTheSortedList) {
    const std::string b = soundCode("BBBBBB85T10A562"), a = soundCode("AAAAAA85T10A562");
    start(b + "\r\n");
    form->fiscalEdit->setText(QString::fromStdString(a));
    form->saveButton->setEnabled(true);
    form->saveButton->click();
    form->exitButton->click();
    EXPECT_EQ(readFile(dir / "cf0.txt"), a + "\r\n" + b + "\r\n");
}

TEST_F(MainWindowTest, TitleBarCloseWritesTheListWhenItChanged) {
    const std::string b = soundCode("BBBBBB85T10A562");
    start();
    form->fiscalEdit->setText(QString::fromStdString(b));
    form->saveButton->setEnabled(true);
    form->saveButton->click();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(readFile(dir / "cf0.txt"), b + "\r\n");
}

TEST_F(MainWindowTest, DeletingACodeFromTheNavigatorAsksAndIsSavedOnExit) {
    const std::string a = soundCode("AAAAAA85T10A562"), b = soundCode("BBBBBB85T10A562");
    start(a + "\r\n" + b + "\r\n");
    form->fiscalNavigator->button(DataNavigator::First)->click();
    dialogs.answer = false;
    form->fiscalNavigator->button(DataNavigator::Remove)->click();
    EXPECT_EQ(form->fiscalGrid->model()->rowCount(), 2);
    dialogs.answer = true;
    form->fiscalNavigator->button(DataNavigator::Remove)->click();
    EXPECT_EQ(form->fiscalGrid->model()->rowCount(), 1);
    EXPECT_EQ(dialogs.questions.size(), 2);
    form->exitButton->click();
    EXPECT_EQ(readFile(dir / "cf0.txt"), b + "\r\n");
}

TEST_F(MainWindowTest, TypingInTheSearchEditMovesTheGridToTheNearestCode) {
    const std::string a = soundCode("AAAAAA85T10A562"), b = soundCode("BBBBBB85T10A562"),
                      c = soundCode("CCCCCC85T10A562");
    start(a + "\r\n" + b + "\r\n" + c + "\r\n");
    QTest::keyClicks(form->searchEdit, "bb");
    EXPECT_EQ(form->searchEdit->text(), QString("BB"));
    EXPECT_EQ(form->fiscalGrid->currentIndex().row(), 1);
    form->fiscalGrid->setFocus();
    QTest::mouseDClick(form->fiscalGrid->viewport(), Qt::LeftButton, {},
                       form->fiscalGrid->visualRect(form->fiscalGrid->model()->index(2, 0)).center());
    EXPECT_EQ(form->inMemoryEdit->text().toStdString(), c);
}

TEST_F(MainWindowTest, EditingThePrintListInPlace) {
    start();
    form->freeCodeEdit->setText("ONE");
    form->insertFreeCodeButton->click();
    auto* model = form->printListGrid->model();
    EXPECT_TRUE(model->setData(model->index(0, 0), "UNO", Qt::EditRole));
    EXPECT_EQ(labels->printList().fieldTextAt(0, 0), "UNO");
}

}  // namespace

namespace {

// Saves the window as the operator sees it, full and compact, for a look by eye.
TEST_F(MainWindowTest, ScreenshotsAtBothHeights) {
    start();
    form->freeCodeEdit->setText("ABC123");
    form->insertFreeCodeButton->click();
    const fs::path out = fs::path(QUIRELLE_BINARY_DIR) / "screenshots";
    fs::create_directories(out);
    const QImage full = form->grab().toImage();
    EXPECT_EQ(full.width(), 1024);
    EXPECT_GE(full.height(), form->seriesGroup->geometry().bottom());  // every group in view
    EXPECT_TRUE(full.save(QString::fromStdString((out / "main-window-768.png").string())));
    form->compactButton->click();
    const QImage compact = form->grab().toImage();
    EXPECT_EQ(form->formHeight(), 278);
    // Only the fiscal-code group and "ESCI" stay in view.
    EXPECT_GE(compact.height(), form->fiscalGroup->geometry().bottom() - 4);
    EXPECT_LT(compact.height(), form->freeCodesGroup->geometry().top());
    EXPECT_TRUE(compact.save(QString::fromStdString((out / "main-window-278.png").string())));
}

}  // namespace
