// Code 39 (ISO/IEC 16388): each character is nine elements, bar first, three of them wide,
// followed by a narrow gap; '*' starts and stops the symbol.
#include <array>
#include <optional>
#include <string_view>

#include "barcode/BarcodeGenerator.h"
#include "barcode/Code39Family.h"
#include "barcode/Code39Table.h"
#include "barcode/FullAsciiTable.h"
#include "barcode/KeptText.h"

namespace barcode {

namespace {

constexpr int kCheckModulus = 43;
constexpr char kGap = '0';

// Module codes of one table entry: bars '5' narrow / '6' wide, spaces '0' / '1'.
struct Code39Modules {
    std::array<char, 9> codes;
    int checkValue;
};

Code39Modules modulesOf(const Code39Entry& entry) {
    Code39Modules m{{}, entry.checkValue};
    for (std::size_t i = 0; i < m.codes.size(); ++i) {
        const bool wide = entry.elements[i] == 'w';
        const bool bar = i % 2 == 0;
        m.codes[i] = bar ? (wide ? '6' : '5') : (wide ? '1' : '0');
    }
    return m;
}

// The table indexed by character byte, converted once: labels encode many short texts.
struct Code39Lookup {
    std::array<std::optional<Code39Modules>, 256> byCharacter;
    std::array<Code39Modules, kCheckModulus> byCheckValue;

    Code39Lookup() {
        // Walked backwards so that the first entry of a check value wins ('0' over '*').
        for (auto it = kCode39Table.rbegin(); it != kCode39Table.rend(); ++it) {
            byCharacter[static_cast<unsigned char>(it->character)] = modulesOf(*it);
            byCheckValue[it->checkValue] = modulesOf(*it);
        }
    }
};

const Code39Lookup& lookup() {
    static const Code39Lookup table;
    return table;
}

void append(std::string& pattern, const Code39Modules& m) {
    pattern.append(m.codes.data(), m.codes.size());
}

}  // namespace

std::string encodeCode39(BarcodeGenerator& generator) {
    const Code39Lookup& table = lookup();
    const Code39Modules& star = *table.byCharacter['*'];
    std::string pattern;
    pattern.reserve((generator.text().size() + 3) * 10);
    append(pattern, star);
    pattern += kGap;
    int sum = 0;
    for (char c : generator.text()) {
        const auto& modules = table.byCharacter[static_cast<unsigned char>(c)];
        if (!modules) continue;  // not encodable: silently left out of the bars
        append(pattern, *modules);
        pattern += kGap;
        sum = (sum + modules->checkValue) % kCheckModulus;
    }
    if (generator.checksum()) {
        append(pattern, table.byCheckValue[sum]);
        pattern += kGap;
    }
    append(pattern, star);
    return pattern;
}

std::string encodeCode39Extended(BarcodeGenerator& generator) {
    const KeptText kept(generator);
    generator.storeText(expandFullAscii(kept.text(), kCode39Shifts));
    return encodeCode39(generator);
}

}  // namespace barcode
