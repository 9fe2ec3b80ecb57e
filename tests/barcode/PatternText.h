// Test helpers: encode through the generator and look at patterns as module widths.
#pragma once

#include <string>

#include "barcode/BarcodeError.h"
#include "barcode/BarcodeGenerator.h"

namespace barcode_test {

struct Encoded {
    std::string pattern;
    std::string text;  // Text after encoding
    int width = 0;
    std::string error;
};

inline Encoded encode(barcode::TfrBarcodeType type, const std::string& text, bool checksum = false) {
    barcode::TfrBarcode g;
    g.SetTyp(type);
    g.SetText(text);
    g.SetChecksum(checksum);
    Encoded e;
    try {
        e.pattern = g.Encode();
        e.width = g.Width();
    } catch (const barcode::BarcodeError& error) {
        e.error = error.what();
    }
    e.text = g.Text();
    return e;
}

// Module codes back to width digits '1'..'4' (bars and spaces alike), as tables write them.
inline std::string widthsOf(const std::string& pattern) {
    std::string out;
    for (char c : pattern) out += static_cast<char>('1' + (c >= '5' ? c - '5' : c - '0'));
    return out;
}

}  // namespace barcode_test
