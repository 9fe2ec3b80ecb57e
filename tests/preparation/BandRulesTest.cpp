// The preparation rules beyond the label layouts: which band an object belongs to, the fit
// test at the bottom, page areas and columns, headers and footers, groups, repeated headers,
// counted sources, stretched bands and band columns.
#include <gtest/gtest.h>

#include "preparation/PageArea.h"
#include "tests/preparation/EngineTestSupport.h"

using engine_test::LabelSheet;
using namespace report;
using namespace preparation;

namespace {

std::vector<std::string> names(const std::vector<engine_test::PlacedObject>& objects) {
    std::vector<std::string> out;
    for (const auto& o : objects) out.push_back(o.name);
    return out;
}

std::vector<std::string> texts(LabelSheet& sheet, int page, const std::string& name) {
    std::vector<std::string> out;
    for (const auto& o : sheet.placedNamed(page, name)) out.push_back(o.memo.empty() ? "" : o.memo.front());
    return out;
}

}  // namespace

TEST(PageArea, EdgesComeFromMarginsOrThePrintableArea) {
    Page page;
    page.printerGeometry = {0, 0, 1071, 758, 0, 0, 18, 18, 0, 0, 1035, 722};
    struct Case {
        bool useMargins;
        std::array<int, 4> margins;
        PageArea expected;
    } cases[] = {
        {false, {5, 6, 7, 8}, {0, 0, 1071, 758}},
        {true, {0, 0, 0, 0}, {18, 18, 1053, 740}},
        {true, {30, 40, 50, 60}, {30, 40, 1021, 698}},
        {true, {30, 0, 0, 60}, {30, 18, 1053, 698}},
    };
    for (const Case& c : cases) {
        page.useMargins = c.useMargins;
        page.margins = c.margins;
        const PageArea a = pageAreaOf(page);
        EXPECT_EQ(std::tie(a.left, a.top, a.right, a.bottom),
                  std::tie(c.expected.left, c.expected.top, c.expected.right, c.expected.bottom));
    }
}

TEST(PageArea, ColumnWidthsOfTheLabelSheets) {
    const PageArea area{18, 18, 1053, 740};
    for (auto [columns, width] : {std::pair{6, 166}, {8, 123}, {2, 514}, {4, 253}, {1, 1035}, {0, 1035}})
        EXPECT_EQ(pageColumnWidth(area, columns, 7), width) << columns;
    EXPECT_GT(pageColumnWidth(area, 1 << 30, 1 << 30), -(1 << 30) - 1);  // no overflow
}

TEST(BandRules, ObjectOnTheBandsBottomEdgeBelongsToItOnePixelLowerToNone) {
    LabelSheet sheet;
    sheet.band("DatiMaster1", kBandMasterData, 28, 78, "frDBDataSet1");
    sheet.memo("Edge", 40, 106, 50, 10, "[kb1.\"giorno\"]");
    sheet.memo("Below", 40, 107, 50, 10, "fixed");
    sheet.fill(3);
    ASSERT_TRUE(sheet.prepare());
    const auto edge = sheet.placedNamed(0, "Edge");
    ASSERT_EQ(edge.size(), 3u);
    EXPECT_EQ(edge[0].top, 18 + 78);
    EXPECT_EQ(edge[1].top, 18 + 78 + 78);
    const auto below = sheet.placedNamed(0, "Below");
    ASSERT_EQ(below.size(), 1u);
    EXPECT_EQ(below[0].top, 107);
}

TEST(BandRules, BandExactlyReachingTheBottomIsPlacedOnePixelMoreMovesOn) {
    for (auto [height, rows] : {std::pair{361, 2}, {362, 1}}) {  // 18 + 2 * 361 = 740
        LabelSheet sheet(1);
        sheet.band("D", kBandMasterData, 0, height, "frDBDataSet1");
        sheet.memo("M", 10, 0, 50, 10, "[kb1.\"giorno\"]");
        sheet.fill(2);
        ASSERT_TRUE(sheet.prepare());
        EXPECT_EQ(static_cast<int>(sheet.placedNamed(0, "M").size()), rows) << height;
    }
}

TEST(BandRules, BandTallerThanThePageDoesNotPushOutBlankPages) {
    LabelSheet sheet(2);
    sheet.band("D", kBandMasterData, 0, 900, "frDBDataSet1");
    sheet.memo("M", 10, 0, 50, 10, "[kb1.\"giorno\"]");
    sheet.fill(3);
    ASSERT_TRUE(sheet.prepare());
    ASSERT_EQ(sheet.pages.count(), 2);
    EXPECT_EQ(sheet.placedNamed(0, "M").size(), 2u);
    EXPECT_EQ(sheet.placedNamed(1, "M").size(), 1u);
}

TEST(BandRules, CountedSourcePrintsItsBandThatManyTimes) {
    LabelSheet sheet(1);
    sheet.band("D", kBandMasterData, 0, 20, "5");
    sheet.memo("M", 10, 0, 50, 10, "x");
    ASSERT_TRUE(sheet.prepare());
    EXPECT_EQ(sheet.placedNamed(0, "M").size(), 5u);
}

