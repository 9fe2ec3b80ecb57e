// PlaceBand: one band at the next free position, its objects printed into the current prepared
// page shifted to the current page column; moves to the next column when the band does not fit.
#include <algorithm>

#include "platform/DepthGuard.h"
#include "preparation/PageBuilder.h"
#include "report/Stretchable.h"

namespace preparation {
namespace {

// Child chains are followed this deep at most, so a chain that loops back ends.
constexpr int kMaxPlaceDepth = 32;

bool keepsStoredY(int type) {
    return type == report::kBandPageFooter || type == report::kBandOverlay || type == report::kBandNone;
}
bool skipsFitTest(int type) {
    return keepsStoredY(type) || type == report::kBandColumnFooter;
}

bool hasSomethingToPrint(const RunBand& band) {
    if (band.type == report::kBandNone) return !band.objects.empty();
    return band.view != nullptr;
}

}  // namespace

bool PageBuilder::fitsInColumn(int height) const {
    const long long footer = columnFooterCounts_ ? bands_.heightOf(report::kBandColumnFooter) : 0;
    return static_cast<long long>(nextY_) + height + footer <= bottomLimit_;
}

void PageBuilder::updateVariables(const RunBand& band) {
    report::PreparationVariables& v = run_.expressions.variables();
    v.pageNumber = run_.currentPage + 1;
    v.curY = nextY_;
    v.bottomLimit = bottomLimit_;
    v.pageRight = area_.right;
    v.columnNumber = columnIndex_ + 1;
    v.recordNumber = recordNo_;
    v.lineNumber = band.recordInDataset;
    v.lineThrough = band.recordInDataset;
    v.finalPass = !run_.firstPassOfTwo;
}

void PageBuilder::placeBand(RunBand& band) {
    const platform::DepthGuard level(placeDepth_);
    if (level.depth() > kMaxPlaceDepth) return;
    run_.checkStopped();
    run_.currentObject = band.view;
    leaveBandColumns(band);
    if (band.view) run_.expressions.runScript(band.view->script, *band.view);
    if (band.type == report::kBandColumnHeader) columnTopY_ = nextY_;
    if (!hasSomethingToPrint(band)) return;

    const int height = bandHeight(band);
    if (band.type == report::kBandPageFooter) {
        band.y = bottomLimit_;
        drawBand(band, height);
    } else if (keepsStoredY(band.type)) {
        drawBand(band, height);
    } else {
        placeFlowingBand(band, height);
    }

    if (band.child && band.child != &band) placeBand(*band.child);
    const bool dataOrGroup =
        band.isDataBand() || band.type == report::kBandGroupHeader || band.type == report::kBandGroupFooter;
    if (!dataOrGroup && band.formNewPage && !keepsStoredY(band.type)) nextPage();
    if (!keepsStoredY(band.type)) advanceBandColumn(band, height);
}

void PageBuilder::placeFlowingBand(RunBand& band, int height) {
    // A band never leaves a column that is still empty: one taller than the column would
    // otherwise push out blank columns and pages.
    const bool mayMove = !band.breakable && !repeatingHeaders_ && !skipsFitTest(band.type);
    if (mayMove && columnHasContent() && static_cast<long long>(nextY_) + height > bottomLimit_)
        nextColumn(&band);
    if (mayMove && columnHasContent() && !fitsInColumn(height)) nextColumn(&band);
    band.y = nextY_;
    if (band.breakable && !fitsInColumn(height) && columnHasContent()) {
        placeBrokenBand(band, height);
        return;
    }
    drawBand(band, height);
    nextY_ += height;
    lastBand_ = &band;
}

// A breakable band that does not fit is split by objects: what fits in the rest of the column
// prints there, the rest continues at the top of the next column, moved up by the part used.
void PageBuilder::placeBrokenBand(RunBand& band, int height) {
    const std::vector<report::View*> all = band.objects;
    int used = 0;
    std::vector<report::View*> pending = all;
    while (!pending.empty()) {
        const int room = std::max(0, bottomLimit_ - nextY_);
        std::vector<report::View*> now, later;
        for (report::View* object : pending) {
            const long long bottom = static_cast<long long>(object->top) - used + object->height;
            (bottom <= room || !columnHasContent() ? now : later).push_back(object);
        }
        band.objects = now;
        band.y = nextY_ - used;
        drawBand(band, height);
        if (later.empty()) break;
        used += room;
        nextColumn(&band);
        pending = later;
    }
    band.objects = all;
    nextY_ += std::max(0, height - used);
    lastBand_ = &band;
}

// Positions of a label sheet already used: each takes the band's room as a showing would,
// moving on through columns and pages alike, but draws nothing.
void PageBuilder::leaveBlankPositions(RunBand& band, int count) {
    const int height = bandHeight(band);
    if (height <= 0) return;
    for (int i = 0; i < count; ++i) {
        run_.checkStopped();
        if (columnHasContent() && !fitsInColumn(height)) nextColumn(&band);
        band.y = nextY_;
        nextY_ += height;
        lastBand_ = &band;
        advanceBandColumn(band, height);
    }
}

// Band columns: after each showing the next one moves right by a band column, at the same y,
// until the row is full.
void PageBuilder::advanceBandColumn(RunBand& band, int height) {
    if (!band.view || band.view->columns <= 1 || band.view->newColumnAfter != 1) return;
    ++band.bandColumn;
    if (band.bandColumn < band.view->columns) {
        band.x += band.view->columnWidth + band.view->columnGap;
        nextY_ -= height;
    } else {
        band.bandColumn = 0;
        band.x = 0;
    }
}

// Another band after a row of band columns left part-way: back to the row's start, below it.
void PageBuilder::leaveBandColumns(RunBand& band) {
    if (!lastBand_ || lastBand_ == &band || lastBand_->bandColumn == 0) return;
    nextY_ += lastBand_->height;
    lastBand_->bandColumn = 0;
    lastBand_->x = 0;
}

int PageBuilder::bandHeight(RunBand& band) {
    if (!band.stretched()) return band.height;
    int height = band.height;
    for (report::View* object : band.objects) {
        auto* stretchable = dynamic_cast<report::Stretchable*>(object);
        if (!stretchable) continue;
        run_.currentObject = object;
        object->workingLines = object->memo;
        run_.expressions.expandLines(object->workingLines, *object);
        const int needed = stretchable->calcHeight(run_.measure, object->workingLines);
        height = std::max<long long>(
            height, std::min<long long>(static_cast<long long>(object->top) + needed, 1 << 30));
    }
    return height;
}

void PageBuilder::drawBand(RunBand& band, int bandHeight) {
    updateVariables(band);
    const bool stretch = band.stretched();
    for (report::View* object : band.objects) {
        const bool grows = stretch && dynamic_cast<report::Stretchable*>(object) &&
                           (object->flags & report::kFlagStretched) && object->height > 0;
        drawObject(*object, band, grows ? bandHeight - object->top : 0);
    }
}

// The object moves to its place on the page for the print and back again afterwards.
void PageBuilder::drawObject(report::View& object, RunBand& band, int stretchTo) {
    run_.currentObject = &object;
    if (run_.firstPassOfTwo) {
        run_.expressions.runScript(object.script, object);
        return;
    }
    const int keptLeft = object.left, keptTop = object.top, keptHeight = object.height;
    const long long shift = static_cast<long long>(columnX_) - area_.left + band.x;
    object.left = static_cast<int>(std::clamp<long long>(keptLeft + shift, -(1LL << 30), 1LL << 30));
    object.top = static_cast<int>(
        std::clamp<long long>(static_cast<long long>(band.y) + keptTop, -(1LL << 30), 1LL << 30));
    if (stretchTo > 0) object.height = stretchTo;
    object.page = &page_;
    report::PrintContext context{
        run_.pages.pageStream(run_.currentPage), &run_.expressions, &run_.measure,
        report::DrawEnvironment{area_.left, area_.right, false, report::DocumentMode::Printing}};
    const auto restore = [&] { object.left = keptLeft, object.top = keptTop, object.height = keptHeight; };
    try {
        object.print(context);
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

}  // namespace preparation
