// EAN-8, EAN-13, UPC-A, UPC-E and add-ons: text rewrites, check digits, parities, errors.
#include <gtest/gtest.h>

#include "barcode/BarcodeError.h"
#include "barcode/BarcodeGenerator.h"
#include "barcode/EanUpcFamily.h"

using namespace barcode;

namespace {

using EncoderFn = std::string (*)(BarcodeGenerator&);

struct Encoded {
    std::string pattern;
    std::string text;  // Text after encoding
};

Encoded encode(EncoderFn encoder, const std::string& text, bool checksum = false,
               BarcodeType type = bcCodeEAN13, CheckSumMethod method = csmModulo10) {
    BarcodeGenerator generator;
    generator.setType(type);
    generator.setText(text);
    generator.setChecksum(checksum);
    generator.setCheckSumMethod(method);
    std::string pattern = encoder(generator);
    return {pattern, generator.text()};
}

std::string errorOf(EncoderFn encoder, const std::string& text, BarcodeType type) {
    try {
        encode(encoder, text, true, type, csmNone);
    } catch (const BarcodeError& e) {
        return e.what();
    }
    return "no error";
}

int modules(const std::string& pattern) {
    int n = 0;
    for (char c : pattern) n += (c - '0') % 5 + 1;
    return n;
}

// 'L' when the four codes at pos have an odd number of bar modules, else 'G'.
std::string parities(const std::string& pattern, std::size_t pos, int digits, std::size_t step = 4) {
    std::string result;
    for (int i = 0; i < digits; ++i, pos += step) {
        int bars = 0;
        for (char c : pattern.substr(pos, 4)) bars += c >= '5' ? c - '5' + 1 : 0;
        result += bars % 2 ? 'L' : 'G';
    }
    return result;
}

// The digits of the right half (R codes) starting at pos.
std::string rightDigits(const std::string& pattern, std::size_t pos, int digits) {
    std::string result;
    for (int i = 0; i < digits; ++i) {
        const std::string code = pattern.substr(pos + 4 * i, 4);
        for (int d = 0; d < 10; ++d) {
            if (kEanRCodes[d] == code) result += static_cast<char>('0' + d);
        }
    }
    return result;
}

}  // namespace

TEST(EAN13, CheckDigitIsComputedAndStored) {
    const Encoded e = encode(encodeEAN13, "400638133393", true);
    EXPECT_EQ(e.text, "4006381333931");
    EXPECT_EQ(modules(e.pattern), 95);
    EXPECT_EQ(parities(e.pattern, 3, 6), "LGLLGG");
    EXPECT_EQ(rightDigits(e.pattern, 32, 6), "333931");
}

TEST(EAN13, FixedLengthWithoutChecksumAndTruncation) {
    const Encoded padded = encode(encodeEAN13, "123");
    EXPECT_EQ(padded.text, "0000000000123");
    EXPECT_EQ(rightDigits(padded.pattern, 32, 6), "000123");
    EXPECT_EQ(parities(padded.pattern, 3, 6), "LLLLLL");
    EXPECT_EQ(encode(encodeEAN13, "40063813339319").text, "4006381333931");
    EXPECT_EQ(encode(encodeEAN13, "40063813339399", true).text, "4006381333931");
}

TEST(EAN8, ChecksumEncodedButTextKept) {
    const Encoded e = encode(encodeEAN8, "1234567", true);
    EXPECT_EQ(e.text, "1234567");
    EXPECT_EQ(modules(e.pattern), 67);
    EXPECT_EQ(rightDigits(e.pattern, 3 + 16 + 5, 4), "5670");
    EXPECT_EQ(parities(e.pattern, 3, 4), "LLLL");
    const Encoded padded = encode(encodeEAN8, "123");
    EXPECT_EQ(padded.text, "123");
    EXPECT_EQ(rightDigits(padded.pattern, 24, 4), "0123");
}

TEST(UPCA, CheckDigitReplacesTheTwelfthDigit) {
    EXPECT_EQ(encode(encodeUPCA, "12345678901", true).text, "123456789012");
    EXPECT_EQ(encode(encodeUPCA, "123456789019", true).text, "123456789012");
    EXPECT_EQ(encode(encodeUPCA, "1234", true).text, "000000012348");
    const Encoded e = encode(encodeUPCA, "123");
    EXPECT_EQ(e.text, "000000000123");
    EXPECT_EQ(modules(e.pattern), 95);
    EXPECT_EQ(parities(e.pattern, 3, 6), "LLLLLL");
    EXPECT_EQ(rightDigits(e.pattern, 32, 6), "000123");
}

