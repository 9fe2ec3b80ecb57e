#include "prepared/PrintableArea.h"

#include <algorithm>
#include <cstdio>

#include "platform/Rounding.h"
#include "prepared/PageList.h"
#include "printer/PageOffset.h"
#include "printer/PrintTarget.h"
#include "printer/Printer.h"

namespace prepared {

namespace {

constexpr double kMmPerInch = 25.4;
// A line drawn exactly on the edge of the printable area is not outside it.
constexpr double kEdgeToleranceMm = 0.2;

// How far `object` (dots, origin at the printable area's corner) reaches outside `area`.
double beyond(const platform::Rect& object, const platform::Rect& area) {
    return std::max({area.left - object.left, area.top - object.top, object.right - area.right,
                     object.bottom - area.bottom, 0});
}

class PrintableAreaCheck {
public:
    PrintableAreaCheck(PreparedPages& pages, printer::Printer& printer)
        : pages_(pages), printer_(printer), offset_(printer.currentOffset()) {}

    // The objects of page `index` that reach outside, added to `found`.
    void check(int index, OutsidePrintableArea& found) {
        PreparedPage& page = pages_.page(index);
        const printer::PagePaper paper = page.paper();
        printer_.setPaper(paper.size, paper.width, paper.height, paper.bin, paper.orientation, false);
        printer::PrinterGeometry g = page.geometry;
        printer_.fillGeometry(g);
        const double dpiX = printer::geometryDotsPerInchX(g), dpiY = printer::geometryDotsPerInchY(g);
        if (dpiX <= 0 || dpiY <= 0) return;
        const platform::Rect target = printer::shiftedByOffset(
            printer::printTargetRect(g, page.useMargins, page.margins), offset_, dpiX, dpiY);
        const platform::Rect area{0, 0, g.printableWidthDots, g.printableHeightDots};
        const double sx = g.paperWidthPx > 0 ? static_cast<double>(target.width()) / g.paperWidthPx : 0;
        const double sy = g.paperHeightPx > 0 ? static_cast<double>(target.height()) / g.paperHeightPx : 0;
        const double tolerance = kEdgeToleranceMm * dpiX / kMmPerInch;

        const bool wasLoaded = page.loadedPage != nullptr;
        if (!wasLoaded) pages_.loadObjects(index);
        for (const auto& object : page.loadedPage->objects()) {
            const platform::Rect dots{
                platform::roundToInt(target.left + object->left * sx),
                platform::roundToInt(target.top + object->top * sy),
                platform::roundToInt(target.left + (object->left + static_cast<double>(object->width)) * sx),
                platform::roundToInt(target.top + (object->top + static_cast<double>(object->height)) * sy)};
            const double outside = beyond(dots, area);
            if (outside <= tolerance) continue;
            if (found.objects++ == 0) found.firstPage = index + 1;
            found.farthestMm = std::max(found.farthestMm, outside * kMmPerInch / dpiX);
        }
        if (!wasLoaded) page.loadedPage.reset();
    }

private:
    PreparedPages& pages_;
    printer::Printer& printer_;
    printer::PageOffset offset_;
};

}  // namespace

OutsidePrintableArea findOutsidePrintableArea(PreparedPages& pages, const PrintOptions& options) {
    OutsidePrintableArea found;
    printer::Printer& printer = pages.printer();
    const PageList list = parsePageList(options.pageList, pages.count());
    if (printer.isVirtual()) return found;
    PrintableAreaCheck check(pages, printer);
    for (int i = 0; i < pages.count(); ++i)
        if (list.includes(i + 1) && !printer::pageFilterSkips(options.filter, i)) check.check(i, found);
    return found;
}

std::string outsidePrintableAreaQuestion(const OutsidePrintableArea& outside,
                                         const std::string& printerName) {
    char reach[32];
    std::snprintf(reach, sizeof reach, "%.1f", outside.farthestMm);
    std::string mm = reach;
    std::replace(mm.begin(), mm.end(), '.', ',');
    const bool one = outside.objects == 1;
    const std::string what =
        one ? "un'etichetta esce" : std::to_string(outside.objects) + " etichette escono";
    return "Su «" + printerName + "» " + what + " dall'area stampabile (fino a " + mm + " mm, dalla pagina " +
           std::to_string(outside.firstPage) + ") e " + (one ? "verrebbe tagliata" : "verrebbero tagliate") +
           ": la stampante non raggiunge i bordi del foglio.\nStampare comunque?";
}

}  // namespace prepared
