// The template a print list prints on: every symbol must fit its label, measured on the
// templates' real geometry, or the list moves to the plain template with wider labels, or is
// refused naming the code.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "TempDir.h"
#include "labels/AppError.h"
#include "labels/LabelApp.h"
#include "labels/LabelReports.h"
#include "labels/LabelSlots.h"
#include "labels/PrintTemplateChoice.h"
#include "labels/qt/QtFileLocker.h"

namespace labels {
namespace {

const char* const kFiscal[] = {"RSSMRA85T10A562S", "GLLPLA75C12L211V", "BNCGNN80A01H501U"};

struct Choice : ::testing::Test {
    Choice() : app(dir.path(), locker), reports(app.printList(), &app.fiscalCodes(), errors) {}

    PrintTemplate choose(ReportKind chosen, bool mayMove = true) {
        return choosePrintTemplate(reports, app.printList(), chosen, mayMove);
    }
    std::string refusal(ReportKind chosen, bool mayMove) {
        try {
            choose(chosen, mayMove);
        } catch (const AppError& e) {
            return e.what();
        }
        return "";
    }
    // Right edge of the first label's symbol as it is drawn, against the label's right edge.
    std::pair<int, int> drawnAndLabelRight(ReportKind kind) {
        const int n = static_cast<int>(kind);
        preparation::PrepareOptions options;
        options.progressDisplay = nullptr;
        EXPECT_TRUE(reports.prepare(n, options));
        auto& pages = reports.pages(n);
        pages.loadObjects(0);
        int drawnRight = 0;
        for (const auto& o : pages.page(0).loadedPage->objects())
            if (o->name() == "Bar1") {
                const report::ViewBox drawn = o->drawnBox();
                drawnRight = drawn.left + drawn.width;
                break;
            }
        pages.page(0).loadedPage.reset();
        const LabelSlot label = labelSlots(reports.report(n)).front();
        return {drawnRight, label.left + label.width};
    }

    testing::TempDir dir;
    report::CollectingErrorReporter errors;
    labels::qt::QtFileLocker locker;
    LabelApp app;
    LabelReports reports;
};

TEST_F(Choice, AMixedListMovesToTheTemplateWhereEveryCodeFitsAndSaysWhy) {
    app.fillSeries(2026, 11, SeriesLength::Short, ClosingKind::YearBased);
    EXPECT_EQ(choose(ReportKind::Series).kind, ReportKind::Series);  // 10-digit codes fit
    EXPECT_EQ(choose(ReportKind::Series).notice, "");

    for (const char* code : kFiscal) app.insertLabel(code);
    const PrintTemplate moved = choose(ReportKind::Series);
    EXPECT_EQ(moved.kind, ReportKind::DatesAndCodes);
    EXPECT_EQ(
        moved.notice,
        "Il codice \"RSSMRA85T10A562S\" (riga 55) e altri 2 codici non entrano nelle etichette del "
        "modello Codici (6 colonne, 54 etichette per foglio): il codice a barre \xC3\xA8 largo 64,6 mm, "
        "l'etichetta 46,0 mm. La lista viene stampata sul modello Calendario e codici fiscali (4 "
        "colonne, 36 etichette per foglio), dove ogni codice entra: caricare i fogli di etichette di "
        "quel modello.");

    // Named by the operator (the command line's --template), the template is kept or refused.
    const std::string refused = refusal(ReportKind::Series, false);
    EXPECT_NE(refused.find("\"RSSMRA85T10A562S\" (riga 55)"), std::string::npos) << refused;
    EXPECT_NE(refused.find("Accorciare il codice"), std::string::npos) << refused;
}

TEST_F(Choice, TemplatesWithAHeadingNeverMoveAndRefuseNamingTheCode) {
    dir.write("ESENZIONI.txt", "E01\r\nE02\r\nABCDEFGH\r\nX\r\n");
    app.fillExemptions();
    EXPECT_EQ(refusal(ReportKind::Exemptions, true),
              "Il codice \"ABCDEFGH\" (riga 3) non entra nelle etichette del modello Codici Esenzioni (8 "
              "colonne, 64 etichette per foglio): il codice a barre \xC3\xA8 largo 35,8 mm, l'etichetta "
              "34,1 mm. Accorciare il codice o toglierlo dalla lista di stampa.");
    dir.write("ESENZIONI.txt", "E01\r\nABCDEFG\r\nX\r\n");
    app.fillExemptions();
    EXPECT_EQ(choose(ReportKind::Exemptions).kind, ReportKind::Exemptions);
}

// The check measures what is drawn: the longest code it lets through ends inside its label,
// one character more would cross into the next label.
TEST_F(Choice, TheLongestCodeThatPassesIsTheLongestThatDrawsInsideItsLabel) {
    const std::pair<ReportKind, std::size_t> kinds[] = {{ReportKind::Series, 10},
                                                        {ReportKind::Exemptions, 7},
                                                        {ReportKind::Oxygen, 16},
                                                        {ReportKind::DatesAndCodes, 16}};
    for (const auto& [kind, longest] : kinds) {
        SCOPED_TRACE(static_cast<int>(kind));
        std::size_t length = 1;
        for (;; ++length) {
            app.reset();
            app.insertLabel(std::string(length, 'W'));
            if (firstCodeTooWide(reports.report(static_cast<int>(kind)), app.printList()) || length > 16)
                break;
        }
        EXPECT_EQ(length - 1, longest);
        if (length > 16) continue;  // the whole label field fits
        const auto [tooWideRight, labelRight] = drawnAndLabelRight(kind);
        EXPECT_GT(tooWideRight, labelRight);
        app.reset();
        app.insertLabel(std::string(length - 1, 'W'));
        const auto [fittingRight, sameLabelRight] = drawnAndLabelRight(kind);
        EXPECT_LE(fittingRight, sameLabelRight);
    }
}

TEST_F(Choice, ACodeTheBarsCannotCarryIsRefusedBeforePrintingNamingItsRow) {
    app.insertLabel("OK1");
    auto& list = app.printList();
    list.append();
    list.setFieldText("giorno", "xyz1");  // past the rule, as a damaged list would be
    list.post();
    EXPECT_EQ(refusal(ReportKind::Series, true),
              "Riga 2 della lista di stampa: il codice \"xyz1\" contiene il carattere \"x\", che il codice a "
              "barre Code39 non pu\xC3\xB2 rappresentare.");
}

}  // namespace
}  // namespace labels
