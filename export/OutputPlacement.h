// Where a prepared page lands on an output sheet that has no unprintable edge (a PDF page, an
// image): the same placement from the paper's edges that the print run makes on a printer, in
// the output's dots.
#pragma once

#include "platform/Geometry.h"
#include "prepared/PreparedPage.h"

namespace export_ {

// The sheet of a page as it lies (after turning), in millimetres; a record whose paper is
// missing or absurd gets the size of its geometry, else A4 in its orientation.
struct SheetSize {
    double widthMm = 0;
    double heightMm = 0;
};
SheetSize sheetSizeOf(const prepared::PreparedPage& page);

// The rectangle to draw the page into on a sheet of `sheetDots` (origin at the sheet's corner).
platform::Rect outputTargetRect(const prepared::PreparedPage& page, platform::Size sheetDots);

}  // namespace export_
