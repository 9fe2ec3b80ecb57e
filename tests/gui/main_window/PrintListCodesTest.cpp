// What reaches the paper from the print list, through the real window: codes typed or pasted
// into the grid's cells and read from code files follow the one rule of every code; a list
// whose codes are too long for the chosen labels prints where they fit, and every label
// scans; a row added by Down and left empty never prints. Key and mouse events go through the
// window, message boxes are real and answered through the event loop; "quick" variants send
// the last key and the click with no event processing between.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <memory>
#include <set>

#include "export/qt/PreparedPageOutput.h"
#include "gui/main_window/CheckedPrintHandler.h"
#include "gui/main_window/DataGrid.h"
#include "gui/main_window/Dialogs.h"
#include "gui/main_window/MainWindow.h"
#include "gui/widgets/FlatButtons.h"
#include "gui/widgets/FlatEdit.h"
#include "labels/LabelJob.h"
#include "labels/LabelReports.h"
#include "tests/gui/main_window/MainWindowFixture.h"
#include "tests/support/MessageBoxAnswers.h"

namespace {

using labels::ReportKind;
using Texts = std::vector<std::string>;

const char* const kFiscal[] = {"RSSMRA85T10A562S", "GLLPLA75C12L211V", "BNCGNN80A01H501U",
                               "VRDLGU70M15F205X", "NREMRC90B22L219K", "BLUANN65D45G273Z"};
const char* const kSeries[] = {"2612000013", "2612000024", "2612000035",
                               "2612000046", "2612000057", "2612000068"};

std::string runCommand(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
        ::pclose(pipe);
    }
    return out;
}

class PrintListCodes : public main_window_test::MainWindowFixture<gui::main_window::MessageBoxDialogs> {
protected:
    // "Stampa Su Carta " as the program wires it, with the sheets prepared where the preview
    // would show them; what was printed is kept.
    void beforeStartUp() override {
        reports = std::make_unique<labels::LabelReports>(labels->printList(), &labels->fiscalCodes(), errors);
        form->setPrintHandler(gui::main_window::checkedPrintHandler(
            *reports, labels->printList(), dialogs, [this](ReportKind kind, QWidget*) {
                printedKind = kind;
                printed = labels::printListTexts(labels->printList());
                preparation::PrepareOptions options;
                options.progressDisplay = nullptr;
                ASSERT_TRUE(reports->prepare(static_cast<int>(kind), options));
            }));
    }
    void afterShown() override { boxes = std::make_unique<test_support::MessageBoxAnswers>(); }
    void beforeWindowCloses() override { boxes.reset(); }

    QWindow* window() const { return form->windowHandle(); }
    QPoint inWindow(QWidget* w, QPoint local) const { return w->mapTo(form.get(), local); }
    void click(QWidget* w) {
        QTest::mouseClick(window(), Qt::LeftButton, {}, inWindow(w, w->rect().center()));
    }
    void key(int k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(window(), Qt::Key(k), m); }
    // Key presses carrying each character, as a keyboard sends accented letters too.
    void type(const QString& text) {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::KeyAction::Click, window(), Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
    }
    void settle() { QTest::qWait(60); }
    // The offscreen platform has no window manager to give the window back its activation
    // when a box closes; a desktop does.
    void backFromTheBox() {
        settle();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    QPoint cellCentre(int row) {
        auto* grid = form->printListGrid;
        grid->scrollTo(grid->model()->index(row, 0));
        return inWindow(grid->viewport(), grid->visualRect(grid->model()->index(row, 0)).center());
    }
    void clickRow(int row) { QTest::mouseClick(window(), Qt::LeftButton, {}, cellCentre(row)); }
    void doubleClickRow(int row) { QTest::mouseDClick(window(), Qt::LeftButton, {}, cellCentre(row)); }
    int rows() const { return form->printListGrid->model()->rowCount(); }
    std::string row(int r) const { return labels->printList().fieldTextAt(r, 0); }

    // Keyboard only: Tab through the window's controls until the print list has the focus.
    void tabIntoTheGrid() {
        for (int i = 0; i < 40 && QApplication::focusWidget() != form->printListGrid; ++i) key(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), form->printListGrid);
    }
    // Keyboard only: Tab to the free-code edit, type the code, Alt+N ("Inserisci").
    void insertByKeyboard(const QString& code) {
        for (int i = 0; i < 40 && QApplication::focusWidget() != form->freeCodeEdit; ++i) key(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), form->freeCodeEdit);
        type(code);
        key(Qt::Key_N, Qt::AltModifier);
        settle();
    }
    std::string lastBox() const { return boxes->seen().empty() ? "" : boxes->seen().back().text; }

    // The sheets just printed, rendered at `dpi` and read by a real scanner, one set per sheet.
    std::multiset<std::string> scannedLabels(int dpi) {
        std::string error;
        std::vector<std::string> files;
        const std::string path = (dir / "sheet.png").string();
        EXPECT_TRUE(export_::qt::writePagesPng(reports->pages(static_cast<int>(printedKind)), path, dpi,
                                               error, &files))
            << error;
        std::multiset<std::string> codes;
        for (const std::string& file : files) {
            std::string line;
            for (char c : runCommand("zbarimg --raw -q '" + file + "' 2>/dev/null")) {
                if (c != '\n') {
                    line += c;
                } else if (!line.empty()) {
                    codes.insert(line);
                    line.clear();
                }
            }
        }
        return codes;
    }

    report::CollectingErrorReporter errors;
    std::unique_ptr<labels::LabelReports> reports;
    std::unique_ptr<test_support::MessageBoxAnswers> boxes;
    ReportKind printedKind = ReportKind::None;
    Texts printed;
};

