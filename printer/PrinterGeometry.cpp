#include "printer/PrinterGeometry.h"

namespace printer {

PrinterGeometry::Values PrinterGeometry::values() const {
    return {paperWidthDots,     paperHeightDots,     paperWidthPx,     paperHeightPx,
            offsetXDots,        offsetYDots,         offsetXPx,        offsetYPx,
            printableWidthDots, printableHeightDots, printableWidthPx, printableHeightPx};
}

PrinterGeometry PrinterGeometry::fromValues(const Values& v) {
    PrinterGeometry g;
    g.paperWidthDots = v[0];
    g.paperHeightDots = v[1];
    g.paperWidthPx = v[2];
    g.paperHeightPx = v[3];
    g.offsetXDots = v[4];
    g.offsetYDots = v[5];
    g.offsetXPx = v[6];
    g.offsetYPx = v[7];
    g.printableWidthDots = v[8];
    g.printableHeightDots = v[9];
    g.printableWidthPx = v[10];
    g.printableHeightPx = v[11];
    return g;
}

}  // namespace printer
