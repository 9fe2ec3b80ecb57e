// Encoders of EAN-8, EAN-13, UPC-A, UPC-E and the 2- and 5-digit add-ons. They run on a text
// the generator has trimmed and checked to be digits only; most of them store the normalised
// text (fixed length, check digit) so the text shown under the bars is the encoded one.
#include "barcode/EanUpcFamily.h"

#include "barcode/BarcodeError.h"
#include "barcode/BarcodeGenerator.h"

namespace barcode {

namespace {

constexpr std::string_view kNormalGuard = "505";
constexpr std::string_view kCentreGuard = "05050";
constexpr std::string_view kUpcEEndGuard = "050505";
constexpr std::string_view kAddOnStart = "506";
constexpr std::string_view kAddOnSeparator = "05";

[[noreturn]] void failInternal() {
    throw BarcodeError(std::string(kGeneratorClassName) + ": internal Error");
}

// The generator lets only digits through; the check keeps a direct call with anything else
// from reading outside the tables.
int digitValue(char c) {
    if (c < '0' || c > '9') failInternal();
    return c - '0';
}

// The code of one digit in the left-half coding named by its parity letter: 'L' or 'O'
// (odd parity) and 'G' or 'E' (even parity).
std::string_view leftCode(char digit, char parity) {
    const int d = digitValue(digit);
    return parity == 'L' || parity == 'O' ? kEanLCodes[d] : kEanGCodes[d];
}

std::string_view rightCode(char digit) {
    return kEanRCodes[digitValue(digit)];
}

char oppositeParity(char parity) {
    return parity == 'E' ? 'O' : 'E';
}

// Guard, left half in L code, centre guard, right half in R code, guard: EAN-8 and UPC-A.
std::string evenSplitPattern(std::string_view data) {
    const std::size_t half = data.size() / 2;
    std::string pattern(kNormalGuard);
    for (std::size_t i = 0; i < half; ++i) pattern += leftCode(data[i], 'L');
    pattern += kCentreGuard;
    for (std::size_t i = half; i < data.size(); ++i) pattern += rightCode(data[i]);
    return pattern += kNormalGuard;
}

[[noreturn]] void failUpcLength() {
    throw BarcodeError("Invalid Text len (UPC)");
}

}  // namespace

std::string expandUpcE(char numberSystem, std::string_view sixDigits) {
    if (sixDigits.size() != 6) failInternal();
    const std::string_view layout = kUpcEExpansion[digitValue(sixDigits[5])];
    std::string expanded;
    for (char slot : layout) {
        if (slot == 'N')
            expanded += numberSystem;
        else if (slot == '0')
            expanded += '0';
        else
            expanded += sixDigits[slot - '1'];
    }
    return expanded;
}

// The eighth digit is taken as given unless checksum asks for it; Text is left as set.
std::string encodeEAN8(BarcodeGenerator& generator) {
    const std::string data = generator.checksum() ? generator.applyCheckSum(generator.fixedLengthText(7))
                                                  : generator.fixedLengthText(8);
    if (data.size() != 8) throw BarcodeError("Invalid Text len (EAN8)");
    return evenSplitPattern(data);
}

// The leading digit is not drawn: it chooses the L/G parity of the next six.
std::string encodeEAN13(BarcodeGenerator& generator) {
    const std::string data = generator.checksum() ? generator.applyCheckSum(generator.fixedLengthText(12))
                                                  : generator.fixedLengthText(13);
    if (data.size() != 13) throw BarcodeError("Invalid Text len (EAN13)");
    generator.storeText(data);

    const std::string_view parity = kEan13FirstDigitParity[digitValue(data[0])];
    std::string pattern(kNormalGuard);
    for (std::size_t i = 0; i < 6; ++i) pattern += leftCode(data[1 + i], parity[i]);
    pattern += kCentreGuard;
    for (std::size_t i = 7; i < 13; ++i) pattern += rightCode(data[i]);
    return pattern += kNormalGuard;
}

// With checksum the first eleven digits (leading zeros filled in) get their check digit, as
// EAN-13 does with twelve; filling to twelve first would push the last digit out.
std::string encodeUPCA(BarcodeGenerator& generator) {
    std::string data = generator.fixedLengthText(12);
    if (generator.checksum()) {
        data = generator.applyCheckSum(generator.fixedLengthText(11));
        if (data.size() != 12) failUpcLength();
    }
    generator.storeText(data);
    return evenSplitPattern(data);
}

// Six digits whose parities carry the check digit and the number system (0 for UPC_E0, 1
// for UPC_E1). The check digit is that of the UPC-A number the six digits expand to, the one
// a scanner verifies. The first six digits of Text (leading zeros filled in) are the ones
// encoded, with or without checksum, so a six-digit text means the same either way. Text
// becomes the six digits and the computed check digit, except that without checksum a seventh
// digit given by the caller is kept as shown.
std::string encodeUPCE(BarcodeGenerator& generator) {
    if (generator.checksum() && generator.checkSumMethod() == csmNone) failUpcLength();
    const std::string six = generator.fixedLengthText(6);
    const char numberSystem = generator.type() == bcCodeUPC_E1 ? '1' : '0';
    const char check = BarcodeGenerator::modulo10CheckDigit(expandUpcE(numberSystem, six));
    const bool seventhGiven = generator.text().size() >= 7;
    generator.storeText(!generator.checksum() && seventhGiven ? generator.fixedLengthText(7) : six + check);

    const std::string_view parity = kUpcEParity[digitValue(check)];
    std::string pattern(kNormalGuard);
    for (std::size_t i = 0; i < 6; ++i) {
        const char p = numberSystem == '1' ? oppositeParity(parity[i]) : parity[i];
        pattern += leftCode(six[i], p);
    }
    return pattern += kUpcEEndGuard;
}

// The add-on check digit picks the parities; with checksum it is also appended to the shown
// text (the bars still carry five digits).
std::string encodeAddOn5(BarcodeGenerator& generator) {
    const std::string digits = generator.fixedLengthText(5);
    generator.storeText(digits);
    int d[5];
    for (std::size_t i = 0; i < 5; ++i) d[i] = digitValue(digits[i]);
    const int check = (3 * (d[0] + d[2] + d[4]) + 9 * (d[1] + d[3])) % 10;
    if (generator.checksum()) generator.storeText(digits + static_cast<char>('0' + check));

    const std::string_view parity = kAddOn5Parity[check];
    std::string pattern(kAddOnStart);
    for (std::size_t i = 0; i < 5; ++i) {
        if (i > 0) pattern += kAddOnSeparator;
        pattern += leftCode(digits[i], parity[i]);
    }
    return pattern;
}

// The value mod 4 picks the parities: 0 LL, 1 LG, 2 GL, 3 GG.
std::string encodeAddOn2(BarcodeGenerator& generator) {
    const std::string digits = generator.fixedLengthText(2);
    generator.storeText(digits);
    const int d1 = digitValue(digits[0]);
    const int d2 = digitValue(digits[1]);
    if (generator.checksum()) generator.storeText(digits + static_cast<char>('0' + (9 * d1 + 3 * d2) % 10));

    static constexpr std::string_view kParityByValueMod4[] = {"LL", "LG", "GL", "GG"};
    const std::string_view parity = kParityByValueMod4[(10 * d1 + d2) % 4];
    std::string pattern(kAddOnStart);
    pattern += leftCode(digits[0], parity[0]);
    pattern += kAddOnSeparator;
    return pattern += leftCode(digits[1], parity[1]);
}

}  // namespace barcode
