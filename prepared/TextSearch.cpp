#include "prepared/TextSearch.h"

#include <cmath>

#include "platform/PictureCanvas.h"
#include "platform/Utf8.h"

namespace prepared {

namespace {

int scaled(double length, double zoom) {
    return static_cast<int>(std::lround(length * zoom));
}

char32_t upperOf(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 0x20;
    // à..þ map onto À..Þ, except the division sign; ÿ has its capital outside Latin-1.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    if (c == 0xFF) return 0x178;
    return c;
}

// The first text record at or after `from` whose text contains `text`, or -1.
int matchingRecord(const platform::Picture& picture, const TextSearchState& state, int from) {
    const auto& records = picture.records();
    for (int i = from; i < static_cast<int>(records.size()); ++i) {
        const platform::PictureRecord& r = records[static_cast<std::size_t>(i)];
        if (r.kind != platform::PictureRecordKind::Text) continue;
        const std::string drawn = state.caseSensitive ? r.text : searchUpperCase(r.text);
        if (drawn.find(state.text) != std::string::npos) return i;
    }
    return -1;
}

platform::Picture recordPage(PreparedPages& pages, int index, platform::Canvas* reference) {
    PreparedPage& page = pages.page(index);
    const platform::Size size{page.geometry.paperWidthPx, page.geometry.paperHeightPx};
    platform::PictureCanvas canvas(size, reference);
    // Barcode objects draw through nested pictures; their text records must be walkable too.
    canvas.setFlattening(true);
    pages.drawOnce(index, canvas, pageContentRect(page, {0, 0, size.width, size.height}, 1.0));
    return canvas.takePicture();
}

}  // namespace

platform::Rect pageContentRect(const PreparedPage& page, const platform::Rect& frame, double zoom) {
    if (page.useMargins) return frame;
    const printer::PrinterGeometry& g = page.geometry;
    const printer::PageMargins& m = page.margins;
    const int left = frame.left + scaled(static_cast<double>(g.offsetXPx) + m.left, zoom);
    const int top = frame.top + scaled(static_cast<double>(g.offsetYPx) + m.top, zoom);
    return {left, top, left + scaled(static_cast<double>(g.printableWidthPx) - m.left - m.right, zoom),
            top + scaled(static_cast<double>(g.printableHeightPx) - m.top - m.bottom, zoom)};
}

std::string searchUpperCase(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char32_t c : platform::utf8Decode(utf8)) platform::utf8Append(out, upperOf(c));
    return out;
}

void beginSearch(TextSearchState& state, const std::string& text, bool caseSensitive, bool fromFirstPage,
                 int currentPage) {
    state.text = caseSensitive ? text : searchUpperCase(text);
    state.caseSensitive = caseSensitive;
    if (fromFirstPage) {
        state.startPage = 0;
        state.resumeIndex = 0;
    } else if (currentPage != state.startPage) {
        state.startPage = currentPage;
        state.resumeIndex = 0;
    }
}

bool findNext(PreparedPages& pages, TextSearchState& state, platform::Canvas* reference) {
    state.found = false;
    if (state.text.empty()) {
        state.startPage = pages.count();
        return false;
    }
    if (state.startPage < 0) state.startPage = 0;
    for (; state.startPage < pages.count(); ++state.startPage) {
        const platform::Picture picture = recordPage(pages, state.startPage, reference);
        const int match = matchingRecord(picture, state, state.resumeIndex);
        if (match >= 0) {
            state.found = true;
            state.foundPage = state.startPage;
            state.foundRect = picture.records()[static_cast<std::size_t>(match)].rect;
            state.resumeIndex = match + 1;
            return true;
        }
        state.resumeIndex = 0;
    }
    return false;
}

}  // namespace prepared
