// The label templates' layouts prepared on the virtual printer's A4 landscape sheet: rows per
// column, labels per sheet, where the barcodes land, and what an empty list gives.
#include <gtest/gtest.h>

#include "tests/preparation/EngineTestSupport.h"

using engine_test::LabelSheet;

namespace {

struct SheetCase {
    const char* name;
    int pageColumns;
    void (LabelSheet::*layout)();
    int rowsPerColumn;
    int labelsPerSheet;
};

const SheetCase kSheets[] = {
    {"series", 6, &LabelSheet::layoutSeries, 9, 54},
    {"exemptions", 8, &LabelSheet::layoutExemptions, 8, 64},
    {"oxygen", 2, &LabelSheet::layoutOxygen, 7, 14},
    {"calendar", 4, &LabelSheet::layoutCalendar, 9, 36},
};

}  // namespace

TEST(LabelSheets, EachTemplateFillsItsSheetAndStartsTheNextWithOneMoreLabel) {
    for (const SheetCase& c : kSheets) {
        SCOPED_TRACE(c.name);
        LabelSheet sheet(c.pageColumns);
        (sheet.*c.layout)();
        sheet.fill(c.labelsPerSheet);
        ASSERT_TRUE(sheet.prepare());
        EXPECT_EQ(sheet.pages.count(), 1);
        const auto bars = sheet.placedNamed(0, "Bar1");
        ASSERT_EQ(static_cast<int>(bars.size()), c.labelsPerSheet);
        // Column 0 holds the first rowsPerColumn labels, top to bottom; column 1 starts at the top again.
        EXPECT_LT(bars[c.rowsPerColumn - 1].top, 740);
        EXPECT_EQ(bars[c.rowsPerColumn].top, bars[0].top);
        EXPECT_GT(bars[c.rowsPerColumn].left, bars[0].left);
        EXPECT_EQ(bars.back().memo.front(), "L" + std::to_string(c.labelsPerSheet));

        sheet.fill(c.labelsPerSheet + 1);
        ASSERT_TRUE(sheet.prepare());
        ASSERT_EQ(sheet.pages.count(), 2);
        const auto second = sheet.placedNamed(1, "Bar1");
        ASSERT_EQ(second.size(), 1u);
        EXPECT_EQ(second[0].top, bars[0].top);
        EXPECT_EQ(second[0].left, bars[0].left);
    }
}

TEST(LabelSheets, SeriesOf54_108_162LabelsFillsOneTwoThreeSheets) {
    LabelSheet sheet;
    sheet.layoutSeries();
    for (auto [labels, sheets] : {std::pair{54, 1}, {108, 2}, {162, 3}, {1, 1}, {55, 2}}) {
        sheet.fill(labels);
        ASSERT_TRUE(sheet.prepare());
        EXPECT_EQ(sheet.pages.count(), sheets) << labels;
    }
}

TEST(LabelSheets, SeriesBarcodesSitOnTheColumnAndRowGrid) {
    LabelSheet sheet;
    sheet.layoutSeries();
    sheet.fill(54);
    ASSERT_TRUE(sheet.prepare());
    const auto bars = sheet.placedNamed(0, "Bar1");
    ASSERT_EQ(bars.size(), 54u);
    for (int k = 0; k < 6; ++k)
        for (int r = 0; r < 9; ++r) {
            const auto& b = bars[static_cast<std::size_t>(k * 9 + r)];
            EXPECT_EQ(b.left, 28 + k * 173) << k << "," << r;
            EXPECT_EQ(b.top, 26 + r * 78) << k << "," << r;
            EXPECT_EQ(b.height, 54);
        }
}

