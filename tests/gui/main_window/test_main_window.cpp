// The main window driven as an operator would: buttons, edits, grids, closing.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "labels/FiscalCodeCheck.h"
#include "labels/LabelApp.h"
#include "gui/main_window/DataGrid.h"
#include "gui/main_window/DataNavigator.h"
#include "gui/main_window/Dialogs.h"
#include "gui/main_window/MainWindow.h"
#include "gui/main_window/RadioGroup.h"
#include "gui/widgets/FlatButtons.h"
#include "gui/widgets/FlatEdit.h"

namespace fs = std::filesystem;
using namespace app;

namespace {

// Answers every box at once and remembers what was asked.
class ScriptedDialogs : public Dialogs {
public:
    void message(QWidget*, const QString& text) override { messages << text; }
    bool confirm(QWidget*, const QString& text) override {
        questions << text;
        return answer;
    }
    QStringList messages, questions;
    bool answer = true;
};

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A fiscal code with the right check character.
std::string soundCode(std::string first15) {
    return first15 + fiscalCheckCharacter(first15);
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("quirelle-ui-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        form.reset();
        labels.reset();
        fs::remove_all(dir);
    }
    void start(const std::string& cf0 = "") {
        if (!cf0.empty()) std::ofstream(dir / "cf0.txt", std::ios::binary) << cf0;
        labels = std::make_unique<LabelApp>(dir);
        form = std::make_unique<TForm1>(*labels, dialogs);
        form->setPrintHandler([this](ReportKind k, QWidget*) { printed.push_back(k); });
        form->FormActivate();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    int printListRows() const { return form->DBGrid2->model()->rowCount(); }
    void leaveFiscalEdit() {
        form->FlatEdit1->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        dialogs.messages.clear();
        form->FlatEdit3->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }

    fs::path dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<LabelApp> labels;
    std::unique_ptr<TForm1> form;
    std::vector<ReportKind> printed;
};

TEST_F(MainWindowTest, StartsAtTheOriginWithFullSizeAndCaption) {
    start();
    EXPECT_EQ(form->windowTitle(), QString("Quirelle 2.51 - 21.05.2019 - Merzavin"));
    EXPECT_EQ(form->formHeight(), 768);
    EXPECT_EQ(form->width(), 1024);
    EXPECT_FALSE(form->FlatButton8->isEnabled());
    EXPECT_TRUE(fs::exists(dir / "cf0.txt"));  // created on the first run
    const QDate today = QDate::currentDate();
    EXPECT_EQ(form->SpinEdit1->value(), std::clamp(today.year(), 2001, 2100));
    EXPECT_EQ(form->ComboBox1->currentIndex(), today.month() - 1);
}

TEST_F(MainWindowTest, PrintingRightAfterStartUpDoesNothing) {
    start();
    form->FlatButton1->click();
    EXPECT_TRUE(printed.empty());
    form->FlatButton4->click();  // "Inserisci" chooses the series template
    form->FlatButton1->click();
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0], ReportKind::Series);
}

TEST_F(MainWindowTest, InsertOpensThePrintListAtStartAndAfterReset) {
    start();
    form->FlatEdit4->setText("ABC123");
    form->FlatButton4->click();
    EXPECT_EQ(printListRows(), 1);
    EXPECT_TRUE(form->FlatEdit4->text().isEmpty());
    form->FlatButton5->click();  // "Reset"
    EXPECT_EQ(printListRows(), 0);
    form->FlatEdit4->setText("XYZ");
    form->FlatButton4->click();
    EXPECT_EQ(printListRows(), 1);
    EXPECT_EQ(form->DBGrid2->model()->index(0, 0).data().toString(), QString("XYZ"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MainWindowTest, SeriesAndCalendarFillTheGrid) {
    start();
    form->RadioGroup1->setItemIndex(1);  // 107
    form->FlatButton3->click();
    EXPECT_EQ(printListRows(), 108);

    form->SpinEdit1->setValue(2024);
    form->ComboBox1->setCurrentIndex(1);
    form->FlatButton10->click();
    EXPECT_EQ(printListRows(), 29);
    EXPECT_EQ(form->DBGrid2->model()->index(28, 0).data().toString(), QString("29/02/2024"));

    form->ComboBox1->setEditText("FEBBRAI");  // typed over: no month selected
    form->FlatButton10->click();
    EXPECT_EQ(dialogs.messages.value(0), QString("Selezionare un mese"));
    EXPECT_EQ(printListRows(), 29);
}

TEST_F(MainWindowTest, MissingExemptionFileShowsTheFileError) {
    start();
    form->FlatButton6->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0], QString("File not found"));
}

