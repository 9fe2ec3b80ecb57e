// The label application's commands over its two lists and the files of its working directory.
#include <gtest/gtest.h>

#include "FileSizeLimit.h"
#include "TempDir.h"
#include "labels/AppError.h"
#include "labels/LabelApp.h"
#include "labels/LabelJob.h"
#include "labels/qt/QtFileLocker.h"

namespace labels {
namespace {

using Lines = std::vector<std::string>;
using testing::FileSizeLimit;
using testing::TempDir;

constexpr const char* kSound = "RSSMRA85T10A562S";

class LabelAppTest : public ::testing::Test {
protected:
    // Starts the application over the directory, as the window does at creation.
    LabelApp& startApp() {
        labelApp = std::make_unique<LabelApp>(dir.path(), locker);
        EXPECT_EQ(labelApp->start(), "");
        return *labelApp;
    }
    Lines printed() { return printListTexts(labelApp->printList()); }
    Lines fiscalList() {
        Lines codes;
        auto& table = labelApp->fiscalCodes();
        for (table.first(); !table.eof(); table.next()) codes.push_back(table.fieldText("codice"));
        return codes;
    }

    TempDir dir;
    labels::qt::QtFileLocker locker;
    std::unique_ptr<LabelApp> labelApp;
};

TEST_F(LabelAppTest, FirstRunCreatesAnEmptyCodeFile) {
    LabelApp& a = startApp();
    EXPECT_TRUE(std::filesystem::exists(dir / "cf0.txt"));
    EXPECT_EQ(dir.read("cf0.txt"), "");
    EXPECT_EQ(a.reportKind(), ReportKind::None);
    EXPECT_FALSE(a.codesDirty());
    EXPECT_FALSE(a.printList().isActive());
    EXPECT_TRUE(a.fiscalCodes().isActive());
}

TEST_F(LabelAppTest, LoadsCodesPastEmptyLinesInIndexOrder) {
    dir.write("cf0.txt", "CCC\r\nAAA\r\nBBB\r\n\r\nDDD\r\n");
    startApp();
    EXPECT_EQ(fiscalList(), (Lines{"AAA", "BBB", "CCC", "DDD"}));
    EXPECT_FALSE(labelApp->codesDirty());
}

TEST_F(LabelAppTest, SeriesAndCalendarReplaceThePrintList) {
    LabelApp& a = startApp();
    a.fillSeries(2019, 2, SeriesLength::Short, ClosingKind::YearBased);
    EXPECT_EQ(a.reportKind(), ReportKind::Series);
    EXPECT_EQ(printed().size(), 54u);
    a.fillSeries(2019, 2, SeriesLength::Long, ClosingKind::AllNines);
    EXPECT_EQ(printed().size(), 162u);
    EXPECT_EQ(printed().back(), "99999");
    a.fillCalendar(2024, 1);
    EXPECT_EQ(a.reportKind(), ReportKind::DatesAndCodes);
    EXPECT_EQ(printed(),
              (Lines{"01/02/2024", "02/02/2024", "03/02/2024", "04/02/2024", "05/02/2024", "06/02/2024",
                     "07/02/2024", "08/02/2024", "09/02/2024", "10/02/2024", "11/02/2024", "12/02/2024",
                     "13/02/2024", "14/02/2024", "15/02/2024", "16/02/2024", "17/02/2024", "18/02/2024",
                     "19/02/2024", "20/02/2024", "21/02/2024", "22/02/2024", "23/02/2024", "24/02/2024",
                     "25/02/2024", "26/02/2024", "27/02/2024", "28/02/2024", "29/02/2024"}));
}

TEST_F(LabelAppTest, YearIsKeptInTheSelectorsRange) {
    LabelApp& a = startApp();
    a.fillCalendar(1999, 0);
    EXPECT_EQ(printed().front(), "01/01/2001");
    a.fillSeries(2200, 0, SeriesLength::Short, ClosingKind::YearBased);
    EXPECT_EQ(printed().back(), "99900");
}

TEST_F(LabelAppTest, NoMonthSelectedSetsReportKindAndKeepsTheList) {
    LabelApp& a = startApp();
    a.fillCalendar(2024, 4);
    const Lines before = printed();
    try {
        a.fillSeries(2024, std::nullopt, SeriesLength::Short, ClosingKind::YearBased);
        ADD_FAILURE();
    } catch (const AppError& e) {
        EXPECT_STREQ(e.what(), "Selezionare un mese");
    }
    EXPECT_EQ(a.reportKind(), ReportKind::Series);
    EXPECT_EQ(printed(), before);
    EXPECT_THROW(a.fillCalendar(2024, std::nullopt), AppError);
    EXPECT_EQ(a.reportKind(), ReportKind::DatesAndCodes);
}

TEST_F(LabelAppTest, CodeFilesFillThePrintList) {
    LabelApp& a = startApp();
    dir.write("ESENZIONI.txt", "E01\r\nE02\r\nE03\r\nE04\r\nE05\r\nX\r\nE06\r\n");
    a.fillExemptions();
    EXPECT_EQ(a.reportKind(), ReportKind::Exemptions);
    EXPECT_EQ(printed(), (Lines{"E01", "E02", "E03", "E04", "E05"}));

    std::string sixty;
    for (int i = 0; i < 60; ++i) sixty += "ABCDEFGHIJKLMNOP\r\n";
    dir.write("OXY.txt", sixty);
    a.fillOxygen();
    EXPECT_EQ(a.reportKind(), ReportKind::Oxygen);
    EXPECT_EQ(printed(), Lines(30, "ABCDEFGHIJK"));
}

TEST_F(LabelAppTest, MissingCodeFileKeepsTheListButChangesReportKind) {
    LabelApp& a = startApp();
    a.fillCalendar(2023, 1);
    const Lines before = printed();
    try {
        a.fillOxygen();
        ADD_FAILURE();
    } catch (const AppError& e) {
        EXPECT_STREQ(
            e.what(),
            "OXY.txt non \xC3\xA8 stato letto: file non trovato. La lista di stampa non \xC3\xA8 cambiata.");
    }
    EXPECT_EQ(a.reportKind(), ReportKind::Oxygen);
    EXPECT_EQ(printed(), before);
    EXPECT_THROW(a.fillExemptions(), AppError);
    EXPECT_EQ(a.reportKind(), ReportKind::Exemptions);
}

TEST_F(LabelAppTest, InsertOpensTheClosedPrintListAndRetriesOnce) {
    LabelApp& a = startApp();
    a.insertLabel("FREE1");
    EXPECT_EQ(a.reportKind(), ReportKind::Series);
    EXPECT_EQ(printed(), Lines{"FREE1"});
    a.insertLabel("");
    EXPECT_EQ(printed(), (Lines{"FREE1", ""}));
    a.reset();
    EXPECT_FALSE(a.printList().isActive());
    EXPECT_EQ(a.reportKind(), ReportKind::Series);
    a.insertLabel("ABCDEFGHIJKLMNOPQRS");
    EXPECT_EQ(printed(), Lines{"ABCDEFGHIJKLMNOP"});
}

// A label whose bars left out a character would scan as another code.
TEST_F(LabelAppTest, InsertRefusesACodeTheSeriesBarsCannotCarryAndChangesNothing) {
    LabelApp& a = startApp();
    a.fillCalendar(2023, 0);
    const Lines before = printed();
    try {
        a.insertLabel("ab_3");
        FAIL() << "inserted";
    } catch (const AppError& e) {
        EXPECT_STREQ(e.what(),
                     "Riga 32 della lista di stampa: il codice \"AB_3\" contiene il carattere \"_\", che il "
                     "codice a barre Code39 non può rappresentare.");
    }
    EXPECT_THROW(a.insertLabel("A*1"), AppError);
    EXPECT_THROW(a.insertLabel("citt\xc3\xa0"), AppError);
    EXPECT_EQ(printed(), before);
    EXPECT_EQ(a.reportKind(), ReportKind::DatesAndCodes);
    a.insertLabel("ab-3 /.$+%");
    EXPECT_EQ(printed().back(), "AB-3 /.$+%");
}

TEST_F(LabelAppTest, ResetKeepsReportKind) {
    LabelApp& a = startApp();
    a.fillCalendar(2023, 0);
    a.reset();
    EXPECT_EQ(a.reportKind(), ReportKind::DatesAndCodes);
    EXPECT_EQ(printed(), Lines{});
}

TEST_F(LabelAppTest, SaveLooksUpOnlySixteenCharacterCodes) {
    dir.write("cf0.txt", std::string(kSound) + "\r\n");
    LabelApp& a = startApp();
    EXPECT_EQ(a.saveFiscalCode(kSound), SaveOutcome::AlreadyPresent);
    EXPECT_FALSE(a.codesDirty());
    EXPECT_EQ(fiscalList().size(), 1u);

    EXPECT_EQ(a.saveFiscalCode("ABCDEFGHIJ"), SaveOutcome::Appended);
    EXPECT_TRUE(a.codesDirty());
    EXPECT_EQ(a.saveFiscalCode("ABCDEFGHIJ"), SaveOutcome::Appended);  // not looked up
    EXPECT_EQ(a.saveFiscalCode("BBBBBBBBBBBBBBBB"), SaveOutcome::Appended);
    EXPECT_EQ(a.saveFiscalCode("BBBBBBBBBBBBBBBB"), SaveOutcome::AlreadyPresent);
    EXPECT_EQ(fiscalList(), (Lines{"ABCDEFGHIJ", "ABCDEFGHIJ", "BBBBBBBBBBBBBBBB", kSound}));
}

TEST_F(LabelAppTest, SaveFindsDuplicatesInALongList) {
    std::string file;
    for (int i = 10; i < 40; ++i) file += "AAAAAAAAAAAAAA" + std::to_string(i) + "\r\n";
    dir.write("cf0.txt", file);
    LabelApp& a = startApp();
    EXPECT_EQ(a.saveFiscalCode("AAAAAAAAAAAAAA25"), SaveOutcome::AlreadyPresent);
    EXPECT_EQ(a.saveFiscalCode("AAAAAAAAAAAAAA99"), SaveOutcome::Appended);
    EXPECT_EQ(fiscalList().size(), 31u);
}

TEST_F(LabelAppTest, PrintFiscalCodesInIndexOrder) {
    dir.write("cf0.txt", "ZZZ\r\nMMM\r\nAAA\r\n");
    LabelApp& a = startApp();
    a.fillCalendar(2023, 0);
    a.fillFiscalCodes();
    EXPECT_EQ(a.reportKind(), ReportKind::DatesAndCodes);
    EXPECT_EQ(printed(), (Lines{"AAA", "MMM", "ZZZ"}));
    EXPECT_TRUE(a.fiscalCodes().eof());
}

TEST_F(LabelAppTest, ExitWritesOnlyWhenTheListChanged) {
    dir.write("cf0.txt", "BBB\r\nAAA\r\n\r\nIGNORED\r\n");
    LabelApp& a = startApp();
    EXPECT_FALSE(a.saveIfDirty());
    a.exitCommand();
    EXPECT_EQ(dir.read("cf0.txt"), "BBB\r\nAAA\r\n\r\nIGNORED\r\n");

    a.saveFiscalCode("");  // an empty code is kept in the list but not written
    a.saveFiscalCode("CCC");
    a.exitCommand();
    EXPECT_EQ(dir.read("cf0.txt"), "AAA\r\nBBB\r\nCCC\r\nIGNORED\r\n");  // nothing of the file lost
}

TEST_F(LabelAppTest, CodeFileIsWrittenBackInTheEncodingItWasReadIn) {
    dir.write("cf0.txt", "\xC8RRRRR85T10A562\r\n");  // È in Windows-1252
    LabelApp& a = startApp();
    EXPECT_EQ(fiscalList(), Lines{"\xC3\x88RRRRR85T10A562"});
    a.saveFiscalCode("AAA");
    a.exitCommand();
    EXPECT_EQ(dir.read("cf0.txt"), "AAA\r\n\xC8RRRRR85T10A562\r\n");

    // A code Windows-1252 cannot hold is refused, naming the character: the file keeps its
    // encoding and loses nothing to '?'.
    try {
        a.saveFiscalCode("\xC5\x81UKASZ\xE2\x82\xAC");  // Ł...€: € is in Windows-1252, Ł is not
        ADD_FAILURE();
    } catch (const AppError& e) {
        EXPECT_NE(std::string(e.what()).find("carattere \"\xC5\x81\""), std::string::npos) << e.what();
    }
    EXPECT_FALSE(a.codesDirty());
    a.saveFiscalCode("\xE2\x82\xACURO");
    a.exitCommand();
    EXPECT_EQ(dir.read("cf0.txt"), "AAA\r\n\xC8RRRRR85T10A562\r\n\x80URO\r\n");
}

TEST_F(LabelAppTest, DeletingACodeIsSavedOnExitAndOnClose) {
    dir.write("cf0.txt", "AAA\r\nBBB\r\nCCC\r\n");
    LabelApp& a = startApp();
    a.seekFiscalCode("BB");
    EXPECT_EQ(a.currentFiscalCode(), "BBB");
    a.deleteCurrentFiscalCode();
    EXPECT_TRUE(a.codesDirty());
    a.onClose();
    EXPECT_EQ(dir.read("cf0.txt"), "AAA\r\nCCC\r\n");
    EXPECT_FALSE(a.codesDirty());
}

TEST_F(LabelAppTest, DeletingFromAnEmptyListDoesNothing) {
    LabelApp& a = startApp();
    a.deleteCurrentFiscalCode();
    EXPECT_FALSE(a.codesDirty());
    EXPECT_EQ(a.currentFiscalCode(), "");
}

TEST_F(LabelAppTest, FailedWriteKeepsTheOldFileAndStaysDirty) {
    dir.write("cf0.txt", "AAA\r\n");
    LabelApp& a = startApp();
    a.saveFiscalCode(std::string(16, 'B'));
    {
        FileSizeLimit limit(4);
        try {
            a.exitCommand();
            ADD_FAILURE();
        } catch (const AppError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("cf0.txt non \xC3\xA8 stato salvato: ", 0), 0u) << e.what();
            EXPECT_NE(std::string(e.what()).find("Il codice nuovo \xC3\xA8 ancora nella lista."),
                      std::string::npos);
        }
    }
    EXPECT_EQ(dir.read("cf0.txt"), "AAA\r\n");
    EXPECT_TRUE(a.codesDirty());
    EXPECT_EQ(dir.fileCount(), 1);
    a.onClose();
    EXPECT_EQ(dir.read("cf0.txt"), "AAA\r\n" + std::string(16, 'B') + "\r\n");
}

TEST_F(LabelAppTest, UnreadableCodeFileIsNeverOverwritten) {
    std::filesystem::create_directory(dir / "cf0.txt");
    labelApp = std::make_unique<LabelApp>(dir.path(), locker);
    EXPECT_NE(labelApp->start(), "");
    labelApp->saveFiscalCode("AAA");
    EXPECT_THROW(labelApp->exitCommand(), AppError);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "cf0.txt"));
}

