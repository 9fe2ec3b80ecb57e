// A preparation run as a whole: progress and cancel, the error message, two passes, the date
// kept for the run, and the show step after success and failure.
#include <gtest/gtest.h>

#include <stdexcept>

#include "preparation/ProgressTexts.h"
#include "preparation/ReportProgress.h"
#include "report/ObjectRegistry.h"
#include "tests/preparation/EngineTestSupport.h"

using engine_test::LabelSheet;
using namespace report;
using namespace preparation;

namespace {

// A progress window that records what it shows and cancels at a chosen page.
class ScriptedWindow : public ProgressDisplay {
public:
    int cancelAtPage = 0;
    std::vector<std::string> shown;
    std::string caption;
    ReportProgress* progress = nullptr;

    void run(ReportProgress& p, const std::string& c, const std::string& status,
             const std::function<void()>& work) override {
        progress = &p;
        caption = c;
        shown.push_back(status);
        work();
    }
    void setStatus(const std::string& status) override { shown.push_back(status); }
    void processPendingMessages() override {
        if (cancelAtPage > 0 && static_cast<int>(shown.size()) >= cancelAtPage) progress->terminate();
    }
};

// An object whose printing fails, as a broken expression or add-in would.
class FailingView : public View {
public:
    static constexpr const char* kClassName = "TTestFailingView";
    std::string className() const override { return kClassName; }
    bool print(PrintContext&) override { throw std::runtime_error("guasto di prova"); }
};

struct FailingRegistration {
    FailingRegistration() {
        registerAddIn(FailingView::kClassName, [] { return std::make_unique<FailingView>(); });
    }
    ~FailingRegistration() { unregisterAddIn(FailingView::kClassName); }
};

class Viewer : public PreparedPagesViewer {
public:
    int shown = -1;
    void showPreparedPages(Report&, prepared::PreparedPages& pages) override { shown = pages.count(); }
};

}  // namespace

TEST(PreparationRun, StatusLineCountsPagesAndCancelStopsAndClears) {
    LabelSheet sheet;
    sheet.layoutSeries();
    sheet.fill(54 * 4);
    ScriptedWindow window;
    PrepareOptions options;
    options.progressDisplay = &window;
    options.title = "Serie";
    ASSERT_TRUE(prepare(sheet.report, sheet.pages, options));
    EXPECT_EQ(window.caption, "Preparazione report - Serie");
    EXPECT_EQ(window.shown, (std::vector<std::string>{"Elaborazione pagina:  1", "Elaborazione pagina:  2",
                                                      "Elaborazione pagina:  3", "Elaborazione pagina:  4"}));

    window.shown.clear();
    window.cancelAtPage = 2;
    EXPECT_FALSE(prepare(sheet.report, sheet.pages, options));
    EXPECT_EQ(sheet.pages.count(), 0);
    EXPECT_EQ(window.shown.size(), 2u);
    EXPECT_TRUE(sheet.errors.messages.empty());
    // The template came back whole: the next run prepares normally.
    window.cancelAtPage = 0;
    EXPECT_TRUE(prepare(sheet.report, sheet.pages, options));
    EXPECT_EQ(sheet.pages.count(), 4);
}

TEST(PreparationRun, ProgressHandlerOrHiddenProgressNeverShowsTheWindow) {
    LabelSheet sheet;
    sheet.layoutSeries();
    sheet.fill(54 * 2 + 1);
    ScriptedWindow window;
    std::vector<int> pages;
    PrepareOptions options;
    options.progressDisplay = &window;
    options.onProgress = [&](int page) { pages.push_back(page); };
    ASSERT_TRUE(prepare(sheet.report, sheet.pages, options));
    EXPECT_EQ(pages, (std::vector<int>{2, 3}));
    EXPECT_TRUE(window.shown.empty());

    options.onProgress = nullptr;
    options.showProgress = false;
    ASSERT_TRUE(prepare(sheet.report, sheet.pages, options));
    EXPECT_TRUE(window.shown.empty());
}

TEST(PreparationRun, ProgressTextsWithAndWithoutTotal) {
    EXPECT_EQ(progressCaption(""), "Preparazione report");
    EXPECT_EQ(preparationBaseText(true), "Esecuzione primo passaggio:");
    EXPECT_EQ(printingBaseText(), "Stampa pagina:");
    EXPECT_EQ(progressStatus("Stampa pagina:", 3), "Stampa pagina:  3");
    EXPECT_EQ(progressStatus("Elaborazione pagina:", 2, 7), "Elaborazione pagina:  2 from 7");
}

TEST(PreparationRun, FailingObjectStopsWithTheComposedMessageAndNoPages) {
    FailingRegistration registration;
    LabelSheet sheet;
    sheet.layoutSeries();
    auto failing = std::make_unique<FailingView>();
    failing->setName("Guasto1");
    failing->memo = {"riga uno", "riga due"};
    failing->top = 40;
    failing->width = 10;
    failing->height = 10;
    sheet.page->addObject(std::move(failing));
    sheet.fill(3);
    Viewer viewer;
    PrepareOptions options;
    options.progressDisplay = nullptr;
    EXPECT_FALSE(prepareAndShow(sheet.report, sheet.pages, &viewer, options));
    EXPECT_EQ(viewer.shown, 0);
    ASSERT_EQ(sheet.errors.messages.size(), 1u);
    EXPECT_EQ(sheet.errors.messages[0],
              "Si è verificato un errore durante i calcoli\rriga uno\rriga due\r\rReport: frReport1\r"
              "Oggetto: Guasto1\rguasto di prova");
}

