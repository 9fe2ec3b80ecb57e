// The main window under real input: mouse and key events go through the window (as the window
// system delivers them), message boxes are real modal boxes answered through the event loop,
// and "quick" variants send the last keystroke and the click with no event processing between.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
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
using main_window_test::readFile;

namespace {

// Answers every modal box that opens with its default button (OK / No), from the event loop,
// and remembers its text and whether the main window was still on screen when it opened.
class BoxAnswerer : public QObject {
public:
    explicit BoxAnswerer(QWidget* mainWindow) : mainWindow_(mainWindow) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { answer(); });
        timer_.start();
    }
    QStringList texts;
    int shownWhileWindowHidden = 0;
    // Runs once when the next box opens, before it is answered (e.g. a mouse release).
    std::function<void()> beforeAnswer;

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        texts << box->text();
        if (!mainWindow_->isVisible()) ++shownWhileWindowHidden;
        if (beforeAnswer) std::exchange(beforeAnswer, nullptr)();
        QTest::keyClick(box, Qt::Key_Return);
    }
    QWidget* mainWindow_;
    QTimer timer_;
};

// "GLLPLA75C12L211" with a wrong check letter; the right one is V.
constexpr const char* kWrongCheck = "GLLPLA75C12L211A";
constexpr const char* kRightCheck = "GLLPLA75C12L211V";

class OperatorInputTest : public main_window_test::MainWindowFixture<MessageBoxDialogs> {
protected:
    void afterShown() override { boxes = std::make_unique<BoxAnswerer>(form.get()); }
    void beforeWindowCloses() override { boxes.reset(); }

    QWindow* window() const { return form->windowHandle(); }
    QPoint inWindow(QWidget* w, QPoint local) const { return w->mapTo(form.get(), local); }
    QPoint inWindow(QWidget* w) const { return inWindow(w, w->rect().center()); }
    // A click as the window system delivers it: press and release at once.
    void click(QWidget* w) { QTest::mouseClick(window(), Qt::LeftButton, {}, inWindow(w)); }
    void clickAt(QWidget* w, QPoint local) {
        QTest::mouseClick(window(), Qt::LeftButton, {}, inWindow(w, local));
    }
    void key(int k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(window(), Qt::Key(k), m); }
    void type(const char* text) {
        for (const char* c = text; *c; ++c) QTest::keyClick(window(), *c);
    }
    void settle() { QTest::qWait(60); }
    std::vector<std::string> fiscalCodes() {
        std::vector<std::string> codes;
        for (int r = 0; r < form->fiscalGrid->model()->rowCount(); ++r)
            codes.push_back(form->fiscalGrid->model()->index(r, 0).data().toString().toStdString());
        return codes;
    }
    // Clicks into "Registra e controllo" (answering its entry check) and types text.
    void typeIntoFiscalEdit(const char* text) {
        click(form->fiscalEdit);
        settle();
        type(text);
    }

    std::unique_ptr<BoxAnswerer> boxes;
};

TEST_F(OperatorInputTest, TypingIntoTheRowAddedByDownKeepsTheProgramAlive) {
    const std::string code = std::string(kRightCheck);
    start(code + "\r\n");
    form->freeCodeEdit->setText("ONE");
    click(form->insertFreeCodeButton);
    auto* grid = form->printListGrid;
    clickAt(grid->viewport(), grid->visualRect(grid->model()->index(0, 0)).center());
    key(Qt::Key_Down);  // past the last row: a new empty row
    ASSERT_EQ(grid->model()->rowCount(), 2);
    type("x");
    key(Qt::Key_Return);
    settle();
    EXPECT_EQ(labels->printList().fieldTextAt(1, 0), "X");  // upper case, as every code

    // The same row edited again through a double click.
    const QPoint second = grid->visualRect(grid->model()->index(1, 0)).center();
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, second);
    type("YZ");
    key(Qt::Key_Return);
    settle();
    EXPECT_EQ(labels->printList().fieldTextAt(1, 0), "YZ");

    // Tab in the cell editor stores the text and leaves the grid; no other row is opened.
    key(Qt::Key_Down);
    type("T");
    key(Qt::Key_Tab);
    settle();
    ASSERT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(labels->printList().fieldTextAt(2, 0), "T");
    EXPECT_EQ(QApplication::focusWidget(), form->printButton);
    EXPECT_FALSE(grid->indexWidget(grid->model()->index(0, 0)) ||
                 grid->findChild<QLineEdit*>());  // no editor open
    EXPECT_TRUE(form->isVisible());
}