TEST_F(LabelAppTest, FiscalEditFocusChecksOnlySixteenCharacters) {
    LabelApp& a = startApp();
    const FiscalEditOutcome partial = a.fiscalEditFocusChanged("RSSMRA");
    EXPECT_FALSE(partial.message);
    EXPECT_TRUE(partial.enableSave);
    EXPECT_EQ(partial.editText, "RSSMRA");
    EXPECT_FALSE(partial.clipboardText);  // a partial code leaves the clipboard alone
    EXPECT_TRUE(a.fiscalEditFocusChanged("").enableSave);
    EXPECT_FALSE(a.fiscalEditFocusChanged("").clipboardText);
    EXPECT_FALSE(a.fiscalEditFocusChanged("RSSMRA85T10A56XS").clipboardText);  // faulty: not copied

    const FiscalEditOutcome sound = a.fiscalEditFocusChanged(kSound);
    EXPECT_EQ(sound.message, "Codice fiscale formalmente corretto");
    EXPECT_FALSE(sound.enableSave);
    EXPECT_EQ(sound.clipboardText, kSound);

    const FiscalEditOutcome corrected = a.fiscalEditFocusChanged("RSSMRA85T10A562A");
    ASSERT_TRUE(corrected.message);
    EXPECT_EQ(corrected.message->back(), 'S');
    EXPECT_EQ(corrected.editText, kSound);
    EXPECT_EQ(corrected.clipboardText, kSound);
}

TEST_F(LabelAppTest, FreeJobReplacesTheListWithItsCodes) {
    LabelApp& a = startApp();
    a.fillCalendar(2023, 0);
    LabelJob job;
    job.kind = LabelKind::Free;
    job.freeCodes = {"ONE", "TWO"};
    fillPrintList(a, job);
    EXPECT_EQ(printed(), (Lines{"ONE", "TWO"}));
    EXPECT_EQ(jobReportKind(a, job), ReportKind::Series);
    job.templateOverride = ReportKind::Oxygen;
    EXPECT_EQ(jobReportKind(a, job), ReportKind::Oxygen);
}

}  // namespace
}  // namespace labels
