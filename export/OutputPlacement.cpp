#include "export/OutputPlacement.h"

#include "platform/Rounding.h"
#include "printer/PageUnits.h"
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

int scaled(int pagePixels, double dotsPerPixel) {
    return platform::roundToInt(pagePixels * dotsPerPixel);
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

platform::Rect outputTargetRect(const prepared::PreparedPage& page, platform::Size sheetDots, int dpi) {
    const printer::PrinterGeometry& g = page.geometry;
    const double dotsPerPixel = dpi / printer::kPagePixelsPerInch;
    // The page's printer geometry restated in this sheet's dots.
    printer::PrinterGeometry out = g;
    out.paperWidthDots = sheetDots.width;
    out.paperHeightDots = sheetDots.height;
    out.offsetXDots = scaled(g.offsetXPx, dotsPerPixel);
    out.offsetYDots = scaled(g.offsetYPx, dotsPerPixel);
    out.printableWidthDots = scaled(g.printableWidthPx, dotsPerPixel);
    out.printableHeightDots = scaled(g.printableHeightPx, dotsPerPixel);
    // printTargetRect measures from the printable area's corner; this sheet's origin is the
    // paper's corner.
    const platform::Rect r = printer::printTargetRect(out, page.useMargins, page.margins);
    const auto shift = [](int v, int by) { return platform::roundToInt(static_cast<double>(v) + by); };
    return {shift(r.left, out.offsetXDots), shift(r.top, out.offsetYDots), shift(r.right, out.offsetXDots),
            shift(r.bottom, out.offsetYDots)};
}

}  // namespace export_
