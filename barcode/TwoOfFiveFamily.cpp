// Encoders of Interleaved, Industrial and Matrix 2 of 5, MSI, PostNet and Codabar. Apart
// from Codabar they run on a text the generator has already trimmed and checked to be
// digits only; none of them rewrites Text.
#include "barcode/TwoOfFiveFamily.h"

#include "barcode/BarcodeError.h"
#include "barcode/BarcodeGenerator.h"
#include "barcode/TwoOfFiveTables.h"

namespace barcode {

namespace {

[[noreturn]] void failInternal() {
    throw BarcodeError(std::string(kGeneratorClassName) + ": internal Error");
}

// The generator lets only digits through to the numeric kinds; the check keeps a direct
// call with anything else from reading outside the tables.
int digitValue(char c) {
    if (c < '0' || c > '9') failInternal();
    return c - '0';
}

const TwoOfFiveFlags& flagsOf(char digit) {
    return kTwoOfFiveDigits[digitValue(digit)];
}

// Interleaved 2 of 5 needs an even number of digits; an odd text gets a leading zero so that
// its last digit is encoded rather than dropped (the value read is the same number).
std::string evenLengthDigits(const std::string& text) {
    return text.size() % 2 == 0 ? text : "0" + text;
}

// MSI's modulo-10 check: digits at odd positions from the right are doubled and their digit
// sums added, the others are added as they stand.
int msiCheckDigit(const std::string& digits) {
    int sum = 0;
    bool doubled = true;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it, doubled = !doubled) {
        const int d = digitValue(*it);
        sum += doubled ? (2 * d) / 10 + (2 * d) % 10 : d;
    }
    return (10 - sum % 10) % 10;
}

}  // namespace

std::string encodeInterleaved2of5(BarcodeGenerator& generator) {
    const std::string digits = evenLengthDigits(generator.text());
    std::string pattern = "5050";
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
        const TwoOfFiveFlags& bars = flagsOf(digits[i]);
        const TwoOfFiveFlags& spaces = flagsOf(digits[i + 1]);
        for (std::size_t j = 0; j < 5; ++j) {
            pattern += bars[j] ? '6' : '5';
            pattern += spaces[j] ? '1' : '0';
        }
    }
    return pattern + "605";
}

std::string encodeIndustrial2of5(BarcodeGenerator& generator) {
    std::string pattern = "606050";
    for (char digit : generator.text()) {
        for (bool wide : flagsOf(digit)) pattern += wide ? "60" : "50";
    }
    return pattern + "605060";
}

std::string encodeMatrix2of5(BarcodeGenerator& generator) {
    std::string pattern = "705050";
    for (char digit : generator.text()) {
        const TwoOfFiveFlags& flags = flagsOf(digit);
        for (std::size_t j = 0; j < 5; ++j) {
            const bool isBar = j % 2 == 0;
            pattern += isBar ? (flags[j] ? '6' : '5') : (flags[j] ? '1' : '0');
        }
        pattern += '0';
    }
    return pattern + "70505";
}

std::string encodeMSI(BarcodeGenerator& generator) {
    const std::string& digits = generator.text();
    std::string pattern = "60";
    for (char digit : digits) pattern += kMsiDigits[digitValue(digit)];
    pattern += kMsiDigits[msiCheckDigit(digits)];
    return pattern + "515";
}

std::string encodePostNet(BarcodeGenerator& generator) {
    std::string pattern = "51";
    for (char digit : generator.text()) pattern += kPostNetDigits[digitValue(digit)];
    return pattern + "5";
}

// Start character A and stop character B; letters A..D inside the text are ordinary data.
std::string encodeCodabar(BarcodeGenerator& generator) {
    std::string pattern = std::string(*codabarModulesOf('A')) + "0";
    for (char c : generator.text()) {
        const std::optional<std::string_view> modules = codabarModulesOf(c);
        if (!modules) failInternal();
        pattern += *modules;
        pattern += '0';
    }
    return pattern + std::string(*codabarModulesOf('B'));
}

}  // namespace barcode
