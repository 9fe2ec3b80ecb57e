// "Inserisci" with a code the series template's bars cannot carry: the operator sees a message
// box naming the code and the character, and nothing is inserted. Driven with real key and
// mouse events and the real message box, answered through the event loop.
#include <gtest/gtest.h>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "gui/main_window/DataGrid.h"
#include "gui/main_window/Dialogs.h"
#include "gui/main_window/MainWindow.h"
#include "gui/widgets/FlatButtons.h"
#include "gui/widgets/FlatEdit.h"
#include "labels/LabelApp.h"
#include "labels/qt/QtFileLocker.h"
#include "tests/gui/main_window/MainWindowFixture.h"

namespace {

class InsertRefusal : public main_window_test::MainWindowFixture<gui::main_window::MessageBoxDialogs> {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        start();
    }
    int rows() const { return form->printListGrid->model()->rowCount(); }

    // Answers the next message box with Enter once it shows, keeping its text.
    void answerNextMessage() {
        shownMessage.clear();
        auto* poll = new QTimer(form.get());
        QObject::connect(poll, &QTimer::timeout, poll, [this, poll] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            shownMessage = box->text();
            QTest::keyClick(box, Qt::Key_Return);
            poll->deleteLater();
        });
        poll->start(20);
    }
    // Key presses carrying each character, as a keyboard sends accented letters too.
    static void typeText(QWidget* widget, const QString& text) {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::KeyAction::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void typeIntoFreeCode(const QString& text) {
        QTest::mouseClick(form->freeCodeEdit, Qt::LeftButton);
        QTest::keyClick(form->freeCodeEdit, Qt::Key_A, Qt::ControlModifier);
        typeText(form->freeCodeEdit, text);
    }

    QString shownMessage;
};

TEST_F(InsertRefusal, ACodeWithAnUncarriedCharacterShowsAMessageAndInsertsNothing) {
    typeIntoFreeCode(QStringLiteral("ab1"));
    QTest::mouseClick(form->insertFreeCodeButton, Qt::LeftButton);
    ASSERT_EQ(rows(), 1);  // typed lower case, upper-cased by the edit, and carried
    EXPECT_EQ(form->printListGrid->model()->index(0, 0).data().toString(), QStringLiteral("AB1"));

    typeIntoFreeCode(QStringLiteral("città_1"));
    EXPECT_EQ(form->freeCodeEdit->text(), QStringLiteral("CITTÀ_1"));
    answerNextMessage();
    QTest::mouseClick(form->insertFreeCodeButton, Qt::LeftButton);
    QTRY_VERIFY(!shownMessage.isEmpty());
    EXPECT_EQ(shownMessage,
              QStringLiteral("Riga 2 della lista di stampa: il codice \"CITTÀ_1\" contiene il carattere "
                             "\"À\", che il codice a barre Code39 non può rappresentare."));
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(form->freeCodeEdit->text(), QStringLiteral("CITTÀ_1"));  // kept for correcting
}

// Typing and clicking before the window processes any of it gives the same refusal.
TEST_F(InsertRefusal, QuickClickAfterTypingIsRefusedAlike) {
    QTest::mouseClick(form->freeCodeEdit, Qt::LeftButton);
    answerNextMessage();
    typeText(form->freeCodeEdit, QStringLiteral("a_2"));
    QTest::mouseClick(form->insertFreeCodeButton, Qt::LeftButton);
    QTRY_VERIFY(!shownMessage.isEmpty());
    EXPECT_TRUE(shownMessage.contains(QStringLiteral("\"_\""))) << shownMessage.toStdString();
    EXPECT_EQ(rows(), 0);
}

}  // namespace
