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

inline Encoded encode(barcode::BarcodeType type, const std::string& text, bool checksum = false) {
    barcode::BarcodeGenerator g;
    g.setType(type);
    g.setText(text);
    g.setChecksum(checksum);
    Encoded e;
    try {
        e.pattern = g.encode();
        e.width = g.width();
    } catch (const barcode::BarcodeError& error) {
        e.error = error.what();
    }
    e.text = g.text();
    return e;
}

// Module codes back to width digits '1'..'4' (bars and spaces alike), as tables write them.
inline std::string widthsOf(const std::string& pattern) {
    std::string out;
    for (char c : pattern) out += static_cast<char>('1' + (c >= '5' ? c - '5' : c - '0'));
    return out;
}

}  // namespace barcode_test