TEST_F(OperatorInputTest, QuickClickOnSaveRunsTheCheckFirst) {
    start();
    typeIntoFiscalEdit(kWrongCheck);
    click(form->saveButton);  // no event processing since the last key
    settle();
    ASSERT_FALSE(boxes->texts.isEmpty());
    EXPECT_TRUE(boxes->texts.last().endsWith("V")) << boxes->texts.last().toStdString();
    for (const std::string& c : fiscalCodes()) EXPECT_NE(c, kWrongCheck);
    EXPECT_EQ(form->fiscalEdit->text(), QString(kRightCheck));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString(kRightCheck));

    // Clicked again, the corrected code is stored; no empty code ever is.
    click(form->saveButton);
    click(form->saveButton);
    settle();
    const auto codes = fiscalCodes();
    EXPECT_EQ(std::count(codes.begin(), codes.end(), kRightCheck), 1);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), ""), 0);
}

TEST_F(OperatorInputTest, SaveByItsAcceleratorAlsoChecksFirst) {
    start();
    typeIntoFiscalEdit(kWrongCheck);
    key(Qt::Key_S, Qt::AltModifier);  // "&Salva" while the edit still has the focus
    settle();
    ASSERT_EQ(boxes->texts.size(), 1);
    EXPECT_TRUE(fiscalCodes().empty());
    EXPECT_EQ(form->fiscalEdit->text(), QString(kRightCheck));
}

TEST_F(OperatorInputTest, QuickClickOnInsertTakesTheTextJustTyped) {
    start();
    form->inMemoryEdit->setText("OLD");
    typeIntoFiscalEdit("NEW12");
    click(form->insertInMemoryButton);  // "I" at once
    settle();
    ASSERT_EQ(form->printListGrid->model()->rowCount(), 1);
    EXPECT_EQ(labels->printList().fieldTextAt(0, 0), "NEW12");
}

TEST_F(OperatorInputTest, QuickClickOnExitEndsWithTheWindowAndWritesTheList) {
    start();
    typeIntoFiscalEdit("SHORT");
    click(form->saveButton);
    settle();
    ASSERT_EQ(fiscalCodes(), std::vector<std::string>{"SHORT"});
    typeIntoFiscalEdit(kWrongCheck);
    click(form->exitButton);
    settle();
    EXPECT_EQ(boxes->shownWhileWindowHidden, 0);
    if (form->isVisible()) click(form->exitButton);  // the check's box took the first click
    settle();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(boxes->shownWhileWindowHidden, 0);
    EXPECT_EQ(readFile(dir / "cf0.txt"), "SHORT\r\n");
}

TEST_F(OperatorInputTest, OnlyTheBackgroundAndTheOxygenGroupCollapseTheWindow) {
    start();
    for (QGroupBox* w : {form->fiscalGroup, form->seriesGroup, form->exemptionsGroup, form->printListGroup,
                         form->freeCodesGroup}) {
        clickAt(w, {w->width() - 6, w->height() - 6});  // the group's empty corner
        EXPECT_EQ(form->formHeight(), 768) << w->title().toStdString();
    }
    click(form->fiscalEditLabel);
    click(form->inMemoryLabel);
    ASSERT_FALSE(form->saveButton->isEnabled());
    click(form->saveButton);
    EXPECT_EQ(form->formHeight(), 768);

    clickAt(form->oxygenGroup, {form->oxygenGroup->width() - 6, form->oxygenGroup->height() - 6});
    EXPECT_EQ(form->formHeight(), 278);
    form->fullHeightButton->click();
    QTest::mouseClick(window(), Qt::LeftButton, {}, QPoint(6, 300));  // between the groups
    EXPECT_EQ(form->formHeight(), 278);
}

TEST_F(OperatorInputTest, TabLeavesBothGridsInTheWindowsTabOrder) {
    const std::string a = "AAAAAA85T10A562A", b = "BBBBBB85T10A562B";
    start(a + "\r\n" + b + "\r\n");
    form->seriesButton->click();
    auto* fiscal = form->fiscalGrid;
    clickAt(fiscal->viewport(), fiscal->visualRect(fiscal->model()->index(0, 0)).center());
    settle();
    ASSERT_EQ(QApplication::focusWidget(), fiscal);
    key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->fiscalNavigator->button(DataNavigator::First));
    EXPECT_EQ(labels->currentFiscalCode(), a);
    clickAt(fiscal->viewport(), fiscal->visualRect(fiscal->model()->index(0, 0)).center());
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    settle();
    EXPECT_EQ(labels->currentFiscalCode(), a);
    EXPECT_NE(QApplication::focusWidget(), fiscal);

    auto* list = form->printListGrid;
    const QPoint firstVisible(list->columnViewportPosition(0) + 8, 4);
    clickAt(list->viewport(), firstVisible);
    const int row = list->currentIndex().row();
    key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), form->printButton)
        << QApplication::focusWidget()->metaObject()->className();
    clickAt(list->viewport(), firstVisible);
    key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->printButton);
    EXPECT_EQ(list->currentIndex().row(), row);
}