TEST(BandRules, HeaderAndFooterFrameTheDataOnce) {
    LabelSheet sheet(1);
    sheet.band("H", kBandMasterHeader, 0, 20);
    sheet.band("D", kBandMasterData, 30, 20, "frDBDataSet1");
    sheet.band("F", kBandMasterFooter, 60, 20);
    sheet.memo("HeaderText", 10, 0, 50, 10, "head");
    sheet.memo("Row", 10, 30, 50, 10, "[kb1.\"giorno\"]");
    sheet.memo("FooterText", 10, 60, 50, 10, "foot");
    sheet.fill(2);
    ASSERT_TRUE(sheet.prepare());
    EXPECT_EQ(names(sheet.placed(0)), (std::vector<std::string>{"HeaderText", "Row", "Row", "FooterText"}));
    const auto rows = sheet.placed(0);
    EXPECT_EQ(rows[0].top, 18);
    EXPECT_EQ(rows[1].top, 38);
    EXPECT_EQ(rows[3].top, 78);
}

TEST(BandRules, EmptyDataShowsNeitherHeaderNorFooter) {
    LabelSheet sheet(1);
    sheet.band("H", kBandMasterHeader, 0, 20);
    sheet.band("D", kBandMasterData, 30, 20, "frDBDataSet1");
    sheet.band("F", kBandMasterFooter, 60, 20);
    sheet.memo("HeaderText", 10, 0, 50, 10, "head");
    sheet.memo("FooterText", 10, 60, 50, 10, "foot");
    ASSERT_TRUE(sheet.prepare());
    EXPECT_EQ(sheet.pages.count(), 1);
    EXPECT_TRUE(sheet.placed(0).empty());
}

TEST(BandRules, NotPrintingWhenEmptyGivesNoPage) {
    LabelSheet sheet;
    sheet.layoutExemptions();
    PrepareOptions options;
    options.printIfEmpty = false;
    ASSERT_TRUE(sheet.prepare(options));
    EXPECT_EQ(sheet.pages.count(), 0);
    sheet.fill(1);
    ASSERT_TRUE(sheet.prepare(options));
    EXPECT_EQ(sheet.pages.count(), 1);
}

TEST(BandRules, GroupsShowHeaderAndFooterAroundEachRunOfEqualValues) {
    LabelSheet sheet(1);
    auto& header = sheet.band("G", kBandGroupHeader, 0, 20);
    header.formatText = "Copy([kb1.\"giorno\"], 1, 1)";
    sheet.band("D", kBandMasterData, 30, 20, "frDBDataSet1");
    sheet.band("GF", kBandGroupFooter, 60, 20);
    sheet.memo("Head", 10, 0, 50, 10, "[kb1.\"giorno\"]");
    sheet.memo("Row", 10, 30, 50, 10, "[kb1.\"giorno\"]");
    sheet.memo("Foot", 10, 60, 50, 10, "end");
    for (const char* t : {"A1", "A2", "B1", "C1", "C2"}) sheet.add(t);
    ASSERT_TRUE(sheet.prepare());
    ASSERT_TRUE(sheet.errors.messages.empty()) << sheet.errors.messages.front();
    EXPECT_EQ(names(sheet.placed(0)), (std::vector<std::string>{"Head", "Row", "Row", "Foot", "Head", "Row",
                                                                "Foot", "Head", "Row", "Row", "Foot"}));
    EXPECT_EQ(texts(sheet, 0, "Head"), (std::vector<std::string>{"A1", "B1", "C1"}));
}

TEST(BandRules, RepeatHeaderShowsTheLevelHeaderInEveryNewColumn) {
    for (bool repeat : {false, true}) {
        LabelSheet sheet(2);
        sheet.band("H", kBandMasterHeader, 0, 40, "",
                   static_cast<std::uint16_t>(repeat ? kBandRepeatHeader : 0));
        sheet.band("D", kBandMasterData, 50, 100, "frDBDataSet1");
        sheet.memo("Head", 10, 0, 50, 10, "head");
        sheet.memo("Row", 10, 50, 50, 10, "[kb1.\"giorno\"]");
        sheet.fill(14);  // (740 - 18 - 40) / 100 = 6 in the first column
        ASSERT_TRUE(sheet.prepare());
        const auto heads = sheet.placedNamed(0, "Head");
        ASSERT_EQ(heads.size(), repeat ? 2u : 1u);
        const auto rows = sheet.placedNamed(0, "Row");
        EXPECT_EQ(rows[6].top, repeat ? 18 + 40 : 18);
        EXPECT_EQ(rows[6].left, 10 + 514 + 7);
        if (repeat) {
            EXPECT_EQ(heads[1].left, 10 + 514 + 7);
            EXPECT_EQ(sheet.placedNamed(1, "Head").size(), 1u);
        }
    }
}

