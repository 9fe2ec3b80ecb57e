// The part of a page that bands may fill, in page pixels, from the page's margins and the
// printer geometry of its paper.
#pragma once

#include "report/Page.h"

namespace preparation {

struct PageArea {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// With UseMargins off the whole paper; with it on each edge takes its margin, or the printable
// area's edge when that margin is 0.
PageArea pageAreaOf(const report::Page& page);

// (Right - Left - (columns - 1) * gap) div columns; 0 columns count as 1.
int pageColumnWidth(const PageArea& area, int columns, int gap);

}  // namespace preparation