TEST_F(OperatorInputTest, SaveInterruptedByTheCheckBoxReturnsToItsNormalLook) {
    start();
    typeIntoFiscalEdit(kWrongCheck);
    settle();
    const QPoint at = inWindow(form->saveButton);
    // The operator lets go of the button while the box is up: that release never reaches it.
    boxes->beforeAnswer = [&] { QTest::mouseRelease(window(), Qt::LeftButton, {}, at); };
    QTest::mousePress(window(), Qt::LeftButton, {}, at);
    settle();
    ASSERT_FALSE(boxes->texts.isEmpty());
    EXPECT_EQ(form->saveButton->state(), gui::widgets::ButtonState::Up);
    EXPECT_FALSE(form->saveButton->isDragging());
}

TEST_F(OperatorInputTest, YearBoxClampsWhatIsTypedAndShowsIt) {
    start();
    auto typeYear = [&](const char* text) {
        click(form->yearBox);
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_Backspace);
        type(text);
        key(Qt::Key_Tab);
        settle();
    };
    typeYear("1999");
    EXPECT_EQ(form->yearBox->value(), 2001);
    EXPECT_EQ(form->yearBox->text(), QString("2001"));
    typeYear("2200");
    EXPECT_EQ(form->yearBox->value(), 2100);
    typeYear("2050");
    EXPECT_EQ(form->yearBox->value(), 2050);
    typeYear("");
    EXPECT_EQ(form->yearBox->value(), 2001);
    EXPECT_EQ(form->yearBox->text(), QString("2001"));
}

TEST_F(OperatorInputTest, GridsLookAsDescribed) {
    start("AAAAAA85T10A562A\r\n");
    form->seriesButton->click();
    const auto alignment = form->fiscalGrid->model()->index(0, 0).data(Qt::TextAlignmentRole).toInt();
    EXPECT_EQ(alignment & Qt::AlignHCenter, Qt::AlignHCenter);
    for (DataGrid* grid : {form->fiscalGrid, form->printListGrid}) {
        EXPECT_GE(grid->rowHeight(0), QFontMetrics(grid->font()).height() + 2);
        EXPECT_GE(grid->verticalHeader()->width(), 10);  // the indicator column
        const int current = grid->currentIndex().row();
        ASSERT_GE(current, 0);
        EXPECT_FALSE(grid->model()->headerData(current, Qt::Vertical, Qt::DisplayRole).toString().isEmpty());
        if (current > 0) {
            EXPECT_TRUE(grid->model()->headerData(0, Qt::Vertical, Qt::DisplayRole).toString().isEmpty());
        }
    }
    EXPECT_TRUE(qobject_cast<QGroupBox*>(form->seriesLengthGroup));
    EXPECT_TRUE(qobject_cast<QGroupBox*>(form->closingGroup));
}

TEST_F(OperatorInputTest, ReturnAndCtrlCOnTheFiscalGridCopyTheCodeLikeADoubleClick) {
    const std::string a = "AAAAAA85T10A562A", b = "BBBBBB85T10A562B";
    start(a + "\r\n" + b + "\r\n");
    form->fiscalGrid->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Home, Qt::ControlModifier);
    key(Qt::Key_Return);
    EXPECT_EQ(form->inMemoryEdit->text(), QString::fromStdString(a));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromStdString(a));
    key(Qt::Key_Down);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(form->inMemoryEdit->text(), QString::fromStdString(b));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromStdString(b));
    EXPECT_EQ(QApplication::focusWidget(), form->fiscalGrid);
}

TEST_F(OperatorInputTest, WindowSizeButtonsAndTheMonthHaveKeys) {
    start();
    form->saveButton->setEnabled(true);
    form->saveButton->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form->compactButton);
    key(Qt::Key_Space);
    EXPECT_EQ(form->formHeight(), 278);
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form->fullHeightButton);
    key(Qt::Key_Return);
    EXPECT_EQ(form->formHeight(), 768);
    key(Qt::Key_Minus, Qt::AltModifier);
    EXPECT_EQ(form->formHeight(), 278);
    key(Qt::Key_Plus, Qt::AltModifier);
    EXPECT_EQ(form->formHeight(), 768);
    key(Qt::Key_M, Qt::AltModifier);  // the month's caption takes the focus to it
    EXPECT_TRUE(form->monthBox->hasFocus());
}

}  // namespace
