// Code 128 sets A, B, C and their EAN-128 forms.
#include <gtest/gtest.h>

#include <set>

#include "PatternText.h"
#include "barcode/Code128Family.h"
#include "barcode/Code128Table.h"

using namespace barcode;
using barcode_test::encode;
using barcode_test::widthsOf;

namespace {

int sumOf(std::string_view widths) {
    int sum = 0;
    for (char c : widths) sum += c - '0';
    return sum;
}

std::string symbolOf(std::initializer_list<int> values) {
    std::string w;
    for (int v : values) w += kCode128Widths[v];
    return w + std::string(kCode128Stop);
}

}  // namespace

TEST(Code128Table, EveryValueIsElevenModules) {
    std::set<std::string_view> patterns;
    for (std::size_t v = 0; v < kCode128Widths.size(); ++v) {
        EXPECT_EQ(kCode128Widths[v].size(), 6u) << v;
        EXPECT_EQ(sumOf(kCode128Widths[v]), 11) << v;
        // Bars are the odd positions: their modules add up to an even number.
        const int bars = kCode128Widths[v][0] + kCode128Widths[v][2] + kCode128Widths[v][4] - 3 * '0';
        EXPECT_EQ(bars % 2, 0) << v;
        patterns.insert(kCode128Widths[v]);
    }
    EXPECT_EQ(patterns.size(), kCode128Widths.size()) << "patterns are distinct";
    EXPECT_EQ(sumOf(kCode128Stop), 13);
    EXPECT_EQ(kCode128Widths[102], "411131");
    EXPECT_EQ(kCode128Widths[103], "211412");
    EXPECT_EQ(kCode128Widths[104], "211214");
    EXPECT_EQ(kCode128Widths[105], "211232");
}

TEST(Code128, KnownSymbols) {
    struct Case {
        BarcodeType type;
        std::string text;
        bool checksum;
        std::string widths;
        std::string textAfter;
    };
    const Case cases[] = {
        // C: "123" gets a leading zero, pairs 01 and 23; check (105 + 1 + 46) mod 103 = 49.
        {bcCode128C, "123", false, symbolOf({105, 1, 23, 49}), "0123"},
        {bcCode128C, "", false, symbolOf({105, 2}), ""},
        // B: 'A' = 33, 'b' = 66; check (104 + 33 + 132) mod 103 = 63.
        {bcCode128B, "Ab", false, symbolOf({104, 33, 66, 63}), "Ab"},
        // A: lower case is sent as spaces (0); check 103 mod 103 = 0.
        {bcCode128A, "ab", false, symbolOf({103, 0, 0, 0}), "ab"},
        // ',' is value 12 in both sets.
        {bcCode128A, ",", false, symbolOf({103, 12, 12}), ","},
        {bcCode128B, ",", false, symbolOf({104, 12, 13}), ","},
        // Characters outside set B: DEL and a two-byte letter, each one space.
        {bcCode128B, "\x7F\xC3\xA8", false, symbolOf({104, 0, 0, 1}), "\x7F\xC3\xA8"},
        // checksum means nothing to plain Code 128.
        {bcCode128B, "1", true, symbolOf({104, 17, 18}), "1"},
        // EAN-128C of 12 with check digit: 123 -> 0123; FNC1 weight 1, pairs from weight 2:
        // (105 + 102 + 2 + 69) mod 103 = 72.
        {bcCodeEAN128C, "12", true, symbolOf({105, 102, 1, 23, 72}), "0123"},
        {bcCodeEAN128C, "12", false, symbolOf({105, 102, 12, 25}), "12"},
        // EAN-128B of 1 with check digit 7: "17" = 17, 23; (104 + 102 + 34 + 69) mod 103 = 0.
        {bcCodeEAN128B, "1", true, symbolOf({104, 102, 17, 23, 0}), "17"},
    };
    for (const Case& c : cases) {
        const auto e = encode(c.type, c.text, c.checksum);
        ASSERT_TRUE(e.error.empty()) << c.text << ": " << e.error;
        EXPECT_EQ(widthsOf(e.pattern), c.widths) << int(c.type) << " " << c.text;
        EXPECT_EQ(e.text, c.textAfter) << int(c.type) << " " << c.text;
    }
}

TEST(Code128, SetBEncodesTheLettersSetASendsSpaces) {
    const auto a = encode(bcCode128A, "abc");
    const auto b = encode(bcCode128B, "abc");
    const auto spaces = encode(bcCode128A, "   ");
    EXPECT_EQ(widthsOf(a.pattern), widthsOf(spaces.pattern));
    EXPECT_NE(widthsOf(b.pattern).substr(6, 18), widthsOf(a.pattern).substr(6, 18));
}

TEST(Code128, Ean128EncodingTwiceAddsOneCheckDigit) {
    BarcodeGenerator g;
    g.setType(bcCodeEAN128C);
    g.setText("12");
    g.setChecksum(true);
    const std::string first = g.encode();
    const std::int32_t width = g.width();
    const std::string second = g.encode();
    EXPECT_EQ(first, second);
    EXPECT_EQ(g.text(), "0123");
    EXPECT_EQ(width, 11 * 5 + 13);
}

TEST(Code128, Ean128ChecksumNeedsDigits) {
    const auto e = encode(bcCodeEAN128B, "A1", true);
    EXPECT_EQ(e.error, "'A' is not a valid integer value");
    EXPECT_EQ(encode(bcCodeEAN128C, "1a", true).error, "Barcode must be numeric");
}

TEST(Code128, NonDigitPairsNeverIndexOutsideTheTable) {
    // Called directly (without the generator's digit test) set C must refuse, not misread.
    BarcodeGenerator g;
    g.setType(bcCode128C);
    g.storeText("1/");
    EXPECT_THROW(encodeCode128(g), BarcodeError);
}

TEST(Code128, LongTextsKeepAValidCheckCharacter) {
    const auto e = encode(bcCode128B, std::string(100000, '~'));
    ASSERT_TRUE(e.error.empty());
    // value 94 at weights 1..100000: sum = 104 + 94 * 100000 * 100001 / 2.
    const long long sum = 104 + 94LL * 100000 * 100001 / 2;
    const std::string w = widthsOf(e.pattern);
    EXPECT_EQ(w.substr(w.size() - 13, 6), std::string(kCode128Widths[sum % 103]));
}
