// 2 of 5, MSI, PostNet and Codabar: table structure and encoder output.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "barcode/BarcodeError.h"
#include "barcode/BarcodeGenerator.h"
#include "barcode/TwoOfFiveFamily.h"
#include "barcode/TwoOfFiveTables.h"

using namespace barcode;

namespace {

using EncoderFn = std::string (*)(BarcodeGenerator&);

std::string encodeWith(EncoderFn encoder, const std::string& text) {
    BarcodeGenerator generator;
    generator.setText(text);
    return encoder(generator);
}

// width of a pattern at module 1, ratio 2.0 (width index + 1 per code).
int unitsAtRatio2(const std::string& pattern) {
    int units = 0;
    for (char c : pattern) units += (c >= 'A' ? c - 'A' : (c - '0') % 5) + 1;
    return units;
}

}  // namespace

TEST(TwoOfFiveTables, EveryDigitHasTwoWideFlagsAndADistinctPattern) {
    std::set<TwoOfFiveFlags> seen;
    for (const TwoOfFiveFlags& flags : kTwoOfFiveDigits) {
        EXPECT_EQ(std::count(flags.begin(), flags.end(), true), 2);
        seen.insert(flags);
    }
    EXPECT_EQ(seen.size(), 10u);
    EXPECT_EQ(kTwoOfFiveDigits[0], (TwoOfFiveFlags{false, false, true, true, false}));
    EXPECT_EQ(kTwoOfFiveDigits[1], (TwoOfFiveFlags{true, false, false, false, true}));
}

TEST(TwoOfFiveTables, MsiDigitsAreTheirFourBitsMostSignificantFirst) {
    for (int d = 0; d < 10; ++d) {
        std::string expected;
        for (int bit = 3; bit >= 0; --bit) expected += (d >> bit) & 1 ? "60" : "51";
        EXPECT_EQ(kMsiDigits[d], expected) << d;
    }
}

TEST(TwoOfFiveTables, PostNetDigitsAreTwoFullAndThreeShortBarsEachWithAWideSpace) {
    std::set<std::string_view> seen(kPostNetDigits.begin(), kPostNetDigits.end());
    EXPECT_EQ(seen.size(), 10u);
    for (std::string_view digit : kPostNetDigits) {
        std::string full, shortBars;
        for (std::size_t i = 0; i < digit.size(); i += 2) {
            EXPECT_EQ(digit.substr(i + 1, 1), "1") << digit;
            (digit[i] == '5' ? full : shortBars) += digit[i];
        }
        EXPECT_EQ(full + shortBars, "55AAA") << digit;
    }
}

TEST(Interleaved2of5, PairsGoToBarsThenSpaces) {
    // Pair 12: bars of 1 (W N N N W), spaces of 2 (N W N N W).
    EXPECT_EQ(encodeWith(encodeInterleaved2of5, "12"),
              "5050"
              "6051505061"
              "605");
    EXPECT_EQ(encodeWith(encodeInterleaved2of5, ""), "5050605");
    EXPECT_EQ(unitsAtRatio2(encodeWith(encodeInterleaved2of5, "1234")), 4 + 2 * 14 + 4);
}

// An odd text keeps its last digit: it is encoded with a leading zero.
TEST(Interleaved2of5, OddLengthGetsALeadingZeroInsteadOfLosingTheLastDigit) {
    EXPECT_EQ(encodeWith(encodeInterleaved2of5, "12345"), encodeWith(encodeInterleaved2of5, "012345"));
    EXPECT_EQ(encodeWith(encodeInterleaved2of5, "7"), encodeWith(encodeInterleaved2of5, "07"));
    BarcodeGenerator generator;
    generator.setText("12345");
    encodeInterleaved2of5(generator);
    EXPECT_EQ(generator.text(), "12345");
}

TEST(IndustrialAndMatrix2of5, DigitsBetweenStartAndStop) {
    EXPECT_EQ(encodeWith(encodeIndustrial2of5, "0"),
              "606050"
              "5050606050"
              "605060");
    EXPECT_EQ(encodeWith(encodeMatrix2of5, "1"),
              "705050"
              "605060"
              "70505");
    EXPECT_EQ(encodeWith(encodeMatrix2of5, "0"),
              "705050"
              "506150"
              "70505");
}

TEST(MSI, AppendsItsCheckDigitButNotToText) {
    const struct {
        const char* text;
        int check;
    } cases[] = {
        {"1234", 4}, {"12345", 5}, {"19", 0}, {"0", 0}, {"", 0}, {"7992739871", 3},
    };
    for (const auto& c : cases) {
        BarcodeGenerator generator;
        generator.setText(c.text);
        const std::string pattern = encodeMSI(generator);
        EXPECT_EQ(pattern.substr(pattern.size() - 11), std::string(kMsiDigits[c.check]) + "515") << c.text;
        EXPECT_EQ(pattern.size(), 2 + 8 * (std::string(c.text).size() + 1) + 3) << c.text;
        EXPECT_EQ(generator.text(), c.text);
    }
}

TEST(PostNet, FrameBarsAroundTheDigits) {
    EXPECT_EQ(encodeWith(encodePostNet, "0"),
              "51"
              "5151A1A1A1"
              "5");
    EXPECT_EQ(encodeWith(encodePostNet, ""), "515");
}

TEST(Codabar, StartAStopBAndLettersInsideAreData) {
    EXPECT_EQ(encodeWith(encodeCodabar, ""),
              "5061515"
              "0"
              "5151506");
    EXPECT_EQ(encodeWith(encodeCodabar, "1A"),
              "5061515"
              "0"
              "5050615"
              "0"
              "5061515"
              "0"
              "5151506");
}

TEST(Codabar, CharacterOutsideTheTableFails) {
    for (const char* text : {"a", "12 3", "E", "1b"}) {
        try {
            encodeWith(encodeCodabar, text);
            ADD_FAILURE() << text;
        } catch (const BarcodeError& e) {
            EXPECT_STREQ(e.what(), "TfrBarcode: internal Error");
        }
    }
}

TEST(NumericKinds, NonDigitReachingTheEncoderFailsInsteadOfReadingOutsideTheTables) {
    for (EncoderFn encoder :
         {encodeInterleaved2of5, encodeIndustrial2of5, encodeMatrix2of5, encodeMSI, encodePostNet}) {
        EXPECT_THROW(encodeWith(encoder, "1:"), BarcodeError);
    }
}

// Through the generator: the ratio limits and module widths these kinds are drawn with.
TEST(TwoOfFiveThroughGenerator, WidthsAndRatioLimits) {
    BarcodeGenerator generator;
    generator.setType(bcCode_2_5_interleaved);
    generator.setText("12345");
    EXPECT_EQ(generator.width(), 4 + 3 * 14 + 4);
    generator.setText("7");
    EXPECT_EQ(generator.width(), 4 + 14 + 4);

    generator.setType(bcCode_2_5_matrix);
    generator.encode();
    EXPECT_DOUBLE_EQ(generator.ratio(), 2.25);
    EXPECT_EQ(generator.moduleWidths(), (std::array<std::int32_t, 4>{1, 2, 3, 4}));
    generator.setModul(2);
    generator.encode();
    EXPECT_EQ(generator.moduleWidths(), (std::array<std::int32_t, 4>{2, 4, 6, 8}));
}
