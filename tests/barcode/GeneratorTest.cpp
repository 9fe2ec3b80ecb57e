// The generator's property model, ratio limits, module widths, digit test, width and the
// shared check-digit routines.
#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>

#include "barcode/BarcodeError.h"
#include "barcode/BarcodeGenerator.h"

using namespace barcode;

namespace {

struct NotifyCounter {
    int count = 0;
    void attach(BarcodeGenerator& g) {
        g.setOnChange([this](BarcodeGenerator&) { ++count; });
    }
};

std::string errorOf(BarcodeGenerator& g) {
    try {
        g.encode();
    } catch (const BarcodeError& e) {
        return e.what();
    }
    return "";
}

BarcodeGenerator code39(const std::string& text) {
    BarcodeGenerator g;
    g.setType(bcCode39);
    g.setText(text);
    return g;
}

}  // namespace

TEST(Generator, NewGeneratorDefaults) {
    BarcodeGenerator g;
    EXPECT_EQ(g.height(), 0);
    EXPECT_EQ(g.modul(), 1);
    EXPECT_EQ(g.ratio(), 2.0);
    EXPECT_EQ(g.type(), bcCodeEAN13);
    EXPECT_FALSE(g.checksum());
    EXPECT_EQ(g.checkSumMethod(), csmModulo10);
    EXPECT_EQ(g.color(), 0xFFFFFFu);
    EXPECT_EQ(g.colorBar(), 0u);
}

TEST(Generator, SettersNotifyOnlyOnChange) {
    BarcodeGenerator g;
    NotifyCounter n;
    n.attach(g);
    g.setHeight(10);
    g.setHeight(10);
    g.setText("A");
    g.setText("A");
    g.setAngle(90);
    g.setAngle(90);
    g.setChecksum(true);
    g.setChecksum(true);
    g.setType(bcCode39);
    g.setType(bcCode39);
    EXPECT_EQ(n.count, 5);
    g.setColor(1);
    g.setColorBar(2);
    g.setCheckSumMethod(csmNone);
    EXPECT_EQ(n.count, 5) << "plain fields do not notify";
}

TEST(Generator, ModulAcceptsOneToFortyNineAndAlwaysNotifies) {
    BarcodeGenerator g;
    NotifyCounter n;
    n.attach(g);
    g.setModul(0);
    g.setModul(50);
    EXPECT_EQ(g.modul(), 1);
    EXPECT_EQ(n.count, 0);
    g.setModul(7);
    g.setModul(7);
    EXPECT_EQ(g.modul(), 7);
    EXPECT_EQ(n.count, 2);
    g.setModul(49);
    EXPECT_EQ(g.modul(), 49);
}

TEST(Generator, RatioLimitsPerSymbology) {
    struct Case {
        BarcodeType type;
        const char* text;
        double ratio;
        double expected;
        int notifications;
    };
    const Case cases[] = {
        {bcCode39, "1", 1.5, 2.0, 1},   {bcCode39, "1", 3.5, 3.0, 1},
        {bcCode39, "1", 2.5, 2.5, 0},   {bcCode_2_5_matrix, "12", 2.0, 2.25, 1},
        {bcCode128B, "1", 1.5, 1.5, 0}, {bcCode128B, "1", 5.0, 5.0, 0},
        {bcCode93, "1", 0.5, 0.5, 0},   {bcCodeEAN13, "1", 1.0, 2.0, 1},
    };
    for (const Case& c : cases) {
        BarcodeGenerator g;
        g.setType(c.type);
        g.setText(c.text);
        g.setRatio(c.ratio);
        NotifyCounter n;
        n.attach(g);
        g.encode();
        EXPECT_EQ(g.ratio(), c.expected) << "type " << int(c.type) << " ratio " << c.ratio;
        EXPECT_EQ(n.count, c.notifications) << "type " << int(c.type) << " ratio " << c.ratio;
    }
}

