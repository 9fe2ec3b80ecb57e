// Where a prepared page lands on an output sheet that has no unprintable edge (a PDF page, an
// image): the same placement the print run makes on a printer, with page pixels scaled to
// the output's dots instead of the printer's.
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

// The rectangle to draw the page into on a sheet of `sheetDots` (origin at the sheet's
// corner) at `dpi` dots per inch.
platform::Rect outputTargetRect(const prepared::PreparedPage& page, platform::Size sheetDots, int dpi);

}  // namespace export_
