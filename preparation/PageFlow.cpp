// Pages and page columns: BuildPage, NextColumn, NextPage and ending a page.
#include "preparation/PageBuilder.h"

namespace preparation {

PageBuilder::PageBuilder(PreparationState& run, report::Page& page, PageBands& bands)
    : run_(run), page_(page), bands_(bands), area_(pageAreaOf(page)) {
    pageColumns_ = page.pageColumns > 0 ? page.pageColumns : 1;
    columnWidth_ = pageColumnWidth(area_, pageColumns_, page.pageColumnGap);
    fullBottomLimit_ = area_.bottom - bands_.heightOf(report::kBandPageFooter);
}

bool PageBuilder::masterDataEmpty() {
    for (auto& band : bands_.chain(report::kBandMasterData)) {
        if (!band->view || !band->dataSource) continue;
        try {
            band->dataSource->first();
            return band->dataSource->eof();
        } catch (const std::exception&) {
            return true;
        }
    }
    return true;
}

void PageBuilder::build() {
    if (!run_.printIfEmpty && masterDataEmpty()) return;
    bottomLimit_ = fullBottomLimit_;
    columnIndex_ = 0;
    columnX_ = area_.left;
    if (page_.printToPrevPage && run_.pages.count() > 0) {
        run_.currentPage = run_.pages.count() - 1;
        nextY_ = run_.prevPageNextY;
        bottomLimit_ = run_.prevPageBottomLimit;
    } else {
        startPreparedPage();
        nextY_ = area_.top;
    }
    columnTopY_ = nextY_;

    placeBand(bands_.first(report::kBandOverlay));
    placeBand(bands_.first(report::kBandNone));
    const int pagesBeforeTitle = run_.pages.count();
    placeBand(bands_.first(report::kBandReportTitle));
    if (run_.pages.count() == pagesBeforeTitle) {
        RunBand& pageHeader = bands_.first(report::kBandPageHeader);
        if (pageHeader.hasFlag(report::kBandOnFirstPage)) placeBand(pageHeader);
        placeBand(bands_.first(report::kBandColumnHeader));
    }

    runDataLevel(1);

    placeBand(bands_.first(report::kBandColumnFooter));
    columnFooterCounts_ = false;
    placeBand(bands_.first(report::kBandReportSummary));
    columnFooterCounts_ = true;

    run_.prevPageNextY = nextY_;
    run_.prevPageBottomLimit = bottomLimit_;
    columnIndex_ = 0;
    columnX_ = area_.left;
    RunBand& pageFooter = bands_.first(report::kBandPageFooter);
    if ((run_.currentPage == 0 && pageFooter.hasFlag(report::kBandOnFirstPage)) ||
        pageFooter.hasFlag(report::kBandOnLastPage))
        placeBand(pageFooter);
}

void PageBuilder::startPreparedPage() {
    run_.pages.add(page_);
    run_.currentPage = run_.pages.count() - 1;
    lastBand_ = nullptr;
}

void PageBuilder::nextColumn(RunBand* placing) {
    if (columnIndex_ < pageColumns_ - 1) {
        placeBand(bands_.first(report::kBandColumnFooter));
        ++columnIndex_;
        columnX_ += columnWidth_ + page_.pageColumnGap;
        nextY_ = columnTopY_;
        lastBand_ = nullptr;
        placeBand(bands_.first(report::kBandColumnHeader));
    } else {
        nextPage();
    }
    if (placing) repeatHeaders(*placing);
}

// After a move, the headers of the groups around the data being walked show again when they
// repeat, and so does the level header of a data band.
void PageBuilder::repeatHeaders(RunBand& placing) {
    const int t = placing.type;
    const bool isHeader = t == report::kBandPageHeader || t == report::kBandColumnHeader ||
                          t == report::kBandGroupHeader || t == report::kBandMasterHeader ||
                          t == report::kBandDetailHeader || t == report::kBandSubDetailHeader;
    if (isHeader || repeatingHeaders_) return;
    RunBand* data = placing.isDataBand() ? &placing : (activeData_.empty() ? nullptr : activeData_.back());
    if (!data) return;
    repeatingHeaders_ = true;
    for (RunBand* group : data->groupHeaders)
        if (group->hasFlag(report::kBandRepeatHeader)) placeBand(*group);
    if (placing.isDataBand() && data->header && data->header->hasFlag(report::kBandRepeatHeader))
        placeBand(*data->header);
    repeatingHeaders_ = false;
}

void PageBuilder::endPage() {
    columnIndex_ = 0;
    columnX_ = area_.left;
    RunBand& footer = bands_.first(report::kBandPageFooter);
    const bool skipFooter = run_.currentPage == 0 && !footer.hasFlag(report::kBandOnFirstPage);
    if (!skipFooter) {
        for (int p = run_.currentPage; p < run_.pages.count(); ++p) {
            run_.currentPage = p;
            placeBand(footer);
        }
    }
    run_.currentPage = run_.pages.count() - 1;
}

void PageBuilder::nextPage() {
    run_.progress.reportPage(run_.pages.count() + 1);
    run_.checkStopped();
    if (!noRepeatHeaders_) placeBand(bands_.first(report::kBandColumnFooter));
    endPage();
    bottomLimit_ = fullBottomLimit_;
    startPreparedPage();
    placeBand(bands_.first(report::kBandOverlay));
    nextY_ = area_.top;
    columnTopY_ = nextY_;
    placeBand(bands_.first(report::kBandPageHeader));
    placeBand(bands_.first(report::kBandColumnHeader));
}

}  // namespace preparation