TEST(PreparationRun, DataSourceThatIsNoDatasetIsReported) {
    LabelSheet sheet;
    sheet.band("DatiMaster1", kBandMasterData, 28, 78, "kb1");  // a memory table, not a report dataset
    sheet.fill(2);
    EXPECT_FALSE(sheet.prepare());
    ASSERT_EQ(sheet.errors.messages.size(), 1u);
    EXPECT_EQ(sheet.errors.messages[0].rfind("Si è verificato un errore durante i calcoli", 0), 0u);
    EXPECT_NE(sheet.errors.messages[0].find("Invalid class typecast"), std::string::npos);
}

TEST(PreparationRun, PrepareAndShowShowsAfterSuccess) {
    LabelSheet sheet;
    sheet.layoutSeries();
    sheet.fill(60);
    Viewer viewer;
    PrepareOptions options;
    options.progressDisplay = nullptr;
    EXPECT_TRUE(prepareAndShow(sheet.report, sheet.pages, &viewer, options));
    EXPECT_EQ(viewer.shown, 2);
}

TEST(PreparationRun, TwoPassesKnowTheTotalAndTheDateStaysForTheRun) {
    LabelSheet sheet(1);
    sheet.report.twoPass = true;
    sheet.band("PH", kBandPageHeader, 0, 20, "", kBandOnFirstPage);
    sheet.memo("Head", 10, 0, 300, 10, "[PAGE#]/[TOTALPAGES] [DATE] [TIME]");
    sheet.band("D", kBandMasterData, 30, 100, "frDBDataSet1");
    sheet.fill(20);  // 7 rows a page below the header: 3 pages
    ScriptedWindow window;
    PrepareOptions options;
    options.progressDisplay = &window;
    ASSERT_TRUE(prepare(sheet.report, sheet.pages, options));
    ASSERT_EQ(sheet.pages.count(), 3);
    EXPECT_EQ(window.shown.front(), "Esecuzione primo passaggio:  1");
    EXPECT_EQ(window.shown.back(), "Elaborazione pagina:  3 from 3");
    std::string firstStamp;
    for (int p = 0; p < 3; ++p) {
        const auto head = sheet.placedNamed(p, "Head");
        ASSERT_EQ(head.size(), 1u);
        const std::string text = head[0].memo.front();
        EXPECT_EQ(text.substr(0, 4), std::to_string(p + 1) + "/3 ");
        if (p == 0) firstStamp = text.substr(4);
        EXPECT_EQ(text.substr(4), firstStamp);
    }
}

namespace {

// Every object printed on every page: name, place, size and text.
std::vector<std::string> layoutOf(LabelSheet& sheet) {
    std::vector<std::string> out;
    for (int p = 0; p < sheet.pages.count(); ++p)
        for (const auto& o : sheet.placed(p)) {
            std::string line = std::to_string(p) + " " + o.name + " " + std::to_string(o.left) + "," +
                               std::to_string(o.top) + " " + std::to_string(o.width) + "x" +
                               std::to_string(o.height);
            for (const auto& text : o.memo) line += " " + text;
            out.push_back(line);
        }
    return out;
}

// A sheet whose objects all sit below their band's top, so that a second binding of
// band-relative tops would put them in other bands (or none).
void buildFooteredSheet(LabelSheet& sheet, bool twoPass) {
    sheet.report.twoPass = twoPass;
    sheet.band("DatiMaster1", kBandMasterData, 40, 100, "frDBDataSet1");
    sheet.bar(28, 48, 54);
    sheet.memo("Row", 10, 110, 100, 20, "[kb1.\"giorno\"]");
    sheet.band("Piede", kBandPageFooter, 600, 40);
    sheet.memo("Foot", 10, 610, 300, 20, "[PAGE#]/[TOTALPAGES]");
    sheet.fill(8);  // 5 rows a page: 2 pages
}

}  // namespace

TEST(PreparationRun, TheFinalOfTwoPassesLaysOutAsOnePassWithTheTotalKnown) {
    LabelSheet once(1);
    buildFooteredSheet(once, false);
    ASSERT_TRUE(once.prepare());
    LabelSheet twice(1);
    buildFooteredSheet(twice, true);
    ASSERT_TRUE(twice.prepare());
    ASSERT_EQ(twice.pages.count(), once.pages.count());
    ASSERT_EQ(twice.pages.count(), 2);

    std::vector<std::string> expected = layoutOf(once);
    // Without the counting pass the total is unknown; otherwise the pages are the same.
    for (std::string& line : expected)
        for (const char* page : {"1/", "2/"})
            if (const auto at = line.find(std::string(" ") + page + "0"); at != std::string::npos)
                line.replace(at, 4, std::string(" ") + page + "2");
    EXPECT_EQ(layoutOf(twice), expected);
    int rows = 0;
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(twice.placedNamed(p, "Foot").size(), 1u) << p;
        EXPECT_EQ(twice.placedNamed(p, "Foot").at(0).memo.front(), std::to_string(p + 1) + "/2");
        rows += static_cast<int>(twice.placedNamed(p, "Bar1").size());
    }
    EXPECT_EQ(rows, 8);
}
