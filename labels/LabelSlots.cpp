#include "labels/LabelSlots.h"

#include <algorithm>

#include "preparation/PageArea.h"
#include "preparation/Prepare.h"
#include "report/BandView.h"

namespace labels {

namespace {

// Sheets are never this full; a damaged template cannot make the list grow without end.
constexpr std::size_t kMaxSlots = 10000;

const report::BandView* firstBand(const report::Page& page, int type) {
    for (const auto& object : page.objects()) {
        const auto* band = dynamic_cast<const report::BandView*>(object.get());
        if (band && band->bandType() == type) return band;
    }
    return nullptr;
}

const report::Page* firstPrintedPage(const report::Report& report) {
    for (const auto& page : report.pages())
        if (page->pageKind == 0) return page.get();
    return nullptr;
}

int heightOf(const report::BandView* band) {
    return band ? std::max(0, band->height) : 0;
}

}  // namespace

std::vector<LabelSlot> labelSlots(report::Report& report) {
    preparation::fitPagesToPrinter(report);
    const report::Page* page = firstPrintedPage(report);
    if (!page) return {};
    const report::BandView* data = firstBand(*page, report::kBandMasterData);
    if (!data || data->height <= 0) return {};

    const preparation::PageArea area = preparation::pageAreaOf(*page);
    const int columns = std::max(page->pageColumns, 1);
    const int columnWidth = preparation::pageColumnWidth(area, columns, page->pageColumnGap);
    // A page header shown on the first sheet comes before the labels; a page footer and a
    // column footer keep their room at the bottom.
    const report::BandView* header = firstBand(*page, report::kBandPageHeader);
    const long long top =
        area.top + ((header && (header->flags & report::kBandOnFirstPage)) ? heightOf(header) : 0);
    const long long bottom = static_cast<long long>(area.bottom) -
                             heightOf(firstBand(*page, report::kBandPageFooter)) -
                             heightOf(firstBand(*page, report::kBandColumnFooter));

    std::vector<LabelSlot> slots;
    for (int column = 0; column < columns && slots.size() < kMaxSlots; ++column) {
        const long long left = area.left + static_cast<long long>(column) * (columnWidth + page->pageColumnGap);
        for (long long y = top; y + data->height <= bottom && slots.size() < kMaxSlots; y += data->height)
            slots.push_back({static_cast<int>(left), static_cast<int>(y), columnWidth, data->height});
    }
    return slots;
}

int labelsPerSheet(report::Report& report) {
    return static_cast<int>(labelSlots(report).size());
}

}  // namespace labels
