#include "gui/preview/PreviewLayout.h"

#include <algorithm>
#include <cmath>

namespace gui::preview {

namespace {

int scaled(int length, double zoom) {
    return static_cast<int>(std::lround(length * zoom));
}

double fitted(int room, int length, double fallback) {
    if (length <= 0) return fallback;
    return std::max(kMinZoom, static_cast<double>(room) / length);
}

}  // namespace

double zoomForMode(ZoomMode mode, double zoom, platform::Size page, platform::Size box) {
    switch (mode) {
        case ZoomMode::PageWidth:
            return fitted(box.width - 20, page.width, zoom);
        case ZoomMode::WholePage:
            return fitted(box.height - 20, page.height, zoom);
        case ZoomMode::TwoPages:
            return fitted(box.width - 30, 2 * page.width, zoom);
        case ZoomMode::Fixed:
            break;
    }
    return zoom;
}

int zoomPercent(double zoom) {
    return static_cast<int>(std::lround(zoom * 100));
}

int pagesPerRow(const std::vector<platform::Size>& pages, double zoom, int boxWidth, ZoomMode mode) {
    if (mode == ZoomMode::WholePage) return 1;
    if (mode == ZoomMode::TwoPages) return 2;
    int best = 1, run = 0, x = kPageGap;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const int right = x + scaled(pages[i].width, zoom) + kPageGap;
        if (right > boxWidth) {
            best = std::max(best, run);
            x = kPageGap;
            run = 0;
            continue;
        }
        x = right;
        ++run;
        if (i + 1 == pages.size()) best = std::max(best, run);
    }
    return best;
}

DeskLayout layoutDesk(const std::vector<platform::Size>& pages, double zoom, ZoomMode mode,
                      platform::Size box) {
    DeskLayout layout;
    layout.perRow = pagesPerRow(pages, zoom, box.width, mode);
    layout.bounds.reserve(pages.size());
    int x = kPageGap, y = kPageGap, rowHeight = 0, inRow = 0;
    int maxRight = 0, maxBottom = 0;
    for (const platform::Size& page : pages) {
        const int w = scaled(page.width, zoom), h = scaled(page.height, zoom);
        const int left = (layout.perRow == 1 && w < box.width) ? (box.width - w) / 2 : x;
        layout.bounds.push_back({left, y, left + w, y + h});
        maxRight = std::max(maxRight, left + w);
        maxBottom = std::max(maxBottom, y + h);
        x += w + kPageGap;
        rowHeight = std::max(rowHeight, h);
        if (++inRow == layout.perRow) {
            y += rowHeight + kPageGap;
            x = kPageGap;
            rowHeight = 0;
            inRow = 0;
        }
    }
    layout.horizontalMax = std::max(0, maxRight - box.width + kPageGap);
    layout.verticalMax = std::max(0, maxBottom - box.height + kPageGap);
    return layout;
}

int pageAtLine(const std::vector<platform::Rect>& bounds, int y) {
    for (std::size_t i = 0; i < bounds.size(); ++i)
        if (bounds[i].top < y && y < bounds[i].bottom) return static_cast<int>(i);
    return -1;
}

int pageAtPoint(const std::vector<platform::Rect>& bounds, platform::Point desk) {
    for (std::size_t i = 0; i < bounds.size(); ++i)
        if (bounds[i].contains(desk)) return static_cast<int>(i);
    return -1;
}

platform::Point toPagePixels(platform::Point desk, const platform::Rect& page, double zoom) {
    return {static_cast<int>(std::lround((desk.x - page.left) / zoom)),
            static_cast<int>(std::lround((desk.y - page.top) / zoom))};
}

MatchScroll scrollToMatch(const platform::Rect& page, const platform::Rect& found, double zoom,
                          platform::Size box) {
    const int h = scaled(found.bottom - found.top, zoom);
    const int w = scaled(found.right - found.left, zoom);
    const int top = page.top + scaled(found.top, zoom);
    const int left = page.left + scaled(found.left, zoom);
    MatchScroll s;
    // Below the view: the text's bottom goes to the view's bottom edge.
    s.vertical = (top - page.top + kPageGap > box.height - h) ? top + h - box.height : page.top - kPageGap;
    // Past the right edge: the text's right end goes 10 pixels inside the view.
    s.horizontal = (left - page.left + kPageGap > box.width - w) ? left + w + kPageGap - box.width
                                                                 : page.left - kPageGap;
    s.highlight = {left, top, left + w, top + h};
    return s;
}

}  // namespace gui::preview
