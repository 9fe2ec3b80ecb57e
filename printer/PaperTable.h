// The virtual printer's papers: the standard paper codes of printer settings blocks with their
// portrait sizes, used when no real printer can say what it supports.
#pragma once

#include <array>
#include <string>

namespace printer {

// Paper code meaning "the width and height are given explicitly".
inline constexpr int kCustomPaper = 256;
// A4: the paper a new printer object starts with.
inline constexpr int kDefaultPaper = 9;

struct PaperRow {
    int code;
    int width;  // tenths of a millimetre, portrait
    int height;
};

inline constexpr std::size_t kPaperRowCount = 67;
extern const std::array<PaperRow, kPaperRowCount> kPaperTable;

// Display name of row `index` (UI texts 55008 onwards; this program stores none, so "").
std::string paperName(std::size_t index);

// The row of a paper code, or null when the table does not know it.
const PaperRow* findPaperByCode(int code);

// The first fixed-size row (never the custom row) whose portrait size matches width x height
// within `tolerance` tenths of a millimetre in each direction, or null.
const PaperRow* findPaperBySize(int width, int height, int tolerance = 1);

}  // namespace printer
