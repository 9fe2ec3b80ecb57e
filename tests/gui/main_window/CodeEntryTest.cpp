// Entering codes through the real window: what reaches the clipboard, what "Salva" takes into a
// Windows-1252 cf0.txt, a multi-line paste into "Barcode Liberi", where the focus goes after
// "Inserisci", and how small the window may get. Real key and mouse events, real boxes.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <filesystem>

#include "gui/main_window/DataGrid.h"
#include "gui/main_window/Dialogs.h"
#include "gui/main_window/MainWindow.h"
#include "gui/widgets/FlatButtons.h"
#include "gui/widgets/FlatEdit.h"
#include "tests/gui/main_window/MainWindowFixture.h"
#include "tests/gui/main_window/OperatorActions.h"
#include "tests/support/MessageBoxAnswers.h"

using main_window_test::OperatorActions;
using main_window_test::readFile;
using test_support::MessageBoxAnswers;

namespace {

class CodeEntryTest : public main_window_test::MainWindowFixture<gui::main_window::MessageBoxDialogs> {
protected:
    std::vector<std::string> printList() const { return OperatorActions::rows(form->printListGrid); }
    std::vector<std::string> fiscalList() const { return OperatorActions::rows(form->fiscalGrid); }
    OperatorActions act{form};
};

// Entering "Registra e controllo" empty, or leaving it with a partial or faulty code, leaves
// what another program copied; a complete code that passed the check (corrected) replaces it.
TEST_F(CodeEntryTest, OnlyACompleteCheckedCodeReplacesTheClipboard) {
    start();
    MessageBoxAnswers answers;  // OK on the check's boxes
    QGuiApplication::clipboard()->setText("COPIED ELSEWHERE");
    act.click(form->fiscalEdit);  // empty
    act.settle();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("COPIED ELSEWHERE"));
    act.type("RSSMRA");
    act.key(Qt::Key_Tab);  // partial
    act.settle();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("COPIED ELSEWHERE"));
    EXPECT_TRUE(answers.seen().empty());

    act.click(form->fiscalEdit);
    act.key(Qt::Key_End);
    act.type("85T10A56X1");  // 16 characters, a letter where the town's digits go
    act.key(Qt::Key_Tab);
    act.settle();
    ASSERT_EQ(answers.seen().size(), 1u);
    EXPECT_EQ(answers.seen()[0].text, "ERRORE CITTA");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("COPIED ELSEWHERE"));

    act.click(form->fiscalEdit);  // checked again on entry: still faulty
    act.settle();
    act.activateAgain();
    act.key(Qt::Key_A, Qt::ControlModifier);
    act.type("RSSMRA85T10A562A");  // only the check letter is wrong: corrected to S
    act.key(Qt::Key_Tab);
    act.settle();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("RSSMRA85T10A562S"));
    EXPECT_EQ(form->inMemoryEdit->text(), QString("RSSMRA85T10A562S"));
}

// A Windows-1252 cf0.txt takes only codes that encoding holds: "Salva" names the character it
// cannot, stores nothing, and the file is written back in Windows-1252.
TEST_F(CodeEntryTest, SaveRefusesACharacterTheFilesEncodingCannotHold) {
    const std::string oldFile = "\xC8RRRRR85T10A562\r\n";  // È in Windows-1252
    start(oldFile);
    MessageBoxAnswers answers;
    act.click(form->fiscalEdit);
    act.type(QString::fromUtf8("łukasz€"));
    act.click(form->saveButton);
    act.settle();
    ASSERT_EQ(answers.seen().size(), 1u);
    EXPECT_EQ(
        answers.seen()[0].text,
        "Il codice \"ŁUKASZ€\" contiene il carattere \"Ł\", che cf0.txt (scritto in Windows-1252) non può "
        "contenere: il codice non è stato salvato.");
    EXPECT_EQ(fiscalList().size(), 1u);
    EXPECT_EQ(form->fiscalEdit->text(), QString::fromUtf8("ŁUKASZ€"));  // kept for correcting

    act.click(form->fiscalEdit);
    act.key(Qt::Key_A, Qt::ControlModifier);
    act.type(QString::fromUtf8("€URO"));
    act.click(form->saveButton);
    act.click(form->exitButton);
    QTRY_VERIFY(!form->isVisible());
    EXPECT_EQ(readFile(dir / "cf0.txt"), oldFile + "\x80URO\r\n");
}

// Text of several lines pasted into "Barcode Liberi" (Ctrl+V, Shift+Ins) gives one label per
// line, each checked; a line the bars cannot carry refuses the whole paste, naming the line.
TEST_F(CodeEntryTest, MultiLinePasteInsertsOneCodePerLineOrRefusesItAll) {
    start();
    MessageBoxAnswers answers;
    QGuiApplication::clipboard()->setText("abc123\r\nDEF456\n\n  GHI789 \n");
    act.click(form->freeCodeEdit);
    act.key(Qt::Key_V, Qt::ControlModifier);
    act.settle();
    EXPECT_EQ(printList(), (std::vector<std::string>{"ABC123", "DEF456", "GHI789"}));
    EXPECT_TRUE(form->freeCodeEdit->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), form->freeCodeEdit);

    QGuiApplication::clipboard()->setText("JKL\nMN_O\nPQR");
    act.key(Qt::Key_Insert, Qt::ShiftModifier);
    act.settle();
    ASSERT_EQ(answers.seen().size(), 1u);
    const std::string refusal = answers.seen()[0].text;
    EXPECT_EQ(refusal.rfind("Testo incollato, riga 2: il codice \"MN_O\" contiene il carattere \"_\"", 0), 0u)
        << refusal;
    EXPECT_EQ(refusal.find('\n'), std::string::npos);
    EXPECT_EQ(printList().size(), 3u);  // nothing of it inserted

    QGuiApplication::clipboard()->setText("ONE LINE");  // no line break: an ordinary paste
    act.key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->freeCodeEdit->text(), QString("ONE LINE"));
}

// After "Inserisci" by its Alt key or by a quick click, the next code goes into the edit.
TEST_F(CodeEntryTest, InsertGivesTheFocusBackToTheFreeCodeEdit) {
    start();
    act.click(form->freeCodeEdit);
    act.type("ONE");
    act.key(Qt::Key_N, Qt::AltModifier);
    act.settle();
    act.type("TWO");
    act.key(Qt::Key_N, Qt::AltModifier);
    act.settle();
    EXPECT_EQ(printList(), (std::vector<std::string>{"ONE", "TWO"}));
    EXPECT_EQ(QApplication::focusWidget(), form->freeCodeEdit);

    act.type("THREE");
    act.click(form->insertFreeCodeButton);  // no event processing since the last key
    act.type("FOUR");
    act.settle();
    EXPECT_EQ(printList().back(), "THREE");
    EXPECT_EQ(form->freeCodeEdit->text(), QString("FOUR"));
}

// However small the operator drags it, ESCI and "+" (which gives the full height back) stay
// inside the window.
TEST_F(CodeEntryTest, TheWindowKeepsExitAndFullHeightInReach) {
    start();
    form->resize(120, 60);
    act.settle();
    const QRect window = form->rect();
    for (QWidget* button :
         {static_cast<QWidget*>(form->exitButton), static_cast<QWidget*>(form->fullHeightButton)}) {
        const QRect at(button->mapTo(form.get(), QPoint(0, 0)), button->size());
        EXPECT_TRUE(window.contains(at)) << button->objectName().toStdString();
    }
    form->compactButton->click();  // "-" still gives its compact height
    EXPECT_EQ(form->formHeight(), gui::main_window::kCompactHeight);
}

}  // namespace
