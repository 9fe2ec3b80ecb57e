// RunDataLevel: walks the data bands of one level record by record, with their headers,
// footers and groups, and the next level inside each record.
#include "preparation/PageBuilder.h"

namespace preparation {
namespace {
constexpr int kDataLevels = 3;
constexpr int kLevelStride = report::kBandDetailData - report::kBandMasterData;
}  // namespace

void PageBuilder::runDataLevel(int level) {
    const int dataType = report::kBandMasterData + (level - 1) * kLevelStride;
    std::vector<RunBand*> chain;
    for (auto& band : bands_.chain(dataType))
        if (band->view && band->dataSource) chain.push_back(band.get());
    for (RunBand* band : chain) runDataBand(*band, level);
}

void PageBuilder::runDataBand(RunBand& band, int level) {
    report::Dataset& source = *band.dataSource;
    run_.currentObject = band.view;
    source.first();
    band.recordInDataset = 0;
    band.recordInGroup = 0;
    for (RunBand* group : band.groupHeaders) group->recordInGroup = 0;
    if (source.eof()) return;

    activeData_.push_back(&band);
    std::vector<RunBand*> queue;
    startGroups(band, 0, queue);
    if (band.header) queue.push_back(band.header);
    if (level == 1 && run_.blanksPending) {
        run_.blanksPending = false;
        showQueued(queue);
        leaveBlankPositions(band, run_.blankPositions);
    }
    const int copies = level == 1 ? run_.copiesPerRecord : 1;

    while (!source.eof()) {
        run_.checkStopped();
        ++band.recordInDataset;
        ++band.recordInGroup;
        for (int copy = 0; copy < copies; ++copy) {
            queue.push_back(&band);
            showQueued(queue);
        }
        if (level < kDataLevels) runDataLevel(level + 1);
        run_.currentObject = band.view;
        source.next();
        if (!source.eof()) {
            const std::size_t changed = firstChangedGroup(band);
            if (changed < band.groupHeaders.size()) {
                showGroupFooters(band, changed);
                startGroups(band, changed, queue);
                band.recordInGroup = 0;
            }
        }
        ++recordNo_;
        if (band.formNewPage && !source.eof()) nextPage();
    }
    showGroupFooters(band, 0);
    if (band.footer) placeBand(*band.footer);
    activeData_.pop_back();
}

// Headers (from the band's level header and group headers) wait in the queue so that they
// start a column together with the first record that follows them.
void PageBuilder::showQueued(std::vector<RunBand*>& queue) {
    if (queue.size() > 1 && !repeatingHeaders_) {
        long long total = 0;
        for (RunBand* band : queue)
            if (band->view) total += bandHeight(*band);
        if (columnHasContent() && !fitsInColumn(static_cast<int>(std::min<long long>(total, 1 << 30))))
            nextColumn(nullptr);
    }
    for (RunBand* band : queue) placeBand(*band);
    queue.clear();
}

std::string PageBuilder::groupValue(RunBand& header) {
    run_.currentObject = header.view;
    return run_.expressions.evaluateToText(header.groupCondition, *header.view).value_or("");
}

void PageBuilder::startGroups(RunBand& data, std::size_t from, std::vector<RunBand*>& queue) {
    for (std::size_t i = from; i < data.groupHeaders.size(); ++i) {
        RunBand& header = *data.groupHeaders[i];
        header.lastGroupValue = groupValue(header);
        header.recordInGroup = 0;
        queue.push_back(&header);
    }
}

std::size_t PageBuilder::firstChangedGroup(RunBand& data) {
    for (std::size_t i = 0; i < data.groupHeaders.size(); ++i)
        if (groupValue(*data.groupHeaders[i]) != data.groupHeaders[i]->lastGroupValue) return i;
    return data.groupHeaders.size();
}

// Footers are held innermost first; the groups from `from` inward close.
void PageBuilder::showGroupFooters(RunBand& data, std::size_t from) {
    const std::size_t groups = data.groupHeaders.size();
    const std::size_t closing = groups > from ? groups - from : 0;
    for (std::size_t j = 0; j < closing && j < data.groupFooters.size(); ++j)
        placeBand(*data.groupFooters[j]);
}

}  // namespace preparation
