#include "printer/qt/QtPrinterBins.h"

#include <array>

namespace printer::qt {

namespace {

struct BinRow {
    QPrinter::PaperSource source;
    int code;
};

constexpr int kAutomaticBin = 7;

constexpr std::array<BinRow, 13> kBins{{
    {QPrinter::OnlyOne, 1},
    {QPrinter::Lower, 2},
    {QPrinter::Middle, 3},
    {QPrinter::Manual, 4},
    {QPrinter::Envelope, 5},
    {QPrinter::EnvelopeManual, 6},
    {QPrinter::Auto, kAutomaticBin},
    {QPrinter::Tractor, 8},
    {QPrinter::SmallFormat, 9},
    {QPrinter::LargeFormat, 10},
    {QPrinter::LargeCapacity, 11},
    {QPrinter::Cassette, 14},
    {QPrinter::FormSource, 15},
}};

}  // namespace

int binCodeOf(QPrinter::PaperSource source) {
    for (const BinRow& row : kBins)
        if (row.source == source) return row.code;
    return kAutomaticBin;
}

std::optional<QPrinter::PaperSource> paperSourceOf(int binCode) {
    for (const BinRow& row : kBins)
        if (row.code == binCode) return row.source;
    return std::nullopt;
}

}  // namespace printer::qt
