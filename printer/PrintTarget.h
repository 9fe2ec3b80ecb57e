// Where a prepared page lands on the printer's sheet.
#pragma once

#include "platform/Geometry.h"
#include "printer/PrinterGeometry.h"

namespace printer {

// A page's margins, page pixels.
struct PageMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The target rectangle in printer dots, origin at the printable area's top-left corner.
// With useMargins the page covers the whole sheet; otherwise it is fitted into the printable
// area less the margins, scaled from page pixels to dots.
platform::Rect printTargetRect(const PrinterGeometry& g, bool useMargins, const PageMargins& m);

}  // namespace printer