TEST(Generator, ModuleWidthsRoundHalfToEven) {
    struct Case {
        int modul;
        double ratio;
        std::array<std::int32_t, 4> widths;
    };
    const Case cases[] = {
        {1, 2.0, {1, 2, 3, 4}},         {2, 2.5, {2, 5, 7, 10}}, {1, 2.5, {1, 2, 3, 4}},  // 2.5 ties to 2
        {3, 2.5, {3, 8, 12, 16}},                                                         // 7.5 ties to 8
        {49, 3.0, {49, 147, 220, 294}},  // beyond 8 bits: kept whole
    };
    for (const Case& c : cases) {
        BarcodeGenerator g = code39("1");
        g.setModul(c.modul);
        g.setRatio(c.ratio);
        g.encode();
        EXPECT_EQ(g.moduleWidths(), c.widths) << c.modul << " x " << c.ratio;
    }
}

TEST(Generator, UnlimitedRatioExtremesStaySafe) {
    // Code 128 keeps any ratio; absurd ones must neither overflow nor crash.
    for (double ratio : {1e300, -1e300, std::numeric_limits<double>::quiet_NaN(), -1.0}) {
        BarcodeGenerator g;
        g.setType(bcCode128B);
        g.setText("ABC");
        g.setModul(49);
        g.setRatio(ratio);
        EXPECT_NO_THROW(g.width());
    }
}

TEST(Generator, ModuleWidthCodes) {
    BarcodeGenerator g = code39("1");
    g.setModul(2);
    g.setRatio(2.5);
    g.encode();
    struct Case {
        char code;
        std::int32_t width;
        ElementKind kind;
    };
    const Case cases[] = {
        {'0', 2, ElementKind::Space},     {'3', 10, ElementKind::Space}, {'5', 2, ElementKind::Bar},
        {'6', 5, ElementKind::Bar},       {'8', 10, ElementKind::Bar},   {'A', 2, ElementKind::ShortBar},
        {'D', 10, ElementKind::ShortBar},
    };
    for (const Case& c : cases) {
        const ModuleElement m = g.moduleWidth(c.code);
        EXPECT_EQ(m.width, c.width) << c.code;
        EXPECT_EQ(m.kind, c.kind) << c.code;
    }
    for (char bad : {'4', '9', 'E', 'a', '\0'}) {
        try {
            g.moduleWidth(bad);
            ADD_FAILURE() << "accepted " << int(bad);
        } catch (const BarcodeError& e) {
            EXPECT_STREQ(e.what(), "TfrBarcode: internal Error");
        }
    }
}

TEST(Generator, WrongTypeFails) {
    BarcodeGenerator g;
    g.setType(static_cast<BarcodeType>(23));
    EXPECT_EQ(errorOf(g), "TfrBarcode: wrong BarcodeType");
    g.setType(static_cast<BarcodeType>(255));
    EXPECT_EQ(errorOf(g), "TfrBarcode: wrong BarcodeType");
}

TEST(Generator, DigitsOnlyTextIsTrimmedAndChecked) {
    struct Case {
        BarcodeType type;
        std::string text;
        std::string error;
        std::string textAfter;  // checked when no error
    };
    const Case cases[] = {
        {bcCodeEAN13, "  123", "", "0000000000123"},
        {bcCodeEAN13, "12a", "Barcode must be numeric", ""},
        {bcCodeEAN13, "", "", "0000000000000"},
        {bcCode128C, "\t12\r\n", "", "12"},
        {bcCode128C, "1 2", "Barcode must be numeric", ""},
        {bcCode128C, "   ", "", ""},
        {bcCode39, " a1 ", "", " a1 "},  // not digits-only: untouched
    };
    for (const Case& c : cases) {
        BarcodeGenerator g;
        g.setType(c.type);
        g.setText(c.text);
        EXPECT_EQ(errorOf(g), c.error) << "'" << c.text << "'";
        if (c.error.empty()) {
            EXPECT_EQ(g.text(), c.textAfter) << "'" << c.text << "'";
        }
    }
}

TEST(Generator, TrimmingDoesNotNotify) {
    BarcodeGenerator g;
    g.setType(bcCode128C);
    g.setText(" 12 ");
    NotifyCounter n;
    n.attach(g);
    g.encode();
    EXPECT_EQ(g.text(), "12");
    EXPECT_EQ(n.count, 0);
}

