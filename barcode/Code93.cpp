// Code 93 (AIM USS-93): each character is three bars and three spaces, nine modules wide,
// given as widths; two check characters (C and K) always close the data.
#include <array>
#include <string_view>
#include <vector>

#include "barcode/BarcodeError.h"
#include "barcode/BarcodeGenerator.h"
#include "barcode/Code93Family.h"
#include "barcode/Code93Table.h"
#include "barcode/CountsToModules.h"
#include "barcode/FullAsciiTable.h"
#include "barcode/KeptText.h"

namespace barcode {

namespace {

constexpr std::string_view kCode93Shifts = "[]{}";  // for $, %, /, + of the full-ASCII table
constexpr int kModulus = 47;
constexpr int kMaxWeightC = 20;
constexpr int kMaxWeightK = 15;

int valueOf(char c) {
    for (std::size_t i = 0; i < kCode93Table.size(); ++i)
        if (kCode93Table[i].character == c) return static_cast<int>(i);
    return -1;
}

}  // namespace

std::string encodeCode93(BarcodeGenerator& generator) {
    const std::string& text = generator.text();
    std::vector<int> values;
    values.reserve(text.size());
    for (char c : text) {
        const int v = valueOf(c);
        if (v < 0) throw BarcodeError(std::string(kGeneratorClassName) + ":Code93 bad Data <" + text + ">");
        values.push_back(v);
    }

    int sumC = 0;
    int sumK = 0;
    int weightC = 1;
    int weightK = 2;
    for (auto it = values.rbegin(); it != values.rend(); ++it) {
        // Kept reduced so that no text length can overflow the sums.
        sumC = (sumC + *it * weightC) % kModulus;
        sumK = (sumK + *it * weightK) % kModulus;
        weightC = weightC == kMaxWeightC ? 1 : weightC + 1;
        weightK = weightK == kMaxWeightK ? 1 : weightK + 1;
    }
    const int checkC = sumC;
    const int checkK = (sumK + sumC) % kModulus;

    std::string widths(kCode93Start);
    widths.reserve((values.size() + 4) * 6);
    for (int v : values) widths += kCode93Table[v].widths;
    widths += kCode93Table[checkC].widths;
    widths += kCode93Table[checkK].widths;
    widths += kCode93Stop;
    return countsToModules(widths);
}

std::string encodeCode93Extended(BarcodeGenerator& generator) {
    const KeptText kept(generator);
    generator.storeText(expandFullAscii(kept.text(), kCode93Shifts));
    return encodeCode93(generator);
}

}  // namespace barcode
