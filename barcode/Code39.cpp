// Code 39 (ISO/IEC 16388): each character is nine elements, bar first, three of them wide,
// followed by a narrow gap; '*' starts and stops the symbol.
#include <array>
#include <string_view>

#include "barcode/Code39Family.h"
#include "barcode/Code39Table.h"
#include "barcode/FullAsciiTable.h"
#include "barcode/KeptText.h"
#include "barcode/TfrBarcode.h"

namespace barcode {

namespace {


constexpr int kCheckModulus = 43;
constexpr char kGap = '0';

const Code39Entry* findCharacter(char c) {
    for (const Code39Entry& e : kCode39Table)
        if (e.character == c) return &e;
    return nullptr;
}

const Code39Entry& findCheckValue(int value) {
    for (const Code39Entry& e : kCode39Table)
        if (e.checkValue == value) return e;
    return kCode39Table[0];  // unreachable: every value 0..42 is in the table
}

void appendModules(std::string& pattern, const Code39Entry& entry) {
    for (std::size_t i = 0; i < entry.elements.size(); ++i) {
        const bool wide = entry.elements[i] == 'w';
        const bool bar = i % 2 == 0;
        pattern += bar ? (wide ? '6' : '5') : (wide ? '1' : '0');
    }
}

}  // namespace

std::string EncodeCode39(TfrBarcode& generator) {
    const Code39Entry& star = *findCharacter('*');
    std::string pattern;
    pattern.reserve((generator.Text().size() + 3) * 10);
    appendModules(pattern, star);
    pattern += kGap;
    int sum = 0;
    for (char c : generator.Text()) {
        const Code39Entry* entry = findCharacter(c);
        if (entry == nullptr) continue;  // not encodable: silently left out of the bars
        appendModules(pattern, *entry);
        pattern += kGap;
        sum = (sum + entry->checkValue) % kCheckModulus;
    }
    if (generator.Checksum()) {
        appendModules(pattern, findCheckValue(sum));
        pattern += kGap;
    }
    appendModules(pattern, star);
    return pattern;
}

std::string EncodeCode39Extended(TfrBarcode& generator) {
    const KeptText kept(generator);
    generator.StoreText(expandFullAscii(kept.text(), kCode39Shifts));
    return EncodeCode39(generator);
}

}  // namespace barcode