TEST(EanUpc, ChecksumWithoutMethodFailsWithALengthError) {
    EXPECT_EQ(errorOf(encodeEAN8, "1234567", bcCodeEAN8), "Invalid Text len (EAN8)");
    EXPECT_EQ(errorOf(encodeEAN13, "400638133393", bcCodeEAN13), "Invalid Text len (EAN13)");
    EXPECT_EQ(errorOf(encodeUPCA, "12345678901", bcCodeUPC_A), "Invalid Text len (UPC)");
    EXPECT_EQ(errorOf(encodeUPCE, "123456", bcCodeUPC_E0), "Invalid Text len (UPC)");
    // The add-ons do not depend on the method.
    EXPECT_EQ(encode(encodeAddOn5, "12345", true, bcCodeUPC_Supp5, csmNone).text, "123451");
}

// The parity digit is the check digit of the UPC-A number the six digits stand for. The first
// six digits are encoded with or without checksum; without it a given seventh character is
// shown only, otherwise the six digits are shown with their check digit.
TEST(UPCE, ParityFromTheExpandedCheckDigit) {
    const struct {
        BarcodeType type;
        const char* text;
        bool checksum;
        const char* shown;
        const char* parity;
    } cases[] = {
        {bcCodeUPC_E0, "1234560", false, "1234560", "GLLGGL"},  // c = 5
        {bcCodeUPC_E0, "1234560", true, "1234565", "GLLGGL"},
        {bcCodeUPC_E0, "123456", false, "1234565", "GLLGGL"},  // the same six digits as with
        {bcCodeUPC_E0, "123456", true, "1234565", "GLLGGL"},   // checksum, not 012345
        {bcCodeUPC_E0, "12345", false, "0123457", "GLGLGL"},
        {bcCodeUPC_E0, "12345", true, "0123457", "GLGLGL"},
        {bcCodeUPC_E0, "4252610", true, "4252614", "GLGGLL"},  // published 0 425261 4
        {bcCodeUPC_E1, "1234560", true, "1234562", "LLGGLG"},  // row 2 inverted
    };
    for (const auto& c : cases) {
        const Encoded e = encode(encodeUPCE, c.text, c.checksum, c.type);
        EXPECT_EQ(e.text, c.shown) << c.text;
        EXPECT_EQ(modules(e.pattern), 51) << c.text;
        EXPECT_EQ(parities(e.pattern, 3, 6), c.parity) << c.text;
        EXPECT_EQ(e.pattern.substr(27), "050505") << c.text;
    }
}

TEST(AddOn5, CheckDigitChoosesParitiesAndIsShownWithChecksum) {
    const struct {
        const char* text;
        const char* shown;
        const char* parity;
    } cases[] = {
        {"12345", "123451", "GLGLL"},
        {"54321", "543211", "GLGLL"},
        {"7", "000071", "GLGLL"},
        {"90000", "900007", "LGLGL"},
    };
    for (const auto& c : cases) {
        const Encoded e = encode(encodeAddOn5, c.text, true, bcCodeUPC_Supp5);
        EXPECT_EQ(e.text, c.shown);
        EXPECT_EQ(modules(e.pattern), 47);
        EXPECT_EQ(parities(e.pattern, 3, 5, 6), c.parity) << c.text;
        EXPECT_EQ(encode(encodeAddOn5, c.text, false, bcCodeUPC_Supp5).text, std::string(c.shown, 5));
    }
}

TEST(AddOn2, ValueModFourChoosesParities) {
    const struct {
        const char* text;
        const char* shown;
        const char* parity;
    } cases[] = {
        {"34", "349", "GL"},
        {"00", "000", "LL"},
        {"1", "013", "LG"},
        {"99", "998", "GG"},
    };
    for (const auto& c : cases) {
        const Encoded e = encode(encodeAddOn2, c.text, true, bcCodeUPC_Supp2);
        EXPECT_EQ(e.text, c.shown);
        EXPECT_EQ(modules(e.pattern), 20);
        EXPECT_EQ(parities(e.pattern, 3, 2, 6), c.parity) << c.text;
        EXPECT_EQ(encode(encodeAddOn2, c.text, false, bcCodeUPC_Supp2).text, std::string(c.shown, 2));
    }
}

TEST(EanUpc, NonDigitReachingTheEncoderFailsInsteadOfReadingOutsideTheTables) {
    for (EncoderFn encoder : {encodeEAN8, encodeEAN13, encodeUPCA, encodeUPCE, encodeAddOn2, encodeAddOn5}) {
        EXPECT_THROW(encode(encoder, "1:34567890123"), BarcodeError);
    }
}