TEST_F(MainWindowTest, WrongCheckCharacterIsReportedCorrectedAndCopied) {
    start();
    const std::string good = soundCode("RSSMRA85T10A562");
    std::string bad = good;
    bad[15] = bad[15] == 'A' ? 'B' : 'A';
    form->FlatEdit1->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    form->FlatEdit1->setText(QString::fromStdString(bad));
    dialogs.messages.clear();
    form->FlatEdit3->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();

    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].endsWith(QChar(good[15]))) << dialogs.messages[0].toStdString();
    EXPECT_EQ(form->FlatEdit1->text().toStdString(), good);
    EXPECT_EQ(form->FlatEdit2->text().toStdString(), good);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), good);

    // Checked again, the corrected code is sound.
    form->FlatEdit1->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(dialogs.messages.last(), QString("Codice fiscale formalmente corretto"));
}

TEST_F(MainWindowTest, EnteringAnEmptyFiscalEditEnablesSaveAndEmptiesTheCopy) {
    start();
    form->FlatEdit2->setText("OLD");
    EXPECT_EQ(QApplication::focusWidget(), form->ComboBox1);  // first in the tab order
    form->FlatEdit1->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(form->FlatButton8->isEnabled());
    EXPECT_TRUE(form->FlatEdit2->text().isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MainWindowTest, SavingACodeAlreadyInTheListOnlyDisablesTheButton) {
    const std::string code = soundCode("RSSMRA85T10A562");
    start(code + "\r\n");
    form->FlatButton8->setEnabled(true);
    form->FlatEdit1->setText(QString::fromStdString(code));
    form->FlatButton8->click();
    EXPECT_FALSE(form->FlatButton8->isEnabled());
    EXPECT_EQ(form->FlatEdit1->text().toStdString(), code);
    EXPECT_EQ(form->DBGrid1->model()->rowCount(), 1);
    EXPECT_FALSE(labels->codesDirty());

    form->FlatButton8->setEnabled(true);
    form->FlatEdit1->setText("SHORT");
    form->FlatButton8->click();
    EXPECT_EQ(form->DBGrid1->model()->rowCount(), 2);
    EXPECT_TRUE(form->FlatEdit1->text().isEmpty());
    EXPECT_TRUE(labels->codesDirty());
}

TEST_F(MainWindowTest, WindowHeightsAndPrintingFiscalCodes) {
    const std::string a = soundCode("BBBBBB85T10A562"), b = soundCode("AAAAAA85T10A562");
    start(a + "\r\n" + b + "\r\n");
    form->FlatSpeedButton2->click();
    EXPECT_EQ(form->formHeight(), 278);
    form->FlatButton9->click();  // "Stampa C.F."
    EXPECT_EQ(form->formHeight(), 768);
    ASSERT_EQ(printListRows(), 2);
    EXPECT_EQ(form->DBGrid2->model()->index(0, 0).data().toString().toStdString(), b);  // index order
    form->FlatButton1->click();
    EXPECT_EQ(printed.back(), ReportKind::DatesAndCodes);
}

TEST_F(MainWindowTest, DoubleClickingTheCopyClearsTheFiscalEdit) {
    start();
    form->FlatEdit1->setText("ABC");
    form->FlatEdit2->setText("DEF");
    QTest::mouseDClick(form->FlatEdit2, Qt::LeftButton);
    EXPECT_TRUE(form->FlatEdit1->text().isEmpty());
    EXPECT_EQ(form->FlatEdit2->text(), QString("DEF"));
}

TEST_F(MainWindowTest, ExitWritesTheListOnlyWhenItChanged) {
    const std::string code = soundCode("RSSMRA85T10A562");
    start(code + "\r\n");
    const auto before = fs::last_write_time(dir / "cf0.txt");
    form->FlatButton2->click();  // "ESCI" without changes
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(fs::last_write_time(dir / "cf0.txt"), before);
    EXPECT_EQ(readFile(dir / "cf0.txt"), code + "\r\n");
}

TEST_F(MainWindowTest, ExitAfterSaveWritesTheSortedList) {
    const std::string b = soundCode("BBBBBB85T10A562"), a = soundCode("AAAAAA85T10A562");
    start(b + "\r\n");
    form->FlatEdit1->setText(QString::fromStdString(a));
    form->FlatButton8->setEnabled(true);
    form->FlatButton8->click();
    form->FlatButton2->click();
    EXPECT_EQ(readFile(dir / "cf0.txt"), a + "\r\n" + b + "\r\n");
}

TEST_F(MainWindowTest, TitleBarCloseWritesTheListWhenItChanged) {
    const std::string b = soundCode("BBBBBB85T10A562");
    start();
    form->FlatEdit1->setText(QString::fromStdString(b));
    form->FlatButton8->setEnabled(true);
    form->FlatButton8->click();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(readFile(dir / "cf0.txt"), b + "\r\n");
}

TEST_F(MainWindowTest, DeletingACodeFromTheNavigatorAsksAndIsSavedOnExit) {
    const std::string a = soundCode("AAAAAA85T10A562"), b = soundCode("BBBBBB85T10A562");
    start(a + "\r\n" + b + "\r\n");
    form->DBNavigator1->button(DataNavigator::First)->click();
    dialogs.answer = false;
    form->DBNavigator1->button(DataNavigator::Delete)->click();
    EXPECT_EQ(form->DBGrid1->model()->rowCount(), 2);
    dialogs.answer = true;
    form->DBNavigator1->button(DataNavigator::Delete)->click();
    EXPECT_EQ(form->DBGrid1->model()->rowCount(), 1);
    EXPECT_EQ(dialogs.questions.size(), 2);
    form->FlatButton2->click();
    EXPECT_EQ(readFile(dir / "cf0.txt"), b + "\r\n");
}

TEST_F(MainWindowTest, TypingInTheSearchEditMovesTheGridToTheNearestCode) {
    const std::string a = soundCode("AAAAAA85T10A562"), b = soundCode("BBBBBB85T10A562"),
                      c = soundCode("CCCCCC85T10A562");
    start(a + "\r\n" + b + "\r\n" + c + "\r\n");
    QTest::keyClicks(form->FlatEdit3, "bb");
    EXPECT_EQ(form->FlatEdit3->text(), QString("BB"));
    EXPECT_EQ(form->DBGrid1->currentIndex().row(), 1);
    form->DBGrid1->setFocus();
    QTest::mouseDClick(form->DBGrid1->viewport(), Qt::LeftButton, {},
                       form->DBGrid1->visualRect(form->DBGrid1->model()->index(2, 0)).center());
    EXPECT_EQ(form->FlatEdit2->text().toStdString(), c);
}

TEST_F(MainWindowTest, EditingThePrintListInPlace) {
    start();
    form->FlatEdit4->setText("ONE");
    form->FlatButton4->click();
    auto* model = form->DBGrid2->model();
    EXPECT_TRUE(model->setData(model->index(0, 0), "UNO", Qt::EditRole));
    EXPECT_EQ(labels->printList().fieldTextAt(0, 0), "UNO");
}

}  // namespace

namespace {

// Saves the window as the operator sees it, full and compact, for a look by eye.
TEST_F(MainWindowTest, ScreenshotsAtBothHeights) {
    start();
    form->FlatEdit4->setText("ABC123");
    form->FlatButton4->click();
    const fs::path out = fs::path(QUIRELLE_BINARY_DIR) / "screenshots";
    fs::create_directories(out);
    const QImage full = form->grab().toImage();
    EXPECT_EQ(full.width(), 1024);
    EXPECT_GE(full.height(), form->GroupBox1->geometry().bottom());  // every group in view
    EXPECT_TRUE(full.save(QString::fromStdString((out / "main-window-768.png").string())));
    form->FlatSpeedButton2->click();
    const QImage compact = form->grab().toImage();
    EXPECT_EQ(form->formHeight(), 278);
    // Only the fiscal-code group and "ESCI" stay in view.
    EXPECT_GE(compact.height(), form->GroupBox5->geometry().bottom() - 4);
    EXPECT_LT(compact.height(), form->GroupBox6->geometry().top());
    EXPECT_TRUE(compact.save(QString::fromStdString((out / "main-window-278.png").string())));
}

}  // namespace
