#include "preparation/PageArea.h"

#include <algorithm>

#include "printer/PrinterGeometry.h"

namespace preparation {

PageArea pageAreaOf(const report::Page& page) {
    const auto g = printer::PrinterGeometry::fromValues(page.printerGeometry);
    if (!page.useMargins) return {0, 0, g.paperWidthPx, g.paperHeightPx};
    const auto& [ml, mt, mr, mb] = page.margins;
    PageArea area;
    area.left = ml != 0 ? ml : g.offsetXPx;
    area.top = mt != 0 ? mt : g.offsetYPx;
    area.right = mr != 0 ? g.paperWidthPx - mr : g.offsetXPx + g.printableWidthPx;
    area.bottom = mb != 0 ? g.paperHeightPx - mb : g.offsetYPx + g.printableHeightPx;
    return area;
}

int pageColumnWidth(const PageArea& area, int columns, int gap) {
    columns = std::max(columns, 1);
    // In 64 bits: hostile column counts and gaps must not overflow.
    const long long width =
        (static_cast<long long>(area.right) - area.left - static_cast<long long>(columns - 1) * gap) /
        columns;
    return static_cast<int>(std::clamp<long long>(width, -(1LL << 30), 1LL << 30));
}

}  // namespace preparation
