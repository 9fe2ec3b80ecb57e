// Code 128 (ISO/IEC 15417) in one fixed set per symbology: set A (space.._ ), set B
// (space..~) or set C (digit pairs); the EAN-128 forms put FNC1 after the start character.
// A modulo-103 check character always closes the data.
#include <array>
#include <string_view>
#include <vector>

#include "barcode/BarcodeError.h"
#include "barcode/BarcodeGenerator.h"
#include "barcode/Code128Family.h"
#include "barcode/Code128Table.h"
#include "barcode/CountsToModules.h"
#include "platform/Utf8.h"

namespace barcode {

namespace {

constexpr int kModulus = 103;

enum class CodeSet { A, B, C };

struct Code128Kind {
    CodeSet set;
    int startValue;
    bool ean;
};

Code128Kind kindOf(BarcodeType type) {
    switch (type) {
        case bcCode128A:
            return {CodeSet::A, 103, false};
        case bcCode128B:
            return {CodeSet::B, 104, false};
        case bcCode128C:
            return {CodeSet::C, 105, false};
        case bcCodeEAN128A:
            return {CodeSet::A, 103, true};
        case bcCodeEAN128B:
            return {CodeSet::B, 104, true};
        case bcCodeEAN128C:
            return {CodeSet::C, 105, true};
        default:
            throw BarcodeError(std::string(kGeneratorClassName) + ": wrong BarcodeType");
    }
}

// Set A holds space.._ and set B space..~ at values 0..; anything else is sent as a space.
// A multi-byte UTF-8 character counts once.
std::vector<int> characterValues(const std::string& text, CodeSet set) {
    const int last = set == CodeSet::A ? '_' : '~';
    std::vector<int> values;
    values.reserve(text.size());
    for (char32_t code : platform::utf8Decode(text))
        values.push_back(code >= U' ' && code <= static_cast<char32_t>(last) ? static_cast<int>(code) - ' '
                                                                             : 0);
    return values;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::vector<int> digitPairValues(const std::string& text) {
    std::vector<int> values;
    values.reserve(text.size() / 2);
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        if (!isDigit(text[i]) || !isDigit(text[i + 1])) throw BarcodeError("Barcode must be numeric");
        values.push_back((text[i] - '0') * 10 + (text[i + 1] - '0'));
    }
    return values;
}

}  // namespace

std::string encodeCode128(BarcodeGenerator& generator) {
    const Code128Kind kind = kindOf(generator.type());
    std::string widths(kCode128Widths[kind.startValue]);
    int sum = kind.startValue;
    int weight = 1;

    if (kind.ean) {
        widths += kCode128Widths[kCode128Fnc1];
        sum += kCode128Fnc1 * weight;
        weight = 2;
        if (generator.checksum()) generator.storeText(generator.applyCheckSum(generator.text()));
    }
    if (kind.set == CodeSet::C && generator.text().size() % 2 != 0)
        generator.storeText('0' + generator.text());

    const std::vector<int> values = kind.set == CodeSet::C ? digitPairValues(generator.text())
                                                           : characterValues(generator.text(), kind.set);
    widths.reserve(widths.size() + (values.size() + 2) * 6);
    for (int v : values) {
        widths += kCode128Widths[v];
        sum = (sum + v * (weight % kModulus)) % kModulus;  // reduced: long texts cannot overflow
        ++weight;
    }
    widths += kCode128Widths[sum % kModulus];
    widths += kCode128Stop;
    return countsToModules(widths);
}

}  // namespace barcode
