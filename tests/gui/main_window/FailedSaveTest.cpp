// Leaving the program when cf0.txt cannot be written (a full disk, a read-only folder, a
// read-only cf0.txt, a cf0.txt that could not be read at start): the operator is told in
// Italian what was not saved and why, may retry, keep the new codes on the clipboard or in a
// file, or leave after a confirmation, and cf0.txt stays byte for byte as it was. Real
// windows and boxes, answered through the event loop, by mouse and by keyboard.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "gui/main_window/DataGrid.h"
#include "gui/main_window/DataNavigator.h"
#include "gui/main_window/Dialogs.h"
#include "gui/main_window/MainWindow.h"
#include "gui/widgets/FlatButtons.h"
#include "gui/widgets/FlatEdit.h"
#include "tests/gui/main_window/MainWindowFixture.h"
#include "tests/gui/main_window/OperatorActions.h"
#include "tests/gui/main_window/ScratchDisk.h"
#include "tests/support/MessageBoxAnswers.h"

namespace fs = std::filesystem;
using main_window_test::readFile;
using test_support::MessageBoxAnswers;

namespace {

constexpr const char* kOldList = "AAAAAA11A11A111A\r\nBBBBBB22B22B222B\r\n";

class FailedSaveTest : public main_window_test::MainWindowFixture<gui::main_window::MessageBoxDialogs> {
protected:
    fs::path workDir() const override { return disk.empty() ? dir : dir / "disk"; }
    void TearDown() override {
        form.reset();
        labels.reset();
        scratchDisk.unmount();
        MainWindowFixture::TearDown();
    }
    // The working folder on a 16 KB disk of its own, holding the old list.
    bool onSmallDisk() {
        if (!scratchDisk.mount(dir / "disk", "16k")) return false;
        disk = "disk";
        std::ofstream(workDir() / "cf0.txt", std::ios::binary) << kOldList;
        return true;
    }
    // "Salva" with a short code (no check box comes up for it).
    void saveCode(const char* code) {
        act.click(form->fiscalEdit);
        act.type(code);
        act.click(form->saveButton);
        act.settle();
    }
    void waitUntilClosed() { QTRY_VERIFY_WITH_TIMEOUT(!form->isVisible(), 5000); }
    // Every box had a title, and none kept the operator from leaving once asked.
    static void expectTitled(const MessageBoxAnswers& answers) {
        for (const auto& box : answers.seen()) EXPECT_FALSE(box.caption.empty()) << box.text;
    }
    std::vector<std::string> filesInWorkDir() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(workDir())) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

    main_window_test::ScratchDisk scratchDisk;
    std::string disk;
    main_window_test::OperatorActions act{form};
};

// In the order the platform's layout puts them.
std::vector<std::string> sorted(std::vector<std::string> texts) {
    std::sort(texts.begin(), texts.end());
    return texts;
}
const std::vector<std::string> kFailedSaveButtons =
    sorted({"&Riprova", "&Copia negli appunti", "Salva in un &file...", "&Esci senza salvare", "&Annulla"});

TEST_F(FailedSaveTest, FullDiskKeepsCf0AndTheOperatorLeavesAfterRetryingAndConfirming) {
    if (!onSmallDisk()) GTEST_SKIP() << "mounting a small disk needs root";
    scratchDisk.fill();
    MessageBoxAnswers answers({"Riprova", "Esci senza salvare", "No", "Esci senza salvare", "Sì"});
    start();
    saveCode("NEW1");
    act.click(form->exitButton);
    waitUntilClosed();

    ASSERT_EQ(answers.seen().size(), 5u);
    const std::string failure =
        "cf0.txt non è stato salvato: disco pieno. Il codice nuovo è ancora nella lista.";
    EXPECT_EQ(answers.seen()[0].text, failure);
    EXPECT_EQ(sorted(answers.seen()[0].buttons), kFailedSaveButtons);
    EXPECT_EQ(answers.seen()[1].text, failure);  // the retry failed alike
    EXPECT_EQ(answers.seen()[2].text, "Uscire senza salvare? Il codice nuovo non sarà salvato in cf0.txt.");
    EXPECT_EQ(answers.seen()[3].text, failure);  // "No" went back to the choice
    expectTitled(answers);
    EXPECT_EQ(readFile(workDir() / "cf0.txt"), kOldList);
    EXPECT_EQ(filesInWorkDir(), (std::vector<std::string>{"cf0.txt", "filler", "filler-tail"}));
}

TEST_F(FailedSaveTest, RetryOnceTheDiskHasRoomSavesAndCloses) {
    if (!onSmallDisk()) GTEST_SKIP() << "mounting a small disk needs root";
    scratchDisk.fill();
    MessageBoxAnswers answers({"Riprova", "Riprova"});
    start();
    saveCode("NEW1");
    // While the box is up the operator deletes a file elsewhere: a retry then saves.
    QTimer roomMaker;
    QObject::connect(&roomMaker, &QTimer::timeout, [&] {
        if (answers.seen().empty()) return;
        scratchDisk.makeRoom();
        roomMaker.stop();
    });
    roomMaker.start(1);
    form->close();  // the title bar's close button
    waitUntilClosed();
    ASSERT_FALSE(answers.seen().empty());
    EXPECT_EQ(answers.seen()[0].text,
              "cf0.txt non è stato salvato: disco pieno. Il codice nuovo è ancora nella lista.");
    EXPECT_EQ(readFile(workDir() / "cf0.txt"), std::string(kOldList) + "NEW1\r\n");
}

