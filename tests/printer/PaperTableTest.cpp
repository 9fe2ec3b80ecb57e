#include "printer/PaperTable.h"

#include <gtest/gtest.h>

#include <set>

#include "printer/PrinterGeometry.h"

namespace printer {
namespace {

TEST(PaperTable, SixtySixFixedSizesThenTheCustomRow) {
    ASSERT_EQ(kPaperTable.size(), 67u);
    std::set<int> codes;
    int previous = 0;
    for (const PaperRow& row : kPaperTable) {
        EXPECT_GT(row.code, previous) << "codes ascend";
        previous = row.code;
        codes.insert(row.code);
    }
    EXPECT_FALSE(codes.count(48));
    EXPECT_FALSE(codes.count(49));
    EXPECT_EQ(kPaperTable.front().code, 1);
    EXPECT_EQ(kPaperTable[65].code, 68);
    EXPECT_EQ(kPaperTable.back().code, kCustomPaper);
    EXPECT_EQ(kPaperTable.back().width, 0);
    EXPECT_EQ(kPaperTable.back().height, 0);
}

TEST(PaperTable, LookupByCode) {
    struct Case {
        int code, width, height;
    } cases[] = {{1, 2159, 2794},  {4, 4318, 2794},  {9, 2100, 2970},  {26, 8636, 11176},   {35, 1760, 1250},
                 {47, 2200, 2200}, {50, 2355, 3048}, {68, 3220, 4450}, {kCustomPaper, 0, 0}};
    for (const Case& c : cases) {
        const PaperRow* row = findPaperByCode(c.code);
        ASSERT_NE(row, nullptr) << c.code;
        EXPECT_EQ(row->width, c.width) << c.code;
        EXPECT_EQ(row->height, c.height) << c.code;
    }
    for (int unknown : {0, -1, 48, 49, 69, 255, 257, 65535}) EXPECT_EQ(findPaperByCode(unknown), nullptr);
}

TEST(PaperTable, LookupBySizeFindsTheFirstRowWithinOneTenth) {
    EXPECT_EQ(findPaperBySize(2100, 2970)->code, 9);
    EXPECT_EQ(findPaperBySize(2101, 2969)->code, 9);
    EXPECT_EQ(findPaperBySize(2159, 2794)->code, 1);
    EXPECT_EQ(findPaperBySize(2200, 2200)->code, 47);
    EXPECT_EQ(findPaperBySize(2102, 2970), nullptr);
    EXPECT_EQ(findPaperBySize(2970, 2100), nullptr) << "sizes are portrait";
    EXPECT_EQ(findPaperBySize(2102, 2970, 2)->code, 9);
    EXPECT_EQ(findPaperBySize(0, 0), nullptr) << "the custom row is never a size match";
}

TEST(PrinterGeometry, TwelveValuesInStoredOrder) {
    PrinterGeometry::Values v{};
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = static_cast<std::int32_t>(i * 10 + 1);
    const PrinterGeometry g = PrinterGeometry::fromValues(v);
    EXPECT_EQ(g.paperWidthDots, 1);
    EXPECT_EQ(g.paperHeightPx, 31);
    EXPECT_EQ(g.offsetXDots, 41);
    EXPECT_EQ(g.offsetYPx, 71);
    EXPECT_EQ(g.printableWidthDots, 81);
    EXPECT_EQ(g.printableHeightPx, 111);
    EXPECT_EQ(g.values(), v);
    PrinterGeometry other = g;
    EXPECT_EQ(other, g);
    other.printableHeightDots += 1;
    EXPECT_NE(other, g);
}

}  // namespace
}  // namespace printer
