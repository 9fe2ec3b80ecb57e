#include "export/OutputPlacement.h"

#include "printer/PageUnits.h"
#include "printer/PrintTarget.h"
#include "printer/Printer.h"

namespace export_ {

namespace {

constexpr double kMmPerInch = 25.4;
// Papers outside this range (millimetres) are not taken from the record.
constexpr double kSmallestPaperMm = 10;
constexpr double kLargestPaperMm = 5000;

bool usable(double mm) {
    return mm >= kSmallestPaperMm && mm <= kLargestPaperMm;
}

}  // namespace

SheetSize sheetSizeOf(const prepared::PreparedPage& page) {
    const SheetSize paper{page.paperWidth / 10.0, page.paperHeight / 10.0};
    if (usable(paper.widthMm) && usable(paper.heightMm)) return paper;
    const SheetSize fromGeometry{page.geometry.paperWidthPx * kMmPerInch / printer::kPagePixelsPerInch,
                                 page.geometry.paperHeightPx * kMmPerInch / printer::kPagePixelsPerInch};
    if (usable(fromGeometry.widthMm) && usable(fromGeometry.heightMm)) return fromGeometry;
    return page.orientation == printer::kLandscape ? SheetSize{297, 210} : SheetSize{210, 297};
}

platform::Rect outputTargetRect(const prepared::PreparedPage& page, platform::Size sheetDots) {
    return printer::placementOnPaper(page.geometry, page.useMargins, page.margins, sheetDots);
}

}  // namespace export_
