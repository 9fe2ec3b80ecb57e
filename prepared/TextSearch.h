// Text search over prepared pages: each page is drawn onto a recording canvas and its text
// records are examined in drawing order, so the search finds what the pages show, not the
// objects' source texts.
#pragma once

#include <string>

#include "platform/Canvas.h"
#include "platform/Geometry.h"
#include "prepared/PreparedPages.h"

namespace prepared {

struct TextSearchState {
    std::string text;  // upper-cased when the search ignores case
    bool caseSensitive = false;
    bool found = false;
    int foundPage = -1;        // 0-based page of the last match
    platform::Rect foundRect;  // the matching text's bounds, page pixels
    int startPage = 0;         // 0-based page where the next search begins
    int resumeIndex = 0;       // first record index on startPage that may match
};

// Where a page's objects are drawn inside its frame `frame` at `zoom`: the whole frame when the
// page uses its margins, else the printable area less the margins. The preview and the search
// share it so a found rectangle lands on the text shown.
platform::Rect pageContentRect(const PreparedPage& page, const platform::Rect& frame, double zoom);

// Upper case for the search: ASCII and the accented Latin-1 letters; other characters unchanged.
std::string searchUpperCase(const std::string& utf8);

// Starts a new search for `text`; from the first page, or from `currentPage` (0-based) unless
// the search already stands just behind a match there.
void beginSearch(TextSearchState& state, const std::string& text, bool caseSensitive, bool fromFirstPage,
                 int currentPage);

// Searches from state.startPage/resumeIndex on. On a match: found, foundPage, foundRect set,
// startPage = foundPage and resumeIndex just behind the match; the matched page keeps its
// objects. Without one: found false and startPage past the last page. `reference` measures
// text as the screen does (fixed metrics when none). Page stream errors propagate.
bool findNext(PreparedPages& pages, TextSearchState& state, platform::Canvas* reference = nullptr);

}  // namespace prepared