TEST_F(FailedSaveTest, ReadOnlyFolderKeepsTheNewCodesOnTheClipboardAndInAFile) {
    if (!onSmallDisk() || !scratchDisk.makeReadOnly()) GTEST_SKIP() << "mounting a small disk needs root";
    const fs::path kept = dir / "kept.txt";
    MessageBoxAnswers answers({"Copia negli appunti", "Salva in un file...", "Esci senza salvare", "Sì"});
    answers.answerFileDialogsWith(kept.string());
    start();
    saveCode("NEW1");
    saveCode("NEW2");
    form->close();
    waitUntilClosed();

    ASSERT_EQ(answers.seen().size(), 4u);
    EXPECT_EQ(
        answers.seen()[0].text,
        "cf0.txt non è stato salvato: disco in sola lettura. I 2 codici nuovi sono ancora nella lista.");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "NEW1\nNEW2\n");
    EXPECT_NE(answers.seen()[1].informativeText.find("I 2 codici nuovi sono stati copiati negli appunti."),
              std::string::npos);
    EXPECT_EQ(answers.fileDialogsSeen(), 1);
    EXPECT_EQ(readFile(kept), "NEW1\r\nNEW2\r\n");
    EXPECT_NE(
        answers.seen()[2].informativeText.find("I 2 codici nuovi sono stati salvati in " + kept.string()),
        std::string::npos);
    EXPECT_EQ(answers.seen()[3].text,
              "Uscire senza salvare? I 2 codici nuovi non saranno salvati in cf0.txt.");
    expectTitled(answers);
    EXPECT_EQ(readFile(workDir() / "cf0.txt"), kOldList);
}

// cf0.txt that is a folder: refused at start with its cause; the codes saved meanwhile are
// never written over it, and the operator leaves by keyboard alone.
TEST_F(FailedSaveTest, UnreadableCodeFileIsNeverReplacedAndTheKeyboardLeaves) {
    fs::create_directory(dir / "cf0.txt");
    MessageBoxAnswers answers({"", "Esci senza salvare", "Sì"});
    answers.answerWithKeys(true);
    start();
    saveCode("NEW1");
    act.key(Qt::Key_E, Qt::AltModifier);  // "ESCI"
    waitUntilClosed();

    ASSERT_EQ(answers.seen().size(), 3u);
    EXPECT_EQ(answers.seen()[0].text,
              "cf0.txt non è stato letto: è una cartella. La lista dei codici fiscali non sarà salvata in "
              "cf0.txt, per non perdere quello che contiene.");
    EXPECT_EQ(answers.seen()[1].text,
              "cf0.txt non è stato salvato: all'avvio non era stato letto (è una cartella), e riscriverlo "
              "perderebbe quello che contiene. Il codice nuovo è ancora nella lista.");
    expectTitled(answers);
    EXPECT_TRUE(fs::is_directory(dir / "cf0.txt"));
}

// Once the new code is deleted again there is nothing left to save: the window just closes.
TEST_F(FailedSaveTest, DeletingTheNewCodeLetsTheWindowCloseWithoutAsking) {
    std::ofstream(dir / "cf0.txt", std::ios::binary) << "AB\x01\x02";  // binary: not read
    MessageBoxAnswers answers({"", "Annulla", "Sì"});
    start();
    saveCode("NEW1");
    act.click(form->exitButton);  // the failed save: "Annulla" goes back to the window
    QTRY_COMPARE(answers.seen().size(), 2u);
    act.settle();
    ASSERT_TRUE(form->isVisible());
    act.click(form->searchEdit);
    act.type("NEW1");  // the grid moves to the code
    act.click(form->fiscalNavigator->button(gui::main_window::DataNavigator::Remove));  // "Sì"
    QTRY_COMPARE(answers.seen().size(), 3u);
    act.click(form->exitButton);
    waitUntilClosed();
    EXPECT_EQ(answers.seen().size(), 3u);
    EXPECT_EQ(readFile(dir / "cf0.txt"), "AB\x01\x02");
}

// A cf0.txt without write permission (here owned by another user, in a writable folder) is
// not replaced: it keeps its bytes, mode and owner.
TEST_F(FailedSaveTest, ReadOnlyCodeFileIsNotReplaced) {
    start(kOldList);
    const fs::path file = dir / "cf0.txt";
    ::chmod(file.c_str(), 0444);
    const bool otherOwner = ::getuid() == 0 && ::chown(file.c_str(), 65534, 65534) == 0;
    MessageBoxAnswers answers({"Esci senza salvare", "Sì"});
    saveCode("NEW1");
    act.click(form->exitButton);
    waitUntilClosed();

    ASSERT_FALSE(answers.seen().empty());
    EXPECT_EQ(
        answers.seen()[0].text,
        "cf0.txt non è stato salvato: il file è in sola lettura. Il codice nuovo è ancora nella lista.");
    EXPECT_EQ(readFile(file), kOldList);
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0444u);
    if (otherOwner) {
        EXPECT_EQ(info.st_uid, 65534u);
    }
}

}  // namespace
