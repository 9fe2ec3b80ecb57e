// A printer's calibration: how far to move every page's content on the sheet, in millimetres,
// so that what prints lands on the labels of a sheet the printer feeds a little off. It moves
// the content only; the layout of the pages stays as prepared.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Geometry.h"
#include "printer/PrinterGeometry.h"

namespace printer {

inline constexpr double kMaxPageOffsetMm = 10.0;
inline constexpr double kPageOffsetStepMm = 0.1;

struct PageOffset {
    double xMm = 0;  // positive: to the right
    double yMm = 0;  // positive: down
    friend bool operator==(const PageOffset&, const PageOffset&) = default;
};

// Finite and within -10.0 .. +10.0 mm.
bool isValidOffsetMm(double mm);

// "X,Y" in millimetres ("1.5,-0.5"); empty when either part is not a number in range.
std::optional<PageOffset> parsePageOffset(std::string_view text);

// The offset as settings and messages write it: one decimal, "." as separator ("-1.5").
std::string offsetMmText(double mm);

// `rect` (in dots of a sheet at dotsPerInch) moved by the offset.
platform::Rect shiftedByOffset(const platform::Rect& rect, const PageOffset& offset, double dotsPerInchX,
                               double dotsPerInchY);

// Dots per inch of the printer a geometry describes (page pixels scaled to its dots); 0 when
// the geometry holds no paper.
double geometryDotsPerInchX(const PrinterGeometry& g);
double geometryDotsPerInchY(const PrinterGeometry& g);

// Where the offset of each printer comes from (the user's settings, in the program).
class PageOffsetSource {
public:
    virtual ~PageOffsetSource() = default;
    virtual PageOffset offsetFor(const std::string& printerName) = 0;
};

}  // namespace printer
