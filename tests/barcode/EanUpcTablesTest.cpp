// EAN/UPC tables: the published digit codings, parity rows and UPC-E expansion.
#include <gtest/gtest.h>

#include <set>

#include "barcode/EanUpcFamily.h"

using namespace barcode;

namespace {

bool isBar(char c) {
    return c >= '5' && c <= '8';
}
int modulesOf(char c) {
    return (c - '0') % 5 + 1;
}

int barModules(std::string_view code) {
    int n = 0;
    for (char c : code) n += isBar(c) ? modulesOf(c) : 0;
    return n;
}

// A digit code: four elements alternating space/bar (or bar/space), seven modules.
void expectDigitShape(std::string_view code, bool startsWithBar) {
    ASSERT_EQ(code.size(), 4u) << code;
    int modules = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(isBar(code[i]), startsWithBar == (i % 2 == 0)) << code;
        modules += modulesOf(code[i]);
    }
    EXPECT_EQ(modules, 7) << code;
}

char swapBarAndSpace(char c) {
    return static_cast<char>(isBar(c) ? c - 5 : c + 5);
}

}  // namespace

TEST(EanUpcTables, DigitCodesFollowThePublishedParityStructure) {
    std::set<std::string_view> left;
    for (int d = 0; d < 10; ++d) {
        expectDigitShape(kEanLCodes[d], false);
        expectDigitShape(kEanGCodes[d], false);
        expectDigitShape(kEanRCodes[d], true);
        EXPECT_EQ(barModules(kEanLCodes[d]) % 2, 1) << "L " << d;
        EXPECT_EQ(barModules(kEanGCodes[d]) % 2, 0) << "G " << d;
        std::string complement;
        for (char c : kEanLCodes[d]) complement += swapBarAndSpace(c);
        EXPECT_EQ(kEanRCodes[d], complement) << "R " << d;
        EXPECT_EQ(kEanGCodes[d], std::string(kEanRCodes[d].rbegin(), kEanRCodes[d].rend())) << d;
        left.insert(kEanLCodes[d]);
        left.insert(kEanGCodes[d]);
    }
    EXPECT_EQ(left.size(), 20u);  // every left-half code tells digit and parity apart
    EXPECT_EQ(kEanLCodes[0], "2605");
    EXPECT_EQ(kEanLCodes[9], "2506");
}

TEST(EanUpcTables, ParityRowsAreDistinctWithThePublishedCounts) {
    std::set<std::string_view> ean13(kEan13FirstDigitParity.begin(), kEan13FirstDigitParity.end());
    std::set<std::string_view> upce(kUpcEParity.begin(), kUpcEParity.end());
    EXPECT_EQ(ean13.size(), 10u);
    EXPECT_EQ(upce.size(), 10u);
    for (int d = 0; d < 10; ++d) {
        const std::string_view row = kEan13FirstDigitParity[d];
        EXPECT_EQ(row[0], 'L');
        EXPECT_EQ(std::count(row.begin(), row.end(), 'G'), d == 0 ? 0 : 3) << d;
        EXPECT_EQ(std::count(kUpcEParity[d].begin(), kUpcEParity[d].end(), 'E'), 3) << d;
        // The add-on row is the UPC-E row without its first position, E/O read as G/L.
        std::string fromUpcE;
        for (char p : kUpcEParity[d].substr(1)) fromUpcE += p == 'E' ? 'G' : 'L';
        EXPECT_EQ(kAddOn5Parity[d], fromUpcE) << d;
    }
    EXPECT_EQ(kEan13FirstDigitParity[4], "LGLLGG");
    EXPECT_EQ(kEan13FirstDigitParity[9], "LGGLGL");
    EXPECT_EQ(kUpcEParity[5], "EOOEEO");
}

// Published UPC-E / UPC-A pairs, one per expansion rule.
TEST(EanUpcTables, UpcEExpandsToItsUpcANumber) {
    const struct {
        char ns;
        const char* six;
        const char* upcA;
    } cases[] = {
        {'0', "425261", "04210000526"},  // last digit 0..2: manufacturer d1 d2 d6
        {'0', "123453", "01230000045"},  // 3
        {'0', "123454", "01234000005"},  // 4
        {'0', "123456", "01234500006"},  // 5..9
        {'1', "654329", "16543200009"},
    };
    for (const auto& c : cases) EXPECT_EQ(expandUpcE(c.ns, c.six), c.upcA) << c.six;
}