TEST(Generator, WidthWriteScalesModul) {
    // "1234567" in Code 39 is 13 * 7 + 25 = 116 wide at module 1.
    BarcodeGenerator g = code39("1234567");
    ASSERT_EQ(g.width(), 116);
    g.setWidth(348);
    EXPECT_EQ(g.modul(), 3);
    EXPECT_EQ(g.width(), 348);
    g.setWidth(347);  // 3 * 347 / 348 = 2
    EXPECT_EQ(g.modul(), 2);
    g.setWidth(100);  // 2 * 100 / 232 = 0: ignored
    EXPECT_EQ(g.modul(), 2);
    g.setWidth(-5000);
    EXPECT_EQ(g.modul(), 2);
    g.setWidth(std::numeric_limits<std::int32_t>::max());  // far beyond 49: ignored
    EXPECT_EQ(g.modul(), 2);
}

TEST(Generator, WidthWriteOnNonPositiveWidthDoesNothing) {
    BarcodeGenerator g;
    g.setType(bcCode128B);
    g.setRatio(-10.0);  // Code 128 keeps any ratio: wide elements become negative
    g.setText("A");
    ASSERT_LE(g.width(), 0);
    NotifyCounter n;
    n.attach(g);
    g.setWidth(300);
    EXPECT_EQ(g.modul(), 1);
    EXPECT_EQ(n.count, 0);
}

TEST(SharedRoutines, fixedLengthText) {
    BarcodeGenerator g;
    g.setText("12345");
    EXPECT_EQ(g.fixedLengthText(3), "123");
    EXPECT_EQ(g.fixedLengthText(5), "12345");
    EXPECT_EQ(g.fixedLengthText(8), "00012345");
    g.setText("");
    EXPECT_EQ(g.fixedLengthText(2), "00");
    EXPECT_EQ(g.fixedLengthText(0), "");
}

TEST(SharedRoutines, modulo10CheckDigit) {
    struct Case {
        const char* text;
        char digit;
    };
    const Case cases[] = {{"12", '3'},           {"", '0'},        {"0", '0'},
                          {"400638133393", '1'}, {"9638507", '4'}, {"1", '7'}};
    for (const Case& c : cases) EXPECT_EQ(BarcodeGenerator::modulo10CheckDigit(c.text), c.digit) << c.text;
}

TEST(SharedRoutines, Modulo10NamesTheFirstNonDigit) {
    const std::pair<std::string, std::string> cases[] = {
        {"abc", "'a' is not a valid integer value"},
        {"12x4y", "'x' is not a valid integer value"},
        {"1 2", "' ' is not a valid integer value"},
        {"1\xC3\xA8", "'\xC3\xA8' is not a valid integer value"},  // the whole UTF-8 letter
    };
    for (const auto& [text, message] : cases) {
        try {
            BarcodeGenerator::modulo10CheckDigit(text);
            ADD_FAILURE() << text;
        } catch (const BarcodeError& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
}

TEST(SharedRoutines, ApplyCheckSumFollowsMethod) {
    BarcodeGenerator g;
    EXPECT_EQ(g.applyCheckSum("12"), "123");
    g.setCheckSumMethod(csmNone);
    EXPECT_EQ(g.applyCheckSum("12"), "12");
}

TEST(Symbologies, NamesFlagsAndLookup) {
    ASSERT_EQ(symbologyTable.size(), 23u);
    EXPECT_EQ(symbologyTable[bcCode39].name, "Code39");
    EXPECT_EQ(symbologyTable[bcCodeCodabar].name, "Codebar");
    EXPECT_EQ(symbologyTable[bcCodeUPC_Supp5].name, "UPC Supp5");
    EXPECT_EQ(symbologyTable[bcCodeEAN128C].name, "EAN128C");
    int digitsOnly = 0;
    for (const SymbologyData& d : symbologyTable) digitsOnly += d.digitsOnly;
    EXPECT_EQ(digitsOnly, 14);
    EXPECT_FALSE(symbologyTable[bcCodeCodabar].digitsOnly);
    EXPECT_TRUE(symbologyTable[bcCode128C].digitsOnly);
    for (int code = 0; code < kBarcodeTypeCount; ++code)
        EXPECT_EQ(barcodeTypeByName(symbologyTable[code].name), static_cast<BarcodeType>(code));
    EXPECT_EQ(barcodeTypeByName("code39 extended"), bcCode39Extended);
    EXPECT_EQ(barcodeTypeByName("upc_e0"), bcCodeUPC_E0);
    EXPECT_FALSE(barcodeTypeByName("Code 39").has_value());
}