TEST(LabelSheets, ExemptionsAndOxygenRepeatTheirHeaderOnEverySheet) {
    for (const SheetCase& c : {kSheets[1], kSheets[2]}) {
        SCOPED_TRACE(c.name);
        LabelSheet sheet(c.pageColumns);
        (sheet.*c.layout)();
        sheet.fill(2 * c.labelsPerSheet + 1);
        ASSERT_TRUE(sheet.prepare());
        ASSERT_EQ(sheet.pages.count(), 3);
        for (int p = 0; p < 3; ++p) {
            const auto header = sheet.placedNamed(p, "Memo1");
            ASSERT_EQ(header.size(), 1u);
            EXPECT_EQ(header[0].left, 344);
            EXPECT_EQ(header[0].top, 22);  // 4 below the band, which starts at Top 18
        }
    }
}

TEST(LabelSheets, RulesAndTicksFollowEachBarcode) {
    LabelSheet exemptions(8);
    exemptions.layoutExemptions();
    exemptions.fill(9);
    ASSERT_TRUE(exemptions.prepare());
    const auto rules = exemptions.placedNamed(0, "Line1");
    ASSERT_EQ(rules.size(), 9u);
    EXPECT_EQ(rules[0].left, 16);
    EXPECT_EQ(rules[0].top, 54 + 80);
    EXPECT_EQ(rules[8].left, 16 + 123 + 7);
    EXPECT_EQ(rules[8].top, 54 + 80);

    LabelSheet oxygen(2);
    oxygen.layoutOxygen();
    oxygen.fill(8);
    ASSERT_TRUE(oxygen.prepare());
    const auto ticks = oxygen.placedNamed(0, "Line2");
    ASSERT_EQ(ticks.size(), 8u);
    EXPECT_EQ(ticks[1].top, 98 + 90);
    EXPECT_EQ(ticks[7].left, 20 + 514 + 7);
}

TEST(LabelSheets, EmptyListGivesOneSheetWithOnlyTheFixedParts) {
    struct Expected {
        const SheetCase& sheet;
        std::vector<std::string> names;
    };
    const Expected cases[] = {
        {kSheets[0], {}},
        {kSheets[1], {"Memo1"}},
        {kSheets[2], {"Memo2", "Memo6", "Memo3", "Memo4", "Memo1"}},
        {kSheets[3], {}},
    };
    for (const Expected& e : cases) {
        SCOPED_TRACE(e.sheet.name);
        LabelSheet sheet(e.sheet.pageColumns);
        (sheet.*e.sheet.layout)();
        ASSERT_TRUE(sheet.prepare());
        ASSERT_EQ(sheet.pages.count(), 1);
        std::vector<std::string> names;
        for (const auto& o : sheet.placed(0)) names.push_back(o.name);
        EXPECT_EQ(names, e.names);
    }
}

TEST(LabelSheets, OutsideBandTextsPrintOnTheFirstSheetOnlyAtTheirStoredPlace) {
    LabelSheet sheet(2);
    sheet.layoutOxygen();
    sheet.fill(15);
    ASSERT_TRUE(sheet.prepare());
    ASSERT_EQ(sheet.pages.count(), 2);
    const auto big = sheet.placedNamed(0, "Memo4");
    ASSERT_EQ(big.size(), 1u);
    EXPECT_EQ(big[0].left, 812);
    EXPECT_EQ(big[0].top, 152);
    EXPECT_TRUE(sheet.placedNamed(1, "Memo4").empty());
    EXPECT_TRUE(sheet.placedNamed(1, "Memo2").empty());
}

TEST(LabelSheets, PreparingTwiceGivesTheSamePagesAndKeepsTheTemplate) {
    LabelSheet sheet(2);
    sheet.layoutOxygen();
    sheet.fill(20);
    const auto templateBefore = sheet.report.saveToStream();
    ASSERT_TRUE(sheet.prepare());
    const auto first = sheet.pages.saveToBytes();
    EXPECT_EQ(sheet.report.saveToStream(), templateBefore);
    ASSERT_TRUE(sheet.prepare());
    EXPECT_EQ(sheet.pages.saveToBytes(), first);
    EXPECT_EQ(sheet.report.saveToStream(), templateBefore);
}