constexpr const char* kCannotCarry = ", che il codice a barre Code39 non può rappresentare.";

// Keyboard only: codes typed into new rows of the grid are stored upper case; one with a
// character the bars cannot carry is refused naming its row, the code and the character.
TEST_F(PrintListCodes, TypedCellsFollowTheCodeRuleKeyboardOnly) {
    start();
    insertByKeyboard("AB1");
    tabIntoTheGrid();
    key(Qt::Key_Down);
    type("xyz1");
    key(Qt::Key_Return);
    settle();
    ASSERT_EQ(rows(), 2);
    EXPECT_EQ(row(1), "XYZ1");

    key(Qt::Key_Down);
    type(QStringLiteral("q_é"));
    key(Qt::Key_Return);
    settle();
    EXPECT_EQ(lastBox(),
              std::string("Riga 3 della lista di stampa: il codice \"Q_É\" contiene il carattere \"_\"") +
                  kCannotCarry);
    backFromTheBox();
    EXPECT_TRUE(form->printListGrid->isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == form->printListGrid);  // the keyboard goes on in the grid
    key(Qt::Key_P, Qt::AltModifier);                                  // "Stampa Su Carta "
    settle();
    EXPECT_EQ(printed, (Texts{"AB1", "XYZ1"}));
    EXPECT_EQ(scannedLabels(150), (std::multiset<std::string>{"AB1", "XYZ1"}));  // the bars read as the text
}

// A text pasted into a cell: the line break and tab that the bars would leave out refuse it.
TEST_F(PrintListCodes, APastedCellWithALineBreakIsRefused) {
    start();
    form->freeCodeEdit->setText("AB1");
    click(form->insertFreeCodeButton);
    QGuiApplication::clipboard()->setText(QStringLiteral("A\nB\tC€ø"));
    doubleClickRow(0);
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_V, Qt::ControlModifier);
    key(Qt::Key_Return);
    settle();
    EXPECT_EQ(lastBox(),
              std::string("Riga 1 della lista di stampa: il codice \"A[a capo]B[tabulazione]C€Ø\" contiene "
                          "il carattere \"[a capo]\"") +
                  kCannotCarry);
    EXPECT_EQ(row(0), "AB1");
    click(form->printButton);
    settle();
    EXPECT_EQ(printed, Texts{"AB1"});
}

// A bad code typed into a cell and "Stampa Su Carta " clicked before the window processed the
// keys: the refusal comes first and the bad code never prints.
TEST_F(PrintListCodes, QuickClickOnPrintAfterABadCellNeverPrintsIt) {
    start();
    form->freeCodeEdit->setText("AB1");
    click(form->insertFreeCodeButton);
    doubleClickRow(0);
    settle();
    key(Qt::Key_A, Qt::ControlModifier);
    type("xy_2");
    click(form->printButton);  // no event processing since the last key
    settle();
    EXPECT_EQ(lastBox(),
              std::string("Riga 1 della lista di stampa: il codice \"XY_2\" contiene il carattere \"_\"") +
                  kCannotCarry);
    EXPECT_EQ(row(0), "AB1");
    for (const std::string& text : printed) EXPECT_EQ(text, "AB1");
    click(form->printButton);
    settle();
    EXPECT_EQ(printed, Texts{"AB1"});
}