TEST(BandRules, PageFooterSitsAtTheBottomLimitOfEveryPage) {
    LabelSheet sheet(1);
    sheet.band("D", kBandMasterData, 0, 100, "frDBDataSet1");
    sheet.band("PF", kBandPageFooter, 700, 30);
    sheet.memo("Row", 10, 0, 50, 10, "[kb1.\"giorno\"]");
    sheet.memo("Foot", 10, 700, 50, 10, "Pagina [PAGE#]");
    sheet.fill(8);  // 740 - 30 = 710: six rows a page
    ASSERT_TRUE(sheet.prepare());
    ASSERT_EQ(sheet.pages.count(), 2);
    EXPECT_EQ(sheet.placedNamed(0, "Row").size(), 6u);
    for (int p = 0; p < 2; ++p) {
        const auto foot = sheet.placedNamed(p, "Foot");
        ASSERT_EQ(foot.size(), 1u) << p;
        EXPECT_EQ(foot[0].top, 710);
        EXPECT_EQ(foot[0].memo.front(), "Pagina " + std::to_string(p + 1));
    }
}

TEST(BandRules, StretchedBandGrowsToItsTallestText) {
    LabelSheet sheet(1);
    sheet.band("D", kBandMasterData, 0, 20, "frDBDataSet1", kBandStretched);
    auto& text = sheet.memo("Text", 0, 0, 40, 20, "[kb1.\"giorno\"]");
    text.flags = kFlagStretched | kMemoWordWrap;
    sheet.memo("Next", 100, 0, 40, 10, "n");
    sheet.add("uno due tre quattro cinque sei sette otto nove dieci");
    sheet.add("x");
    ASSERT_TRUE(sheet.prepare());
    const auto next = sheet.placedNamed(0, "Next");
    ASSERT_EQ(next.size(), 2u);
    EXPECT_GT(next[1].top - next[0].top, 20);
}

TEST(BandRules, BandColumnsPlaceShowingsSideBySide) {
    LabelSheet sheet(1);
    auto& band = sheet.band("D", kBandMasterData, 0, 30, "frDBDataSet1");
    band.columns = 3;
    band.columnWidth = 200;
    band.columnGap = 20;
    sheet.memo("M", 10, 0, 50, 10, "[kb1.\"giorno\"]");
    sheet.fill(4);
    ASSERT_TRUE(sheet.prepare());
    const auto m = sheet.placedNamed(0, "M");
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(std::make_pair(m[0].left, m[0].top), std::make_pair(10, 18));
    EXPECT_EQ(std::make_pair(m[1].left, m[1].top), std::make_pair(230, 18));
    EXPECT_EQ(std::make_pair(m[2].left, m[2].top), std::make_pair(450, 18));
    EXPECT_EQ(std::make_pair(m[3].left, m[3].top), std::make_pair(10, 48));
}

TEST(BandRules, ChildBandFollowsItsParent) {
    LabelSheet sheet(1);
    auto& data = sheet.band("D", kBandMasterData, 0, 20, "frDBDataSet1");
    data.childBand = "C";
    sheet.band("C", kBandChild, 100, 15);
    sheet.memo("Row", 10, 0, 50, 10, "[kb1.\"giorno\"]");
    sheet.memo("Under", 10, 100, 50, 10, "under");
    sheet.fill(2);
    ASSERT_TRUE(sheet.prepare());
    const auto placed = sheet.placed(0);
    EXPECT_EQ(names(placed), (std::vector<std::string>{"Row", "Under", "Row", "Under"}));
    EXPECT_EQ(placed[1].top, 38);
    EXPECT_EQ(placed[2].top, 53);
}

TEST(BandRules, ChildChainThatLoopsEnds) {
    LabelSheet sheet(1);
    auto& data = sheet.band("D", kBandMasterData, 0, 20, "frDBDataSet1");
    data.childBand = "C1";
    sheet.band("C1", kBandChild, 100, 5).childBand = "C2";
    sheet.band("C2", kBandChild, 200, 5).childBand = "C1";
    sheet.fill(1);
    EXPECT_TRUE(sheet.prepare());
    EXPECT_EQ(sheet.pages.count(), 1);
}

TEST(BandRules, BreakableBandSplitsItsObjectsOverColumns) {
    LabelSheet sheet(2);
    sheet.band("D", kBandMasterData, 0, 400, "frDBDataSet1", kBandBreakable);
    sheet.memo("Top", 10, 0, 50, 10, "[kb1.\"giorno\"]");
    sheet.memo("Low", 10, 380, 50, 10, "low");
    sheet.fill(2);  // the second band starts at 418, its "Low" part cannot fit below 740
    ASSERT_TRUE(sheet.prepare());
    const auto tops = sheet.placedNamed(0, "Top");
    const auto lows = sheet.placedNamed(0, "Low");
    ASSERT_EQ(tops.size(), 2u);
    ASSERT_EQ(lows.size(), 2u);
    EXPECT_EQ(tops[1].top, 418);
    EXPECT_EQ(lows[1].left, 10 + 514 + 7);
    EXPECT_LT(lows[1].top, 418);
}
