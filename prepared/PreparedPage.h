// One finished page of a prepared report: its paper, margins and printer geometry, the
// serialized objects printed onto it, and (only while it is shown or printed) the objects
// rebuilt from those bytes.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/ByteWriter.h"
#include "platform/Geometry.h"
#include "printer/PrintSheet.h"
#include "printer/PrintTarget.h"
#include "printer/PrinterGeometry.h"
#include "report/Page.h"

namespace prepared {

// first byte of every page stream.
inline constexpr std::uint8_t kPageStreamVersion = 24;

struct PreparedPage {
    int paperSize = 0;   // paper-size code, 256 = custom size
    int paperWidth = 0;  // tenths of a millimetre
    int paperHeight = 0;
    int orientation = 0;  // 0 portrait, 1 landscape
    int bin = 0;          // -1 or 65535: the printer's default source
    bool useMargins = false;
    printer::PageMargins margins;  // page pixels
    printer::PrinterGeometry geometry;
    // Version byte, then one entry per object: type byte, class name for add-ins, printing
    // record. The preparation engine appends entries here.
    platform::ByteWriter objectStream;
    // The objects rebuilt from objectStream; null while the page is held as bytes only.
    std::unique_ptr<report::Page> loadedPage;

    printer::PagePaper paper() const { return {paperSize, paperWidth, paperHeight, bin, orientation}; }
};

}  // namespace prepared
