// Clipboard, per-user settings and message boxes.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/qt/Clipboard.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/UserSettings.h"
#include "tests/support/MessageBoxAnswers.h"

namespace platform::qt {
namespace {

TEST(Clipboard, KeepsTheTextSet) {
    Clipboard::setText("RSSMRA80A01H501U è");
    EXPECT_EQ(Clipboard::text(), "RSSMRA80A01H501U è");
}

TEST(UserSettings, ValuesSurviveAsText) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("user.ini").toStdString();
    {
        UserSettings s(path, "Form\\TfrPreviewForm");
        s.writeInteger("XPosition", -20);
        s.writeBool("Maximized", true);
        s.writeString("Name", "Proprietà");
    }
    UserSettings s(path, "Form/TfrPreviewForm");
    EXPECT_EQ(s.readInteger("XPosition", 0), -20);
    EXPECT_TRUE(s.readBool("Maximized", false));
    EXPECT_EQ(s.readString("Name", ""), "Proprietà");
    EXPECT_EQ(s.readInteger("Missing", 7), 7);
    EXPECT_EQ(s.readString("Name2", "x"), "x");
    s.writeString("Width", "wide");
    EXPECT_EQ(s.readInteger("Width", 640), 640);  // not a number: the fallback
    EXPECT_EQ(s.readString("XPosition", ""), "-20");

    UserSettings other(path, "Form\\Other");
    EXPECT_EQ(other.readInteger("XPosition", 5), 5);
}

TEST(MessageBox, ItalianButtonsAnsweredWithTheMouse) {
    {
        test_support::MessageBoxAnswers answers;
        EXPECT_EQ(showMessage("Codice fiscale formalmente corretto"), MessageResult::Ok);
        showError("Formato FRF non supportato");
        ASSERT_EQ(answers.seen().size(), 2u);
        EXPECT_EQ(answers.seen()[0].text, "Codice fiscale formalmente corretto");
        EXPECT_EQ(answers.seen()[0].buttons, std::vector<std::string>{"OK"});
        EXPECT_EQ(answers.seen()[1].caption, "Errore");
        EXPECT_EQ(answers.seen()[1].icon, QMessageBox::Critical);
    }
    const struct {
        MessageButtons buttons;
        const char* click;
        MessageResult result;
    } cases[] = {
        {MessageButtons::YesNo, "Sì", MessageResult::Yes},
        {MessageButtons::YesNo, "No", MessageResult::No},
        {MessageButtons::YesNoCancel, "Annulla", MessageResult::Cancel},
        {MessageButtons::OkCancel, "OK", MessageResult::Ok},
    };
    for (const auto& c : cases) {
        test_support::MessageBoxAnswers answers(c.click);
        EXPECT_EQ(showMessage(MessageRequest{"Salvare?", "Domanda", MessageIcon::Question, c.buttons}),
                  c.result)
            << c.click;
        ASSERT_EQ(answers.seen().size(), 1u);
        EXPECT_EQ(answers.seen()[0].caption, "Domanda");
    }
}

}  // namespace
}  // namespace platform::qt
