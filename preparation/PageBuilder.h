// Builds the prepared pages of one template page: shows the page's fixed bands, walks the data
// levels record by record and places band after band down the page columns, starting new
// columns and pages as they fill.
#pragma once

#include <vector>

#include "preparation/BandBinding.h"
#include "preparation/PageArea.h"
#include "preparation/PreparationState.h"
#include "report/Page.h"

namespace preparation {

class PageBuilder {
public:
    PageBuilder(PreparationState& run, report::Page& page, PageBands& bands);
    // BuildPage: nothing when the report does not print empty data and the master data is empty.
    void build();

private:
    // --- page flow (PageFlow.cpp)
    void startPreparedPage();
    void nextColumn(RunBand* placing);
    void nextPage();
    void endPage();
    void repeatHeaders(RunBand& placing);
    bool masterDataEmpty();

    // --- data levels (DataLevel.cpp)
    void runDataLevel(int level);
    void runDataBand(RunBand& band, int level);
    void showQueued(std::vector<RunBand*>& queue);
    void startGroups(RunBand& data, std::size_t from, std::vector<RunBand*>& queue);
    std::size_t firstChangedGroup(RunBand& data);
    void showGroupFooters(RunBand& data, std::size_t from);
    std::string groupValue(RunBand& header);

    // --- placing a band (BandPlacement.cpp)
    void placeBand(RunBand& band);
    void placeFlowingBand(RunBand& band, int height);
    void placeBrokenBand(RunBand& band, int height);
    void leaveBlankPositions(RunBand& band, int count);
    void advanceBandColumn(RunBand& band, int height);
    void leaveBandColumns(RunBand& band);
    int bandHeight(RunBand& band);
    void drawBand(RunBand& band, int bandHeight);
    void drawObject(report::View& object, RunBand& band, int stretchTo);
    void updateVariables(const RunBand& band);
    bool fitsInColumn(int height) const;
    bool columnHasContent() const { return nextY_ > columnTopY_; }

    PreparationState& run_;
    report::Page& page_;
    PageBands& bands_;
    PageArea area_;
    int pageColumns_ = 1;
    int columnWidth_ = 0;
    int fullBottomLimit_ = 0;  // page area bottom less the page footer

    int nextY_ = 0;
    int bottomLimit_ = 0;
    int columnIndex_ = 0;
    int columnX_ = 0;
    int columnTopY_ = 0;
    int recordNo_ = 1;
    RunBand* lastBand_ = nullptr;
    bool noRepeatHeaders_ = false;
    bool repeatingHeaders_ = false;
    bool columnFooterCounts_ = true;    // off while the report summary shows
    int placeDepth_ = 0;                // child chains and nested moves
    std::vector<RunBand*> activeData_;  // data bands whose records are being walked
};

}  // namespace preparation
