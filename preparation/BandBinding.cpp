#include "preparation/BandBinding.h"

#include <algorithm>
#include <stdexcept>

#include "platform/Error.h"
#include "report/SubReportView.h"

namespace preparation {
namespace {

constexpr int kLastBandObjectType = report::kBandChild;
constexpr int kLevels = 3;
constexpr int kFirstHeaderOfLevel[kLevels] = {report::kBandMasterHeader, report::kBandDetailHeader,
                                              report::kBandSubDetailHeader};

bool isBand(const report::View& view) {
    return view.objectType() == report::kBandObject;
}
bool isSubReport(const report::View& view) {
    return view.objectType() == report::kSubReportObject;
}

// Every object that is not a band, not yet placed and whose top lies within the band's span
// (both ends included) moves into the band with a band-relative top; sub-reports come last.
void collectObjects(report::Page& page, RunBand& band, std::vector<bool>& placed) {
    const auto& objects = page.objects();
    const long long bottom = static_cast<long long>(band.y) + band.height;
    for (bool subReports : {false, true}) {
        for (std::size_t i = 0; i < objects.size(); ++i) {
            report::View& object = *objects[i];
            if (placed[i] || isBand(object) || isSubReport(object) != subReports) continue;
            if (object.top < band.y || object.top > bottom) continue;
            placed[i] = true;
            object.top -= band.y;
            object.band = &band;
            band.objects.push_back(&object);
        }
    }
}

void takeBandObject(RunBand& band, report::BandView& view) {
    band.view = &view;
    band.y = view.top;
    band.height = view.height;
    band.formNewPage = (view.flags & report::kBandFormNewPage) != 0;
    band.breakable = (view.flags & report::kBandBreakable) != 0;
}

void createBands(report::Page& page, PageBands& bands) {
    for (int type = 0; type < kBandTypeCount; ++type)
        bands.chains[static_cast<std::size_t>(type)].push_back(std::make_unique<RunBand>(type, nullptr));
    std::vector<bool> placed(page.objects().size(), false);
    for (int type = 0; type <= kLastBandObjectType; ++type) {
        auto& chain = bands.chains[static_cast<std::size_t>(type)];
        for (std::size_t i = 0; i < page.objects().size(); ++i) {
            report::View& object = *page.objects()[i];
            if (!isBand(object) || static_cast<report::BandView&>(object).bandType() != type) continue;
            placed[i] = true;
            if (chain.front()->view) chain.push_back(std::make_unique<RunBand>(type, nullptr));
            RunBand& band = *chain.back();
            takeBandObject(band, static_cast<report::BandView&>(object));
            collectObjects(page, band, placed);
        }
        std::stable_sort(chain.begin(), chain.end(),
                         [](const auto& a, const auto& b) { return a->y < b->y; });
    }
    // What no band holds prints once, at its stored place.
    RunBand& none = bands.first(report::kBandNone);
    for (std::size_t i = 0; i < page.objects().size(); ++i) {
        if (placed[i] || isBand(*page.objects()[i])) continue;
        page.objects()[i]->band = &none;
        none.objects.push_back(page.objects()[i].get());
    }
}

long long bottomOf(const RunBand& band) {
    return static_cast<long long>(band.y) + band.height;
}

void linkLevel(PageBands& bands, int headerType) {
    const int dataType = headerType + 1, footerType = headerType + 2;
    for (auto& header : bands.chains[static_cast<std::size_t>(headerType)]) {
        if (!header->view) continue;
        for (auto& data : bands.chains[static_cast<std::size_t>(dataType)]) {
            if (data->view && data->y > bottomOf(*header) && !data->header) {
                data->header = header.get();
                header->linkedData = data.get();
                break;
            }
        }
    }
    for (auto& footer : bands.chains[static_cast<std::size_t>(footerType)]) {
        if (!footer->view) continue;
        const auto& datas = bands.chain(dataType);
        for (auto it = datas.rbegin(); it != datas.rend(); ++it) {
            RunBand& data = **it;
            if (data.view && data.y < footer->y && !data.footer) {
                data.footer = footer.get();
                footer->linkedData = &data;
                break;
            }
        }
    }
}

// The data band a group header or footer serves: the first data band below a header, the last
// data band above a footer (any level).
RunBand* dataBandNear(PageBands& bands, const RunBand& group, bool below) {
    RunBand* best = nullptr;
    for (int type : {report::kBandMasterData, report::kBandDetailData, report::kBandSubDetailData}) {
        for (auto& data : bands.chains[static_cast<std::size_t>(type)]) {
            if (!data->view) continue;
            if (below && data->y > bottomOf(group) && (!best || data->y < best->y)) best = data.get();
            if (!below && data->y < group.y && (!best || data->y > best->y)) best = data.get();
        }
    }
    return best;
}

// Group headers enclose the data band below them, outermost (highest) first; footers pair
// with the data band above them, innermost (highest) first.
void linkGroups(PageBands& bands) {
    for (auto& header : bands.chains[report::kBandGroupHeader]) {
        if (!header->view) continue;
        header->groupCondition = header->view->formatText;
        if (RunBand* data = dataBandNear(bands, *header, true)) {
            data->groupHeaders.push_back(header.get());
            header->linkedData = data;
        }
    }
    for (auto& footer : bands.chains[report::kBandGroupFooter]) {
        if (!footer->view) continue;
        if (RunBand* data = dataBandNear(bands, *footer, false)) {
            data->groupFooters.push_back(footer.get());
            footer->linkedData = data;
        }
    }
}

void findDataSource(report::Report& report, RunBand& band) {
    if (!band.view || band.type == report::kBandGroupHeader) return;
    const std::string& text = band.view->dataSource();
    if (auto counted = report::makeCountedDataset(text)) {
        band.ownedSource = std::move(counted);
        band.dataSource = band.ownedSource.get();
    } else if (!text.empty() && report.components) {
        band.dataSource = report.components->find<report::Dataset>(text);
        if (!band.dataSource && report.components->contains(text)) throw platform::Error(kNotADatasetMessage);
    }
    if (!band.dataSource && band.type == report::kBandMasterData && !report.datasetName.empty() &&
        report.components)
        band.dataSource = report.components->find<report::Dataset>(report.datasetName);
    if (band.dataSource) band.dataSource->init();
}

RunBand* findByName(PageBands& bands, const std::string& name) {
    for (auto& chain : bands.chains)
        for (auto& band : chain)
            if (band->view && band->view->name() == name) return band.get();
    return nullptr;
}

}  // namespace

int PageBands::heightOf(int type) const {
    const RunBand& band = *chains[static_cast<std::size_t>(type)].front();
    return band.view ? band.height : 0;
}

std::unique_ptr<PageBands> bindBands(report::Report& report, report::Page& page) {
    auto bands = std::make_unique<PageBands>();
    createBands(page, *bands);
    for (int headerType : kFirstHeaderOfLevel) linkLevel(*bands, headerType);
    linkGroups(*bands);
    for (auto& chain : bands->chains)
        for (auto& band : chain) {
            findDataSource(report, *band);
            if (band->view && !band->view->childBand.empty()) {
                RunBand* child = findByName(*bands, band->view->childBand);
                if (child != band.get()) band->child = child;
            }
        }
    return bands;
}

void releaseBands(PageBands& bands) {
    for (auto& chain : bands.chains)
        for (auto& band : chain) {
            for (report::View* object : band->objects) object->band = nullptr;
            if (band->dataSource) band->dataSource->exit();
        }
}

}  // namespace preparation
