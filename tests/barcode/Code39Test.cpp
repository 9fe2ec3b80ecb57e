// Code 39 and Code 39 full ASCII.
#include <gtest/gtest.h>

#include <algorithm>

#include "PatternText.h"
#include "barcode/Code39Table.h"

using namespace barcode;
using barcode_test::encode;

TEST(Code39Table, EveryCharacterHasNineElementsThreeWide) {
    std::string seen;
    for (const Code39Entry& e : kCode39Table) {
        EXPECT_EQ(e.elements.size(), 9u) << e.character;
        EXPECT_EQ(std::count(e.elements.begin(), e.elements.end(), 'w'), 3) << e.character;
        EXPECT_EQ(e.elements.find_first_not_of("nw"), std::string_view::npos) << e.character;
        EXPECT_EQ(seen.find(e.character), std::string::npos) << "duplicate " << e.character;
        seen += e.character;
    }
    // Check values 0..42 each appear, '*' sharing 0 with '0' after it.
    for (int v = 0; v < 43; ++v)
        EXPECT_TRUE(std::any_of(kCode39Table.begin(), kCode39Table.end(), [v](const Code39Entry& e) {
            return e.checkValue == v;
        })) << v;
}

TEST(Code39, KnownPatternsAndWidths) {
    const auto twelve = encode(bcCode39, "12");
    EXPECT_EQ(twelve.pattern,
              "515060605"
              "0"
              "605150506"
              "0"
              "506150506"
              "0"
              "515060605");
    EXPECT_EQ(twelve.pattern.size(), 39u);
    EXPECT_EQ(twelve.width, 51);
    EXPECT_EQ(encode(bcCode39, "12", true).width, 64);
    EXPECT_EQ(encode(bcCode39, "12345678").width, 129);
    EXPECT_EQ(encode(bcCode39, "1903000015").width, 155);
    EXPECT_EQ(encode(bcCode39, "").pattern,
              "515060605"
              "0"
              "515060605");
}

TEST(Code39, CheckCharacterIsTheModulo43Entry) {
    // Each check character written out: the same bars as the text followed by it.
    EXPECT_EQ(encode(bcCode39, "12", true).pattern, encode(bcCode39, "123").pattern);
    EXPECT_EQ(encode(bcCode39, "0", true).pattern, encode(bcCode39, "00").pattern);
    EXPECT_EQ(encode(bcCode39, "*", true).pattern, encode(bcCode39, "*0").pattern);
    EXPECT_EQ(encode(bcCode39, "ZZ", true).pattern, encode(bcCode39, "ZZR").pattern);
    EXPECT_EQ(encode(bcCode39, "%%", true).pattern, encode(bcCode39, "%%+").pattern);
    EXPECT_EQ(encode(bcCode39, "%1", true).pattern, encode(bcCode39, "%10").pattern);
}

TEST(Code39, CharactersOutsideTheTableAreLeftOutButKeptInText) {
    const auto withLetters = encode(bcCode39, "ab12");
    EXPECT_EQ(withLetters.pattern, encode(bcCode39, "12").pattern);
    EXPECT_EQ(withLetters.text, "ab12");
    EXPECT_EQ(encode(bcCode39,
                     "1\xC3\xA8"
                     "2\n")
                  .pattern,
              encode(bcCode39, "12").pattern);
    EXPECT_EQ(encode(bcCode39, "ab12", true).pattern, encode(bcCode39, "123").pattern);
}

TEST(Code39, WideElementsFollowTheRatio) {
    BarcodeGenerator g;
    g.setType(bcCode39);
    g.setText("1");
    g.setModul(2);
    g.setRatio(3.0);
    // Per character: 6 narrow of 2 and 3 wide of 6, gap 2: 32; stop without gap: 30.
    EXPECT_EQ(g.width(), 32 * 2 + 30);
}

TEST(Code39Extended, ExpandsThroughTheFullAsciiTable) {
    struct Case {
        std::string text;
        std::string expanded;
    };
    const Case cases[] = {
        {"a", "+A"},
        {"Az", "A+Z"},
        {std::string(1, '\0'), "%U"},
        {"\x01", "$A"},
        {"\x1A", "$Z"},
        {"\x1B", "%A"},
        {"\x1F", "%E"},
        {" ", " "},
        {"!", "/A"},
        {"-", "/M"},
        {".", "/N"},
        {"/", "/O"},
        {"09", "09"},
        {":", "/Z"},
        {";", "%F"},
        {"?", "%J"},
        {"@", "%V"},
        {"[", "%K"},
        {"_", "%O"},
        {"`", "%W"},
        {"{", "%P"},
        {"\x7F", "%T"},
        {"1\xC3\xA8"
         "2",
         "12"},
    };
    for (const Case& c : cases) {
        const auto extended = encode(bcCode39Extended, c.text);
        EXPECT_EQ(extended.pattern, encode(bcCode39, c.expanded).pattern) << c.expanded;
        EXPECT_EQ(extended.text, c.text) << "Text is put back";
    }
}

TEST(Code39Extended, CheckCharacterCoversTheExpandedText) {
    // a -> +A: (41 + 10) mod 43 = 8.
    const auto a = encode(bcCode39Extended, "a", true);
    EXPECT_EQ(a.pattern, encode(bcCode39, "+A8").pattern);
    EXPECT_EQ(a.text, "a");
}
