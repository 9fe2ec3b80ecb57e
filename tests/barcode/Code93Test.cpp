// Code 93 and Code 93 full ASCII.
#include <gtest/gtest.h>

#include <set>

#include "PatternText.h"
#include "barcode/Code93Table.h"
#include "barcode/CountsToModules.h"

using namespace barcode;
using barcode_test::encode;
using barcode_test::widthsOf;

namespace {

int sumOf(std::string_view widths) {
    int sum = 0;
    for (char c : widths) sum += c - '0';
    return sum;
}

// The widths of the C and K check characters: the two characters before the stop.
std::pair<std::string, std::string> checkCharacters(const std::string& pattern) {
    const std::string w = widthsOf(pattern);
    const std::size_t stop = w.size() - 7;
    return {w.substr(stop - 12, 6), w.substr(stop - 6, 6)};
}

std::string widthsOfCharacter(char c) {
    for (const Code93Entry& e : kCode93Table)
        if (e.character == c) return std::string(e.widths);
    return "";
}

}  // namespace

TEST(Code93Table, EveryCharacterIsNineModulesOfThreeBarsAndSpaces) {
    std::set<std::string_view> patterns;
    for (const Code93Entry& e : kCode93Table) {
        EXPECT_EQ(e.widths.size(), 6u) << e.character;
        EXPECT_EQ(sumOf(e.widths), 9) << e.character;
        EXPECT_EQ(e.widths.find_first_not_of("1234"), std::string_view::npos) << e.character;
        patterns.insert(e.widths);
    }
    EXPECT_EQ(patterns.size(), 47u) << "patterns are distinct";
    EXPECT_EQ(sumOf(kCode93Start), 9);
    EXPECT_EQ(sumOf(kCode93Stop), 10);
}

TEST(Code93, StartDataChecksStop) {
    const auto e = encode(bcCode93, "A");
    // 'A' = 10: C = 10 ('A'), K = 10*2 + 10 = 30 ('U').
    EXPECT_EQ(widthsOf(e.pattern),
              "111141"
              "211113"
              "211113"
              "221121"
              "1111411");
    EXPECT_EQ(e.width, 9 * 4 + 10);
    EXPECT_EQ(e.pattern.front(), '5') << "starts with a bar";
}

TEST(Code93, CheckWeightsWrapAtTwentyAndFifteen) {
    struct Case {
        std::string text;
        char c;
        char k;
    };
    const Case cases[] = {
        {"TEST93", '+', '6'},
        // A single 1 among zeros isolates the weight of its position.
        {"1" + std::string(15, '0'), 'G', 'I'},   // from the right 16th: C 16, K 2
        {"01" + std::string(14, '0'), 'F', 'G'},  // 15th: C 15, K 1
        {"1" + std::string(20, '0'), '1', '8'},   // 21st: C 1 (after 20), K 7
        {"1" + std::string(19, '0'), 'K', 'Q'},   // 20th: C 20, K 6 + 20 = 26
        {"", '0', '0'},
    };
    for (const Case& c : cases) {
        const auto e = encode(bcCode93, c.text);
        ASSERT_TRUE(e.error.empty()) << c.text;
        const auto [cw, kw] = checkCharacters(e.pattern);
        EXPECT_EQ(cw, widthsOfCharacter(c.c)) << c.text;
        EXPECT_EQ(kw, widthsOfCharacter(c.k)) << c.text;
    }
}

TEST(Code93, CharactersOutsideTheTableFail) {
    for (const std::string text : {"abc", "A*B", "12\xC3\xA8"}) {
        const auto e = encode(bcCode93, text);
        EXPECT_EQ(e.error, "TfrBarcode:Code93 bad Data <" + text + ">");
        EXPECT_EQ(e.text, text);
    }
}

TEST(Code93Extended, ExpandsWithTheFourShiftCharacters) {
    struct Case {
        std::string text;
        std::string expanded;
    };
    const Case cases[] = {
        {"abc", "}A}B}C"}, {"A-b", "A{M}B"},     {std::string(1, '\0'), "]U"}, {"\x01", "[A"},
        {"$%+", "{D{E{K"}, {"@`\x7F", "]V]W]T"}, {"12\xC3\xA8", "12"},
    };
    for (const Case& c : cases) {
        const auto extended = encode(bcCode93Extended, c.text);
        ASSERT_TRUE(extended.error.empty()) << c.text;
        EXPECT_EQ(extended.pattern, encode(bcCode93, c.expanded).pattern) << c.expanded;
        EXPECT_EQ(extended.text, c.text);
    }
}

TEST(countsToModules, AlternatesBarsAndSpacesFromABar) {
    EXPECT_EQ(countsToModules("1234"), "5173");
    EXPECT_EQ(countsToModules("4321"), "8260");
    EXPECT_EQ(countsToModules(""), "");
    EXPECT_THROW(countsToModules("150"), BarcodeError);
}
