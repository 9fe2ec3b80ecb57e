// Where a prepared page lands on the paper. A label sheet has one geometry: the page is placed
// from the paper's edges, in the page pixels of its printer geometry (the paper with 5 mm edges,
// the same for every printer), and only then turned into the dots of the device it goes to. A
// printer's printable area never moves or scales the page; it only clips it.
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

// The rectangle the page is drawn into, page pixels from the paper's top-left corner: the whole
// sheet with useMargins, else the area inside the sheet's edges less the margins.
platform::Rect sheetPlacement(const PrinterGeometry& g, bool useMargins, const PageMargins& m);

// sheetPlacement on a paper of `paperDots`, origin at the paper's corner.
platform::Rect placementOnPaper(const PrinterGeometry& g, bool useMargins, const PageMargins& m,
                                platform::Size paperDots);

// The target rectangle in printer dots, origin at the printable area's top-left corner: the
// placement on the paper of g's dots, moved by the printable area's offset.
platform::Rect printTargetRect(const PrinterGeometry& g, bool useMargins, const PageMargins& m);

}  // namespace printer
