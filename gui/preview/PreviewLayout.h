// The preview's page arithmetic, free of widgets: zoom by mode, pages per row, page placement
// on the grey desk, scroll ranges, the page under a point or a line, and where to scroll so that
// a found text shows. All positions are desk pixels: the scrolled view shows the desk from
// (horizontal position, vertical position).
#pragma once

#include <vector>

#include "platform/Geometry.h"

namespace gui::preview {

enum class ZoomMode { Fixed = 0, PageWidth = 1, WholePage = 2, TwoPages = 3 };

// Gap between pages and around the desk's edge.
inline constexpr int kPageGap = 10;
// A zoom never drops below this, so a window shrunk to nothing still lays pages out.
inline constexpr double kMinZoom = 0.01;

// The zoom that mode gives for a page of `page` pixels in a box of `box`; Fixed keeps `zoom`.
double zoomForMode(ZoomMode mode, double zoom, platform::Size page, platform::Size box);
int zoomPercent(double zoom);

// How many pages fit side by side (at least 1; whole page forces 1, two pages forces 2).
int pagesPerRow(const std::vector<platform::Size>& pages, double zoom, int boxWidth, ZoomMode mode);

struct DeskLayout {
    std::vector<platform::Rect> bounds;  // one per page, desk pixels
    int perRow = 1;
    int horizontalMax = 0;  // scroll bar ranges; 0 disables the bar
    int verticalMax = 0;
};

// Rows of `perRow` pages from (10, 10); a lone page narrower than the box is centred.
DeskLayout layoutDesk(const std::vector<platform::Size>& pages, double zoom, ZoomMode mode,
                      platform::Size box);

// The first page whose top < y < bottom, or -1.
int pageAtLine(const std::vector<platform::Rect>& bounds, int y);
// The page line the current page follows after a vertical scroll to `position`.
inline int pageUnderViewTop(const std::vector<platform::Rect>& bounds, int position) {
    return pageAtLine(bounds, position + kPageGap + 1);
}
// The first page containing the point, or -1.
int pageAtPoint(const std::vector<platform::Rect>& bounds, platform::Point desk);
// A desk point on a page turned into page pixels.
platform::Point toPagePixels(platform::Point desk, const platform::Rect& page, double zoom);

struct MatchScroll {
    int horizontal = 0;
    int vertical = 0;
    platform::Rect highlight;  // the found text on the desk
};

// Scroll positions that bring `found` (page pixels on the page at `page`) into a view of `box`:
// the page's top 10 pixels below the view's top unless the text would fall below the view,
// the page's left edge likewise unless the text would lie past the right edge.
MatchScroll scrollToMatch(const platform::Rect& page, const platform::Rect& found, double zoom,
                          platform::Size box);

}  // namespace gui::preview