// A Windows-1252 "OSSIGÈNO" in OXY.txt: refused when the list is filled, naming file and line.
TEST_F(PrintListCodes, ACodeFileWithAnUncarriedLetterIsRefusedWhenTheListIsFilled) {
    start();
    std::ofstream(dir / "OXY.txt", std::ios::binary) << "OX1\r\nOSSIG\xC8NO\r\n";
    std::ofstream(dir / "ESENZIONI.txt", std::ios::binary) << "e01\r\ne02\r\nX\r\n";
    click(form->exemptionsButton);
    settle();
    EXPECT_EQ(labels::printListTexts(labels->printList()), (Texts{"E01", "E02"}));
    click(form->printButton);
    settle();
    EXPECT_EQ(scannedLabels(150), (std::multiset<std::string>{"E01", "E02"}));
    key(Qt::Key_O, Qt::AltModifier);  // "Codici Ossigeno"
    settle();
    EXPECT_EQ(lastBox(), std::string("OXY.txt, riga 2: il codice \"OSSIGÈNO\" contiene il carattere \"È\"") +
                             kCannotCarry);
    EXPECT_EQ(labels::printListTexts(labels->printList()), (Texts{"E01", "E02"}));
}

// Fiscal codes inserted before series codes would overprint the next column's labels on the
// series sheet: the list prints on the fiscal-code labels, the operator is told, every label scans.
TEST_F(PrintListCodes, LongCodesPrintWhereTheyFitAndEveryLabelScans) {
    start();
    for (const char* code : kFiscal) insertByKeyboard(code);
    for (const char* code : kSeries) insertByKeyboard(code);
    key(Qt::Key_P, Qt::AltModifier);
    settle();
    EXPECT_EQ(printedKind, ReportKind::DatesAndCodes);
    EXPECT_EQ(lastBox().rfind("Il codice \"RSSMRA85T10A562S\" (riga 1) e altri 5 codici non entrano nelle "
                              "etichette del modello Codici (6 colonne",
                              0),
              0u)
        << lastBox();
    std::multiset<std::string> expected(std::begin(kSeries), std::end(kSeries));
    expected.insert(std::begin(kFiscal), std::end(kFiscal));
    EXPECT_EQ(scannedLabels(150), expected);
}

// The same with the mouse, on a list whose codes all fit: no word, the series labels.
TEST_F(PrintListCodes, CodesThatFitKeepTheChosenTemplateMouseOnly) {
    start();
    for (const char* code : kSeries) {
        form->freeCodeEdit->setText(code);
        click(form->insertFreeCodeButton);
    }
    const std::size_t boxesBefore = boxes->seen().size();
    click(form->printButton);
    settle();
    EXPECT_EQ(printedKind, ReportKind::Series);
    EXPECT_EQ(boxes->seen().size(), boxesBefore);
    EXPECT_EQ(scannedLabels(150), std::multiset<std::string>(std::begin(kSeries), std::end(kSeries)));
}

// Keyboard only: Down past the last row adds one row at a time; left empty it is dropped
// (moving up, Tab, the print key); typed into, it stays. An empty label inserted on purpose
// prints.
TEST_F(PrintListCodes, ARowAddedByDownAndLeftEmptyIsDroppedKeyboardOnly) {
    start();
    insertByKeyboard("A1");
    tabIntoTheGrid();
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(rows(), 2);
    key(Qt::Key_Up);
    EXPECT_EQ(rows(), 1);
    key(Qt::Key_Down);
    key(Qt::Key_Tab);
    EXPECT_EQ(rows(), 1);

    tabIntoTheGrid();
    key(Qt::Key_Down);
    type("b2");
    key(Qt::Key_Return);
    key(Qt::Key_Down);
    settle();
    EXPECT_EQ(rows(), 3);
    key(Qt::Key_P, Qt::AltModifier);
    settle();
    EXPECT_EQ(printed, (Texts{"A1", "B2"}));
    EXPECT_EQ(rows(), 2);

    insertByKeyboard("");  // an empty label on purpose
    key(Qt::Key_P, Qt::AltModifier);
    settle();
    EXPECT_EQ(printed, (Texts{"A1", "B2", ""}));
}

// With the mouse: a click on another row, or on "Stampa Su Carta " at once after Down, leaves
// the new row; nothing empty prints.
TEST_F(PrintListCodes, ARowAddedByDownIsDroppedByAClickElsewhereAndAQuickPrint) {
    start();
    for (const char* code : {"A1", "B2"}) {
        form->freeCodeEdit->setText(code);
        click(form->insertFreeCodeButton);
    }
    clickRow(1);
    key(Qt::Key_Down);
    ASSERT_EQ(rows(), 3);
    clickRow(0);
    settle();
    EXPECT_EQ(rows(), 2);

    clickRow(1);
    key(Qt::Key_Down);
    click(form->printButton);  // no event processing since the key
    settle();
    EXPECT_EQ(printed, (Texts{"A1", "B2"}));
    EXPECT_EQ(rows(), 2);
}

}  // namespace
