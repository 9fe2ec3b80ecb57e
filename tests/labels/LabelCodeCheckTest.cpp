// One rule for every code on its way into the print list: lower case becomes upper case, and a
// code whose bars would leave out a character is refused naming where it comes from, the code
// and the character; whichever command or file brings it.
#include <gtest/gtest.h>

#include "TempDir.h"
#include "labels/AppError.h"
#include "labels/LabelApp.h"
#include "labels/LabelJob.h"
#include "labels/qt/QtFileLocker.h"

namespace labels {
namespace {

using Lines = std::vector<std::string>;

class LabelCodeRule : public ::testing::Test {
protected:
    LabelCodeRule() : app(dir.path(), locker) {}
    Lines printed() { return printListTexts(app.printList()); }
    template <typename Command>
    std::string refusal(Command command) {
        try {
            command();
        } catch (const AppError& e) {
            return e.what();
        }
        return "";
    }

    testing::TempDir dir;
    labels::qt::QtFileLocker locker;
    LabelApp app;
};

constexpr const char* kCarried = ", che il codice a barre Code39 non pu\xC3\xB2 rappresentare.";

TEST_F(LabelCodeRule, TypedInsertedOrGivenOnTheCommandLineAlike) {
    app.start();
    app.insertLabel("xyz1");
    EXPECT_EQ(printed(), Lines{"XYZ1"});
    EXPECT_EQ(app.printListCode("abc-1", 0), "ABC-1");
    EXPECT_EQ(
        refusal([&] { app.printListCode("q_\xC3\xA9", 1); }),
        std::string("Riga 2 della lista di stampa: il codice \"Q_\xC3\x89\" contiene il carattere \"_\"") +
            kCarried);
    // A pasted line break or tab is shown by its name, not as a break in the message.
    EXPECT_EQ(refusal([&] { app.printListCode("A\nB\tC\xE2\x82\xAC\xC3\xB8", 2); }),
              std::string(
                  "Riga 3 della lista di stampa: il codice \"A[a capo]B[tabulazione]C\xE2\x82\xAC\xC3\x98\" "
                  "contiene il carattere \"[a capo]\"") +
                  kCarried);
    EXPECT_EQ(refusal([&] {
                  app.printListCode(
                      "\xE2\x82\xAC"
                      "1",
                      0);
              }),
              std::string("Riga 1 della lista di stampa: il codice \"\xE2\x82\xAC"
                          "1\" contiene il carattere "
                          "\"\xE2\x82\xAC\"") +
                  kCarried);

    LabelJob free;
    free.kind = LabelKind::Free;
    free.freeCodes = {"ok1", "a*b"};
    EXPECT_EQ(refusal([&] { fillPrintList(app, free); }),
              std::string("Riga 2 della lista di stampa: il codice \"A*B\" contiene il carattere \"*\"") +
                  kCarried);
    free.freeCodes = {"ok1", "ok2"};
    fillPrintList(app, free);
    EXPECT_EQ(printed(), (Lines{"OK1", "OK2"}));
}

TEST_F(LabelCodeRule, CodeFilesAreCheckedWhenTheListIsFilledAndARefusalKeepsTheList) {
    app.start();
    dir.write("ESENZIONI.txt", "e01\r\nE02\r\nx\r\n");
    app.fillExemptions();
    EXPECT_EQ(printed(), (Lines{"E01", "E02"}));

    dir.write("OXY.txt", "OX1\r\nOSSIG\xC8NO\r\n");  // Windows-1252
    EXPECT_EQ(
        refusal([&] { app.fillOxygen(); }),
        std::string("OXY.txt, riga 2: il codice \"OSSIG\xC3\x88NO\" contiene il carattere \"\xC3\x88\"") +
            kCarried);
    EXPECT_EQ(printed(), (Lines{"E01", "E02"}));
    EXPECT_EQ(app.reportKind(), ReportKind::Oxygen);
}

TEST_F(LabelCodeRule, SavedFiscalCodesAreUpperCasedAndCheckedToo) {
    dir.write("cf0.txt", "rssmra85t10a562s\r\n");
    app.start();
    app.fillFiscalCodes();
    EXPECT_EQ(printed(), Lines{"RSSMRA85T10A562S"});
    app.saveFiscalCode("AAA_BBB");
    const Lines before = printed();
    EXPECT_EQ(refusal([&] { app.fillFiscalCodes(); }),
              std::string("Riga 1 della lista di stampa: il codice \"AAA_BBB\" contiene il carattere \"_\"") +
                  kCarried);
    EXPECT_EQ(printed(), before);
}

}  // namespace
}  // namespace labels
