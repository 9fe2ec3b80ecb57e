// A run-time band: what preparation makes of a band object (or of a band type the page has no
// object for). Bands of one type form a chain sorted by y; data bands link their header,
// footer and group headers; the objects of the band are held with band-relative tops.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "report/BandView.h"
#include "report/Dataset.h"
#include "report/View.h"

namespace preparation {

constexpr int kBandTypeCount = 23;

class RunBand : public report::BandRuntime {
public:
    RunBand(int type, report::BandView* view) : type(type), view(view) {}

    int type;
    report::BandView* view;  // none for a type without band objects
    int y = 0, height = 0;
    int x = 0;  // shift of the current band column
    std::vector<report::View*> objects;

    report::Dataset* dataSource = nullptr;
    std::unique_ptr<report::Dataset> ownedSource;  // counted sources belong to the band

    RunBand* header = nullptr;  // data bands: header and footer of their level
    RunBand* footer = nullptr;
    RunBand* linkedData = nullptr;  // headers and footers: their data band
    RunBand* child = nullptr;
    // Data bands: their group headers, outermost first, and the footers, innermost first.
    std::vector<RunBand*> groupHeaders;
    std::vector<RunBand*> groupFooters;
    std::string groupCondition;  // group headers
    std::string lastGroupValue;

    int recordInDataset = 0;  // counters, from 1 once a record has shown
    int recordInGroup = 0;
    bool visibleFlag = true;
    int bandColumn = 0;  // band columns: showings done in the current row

    bool stretched() const { return view && (view->flags & report::kBandStretched); }
    bool formNewPage = false;
    bool breakable = false;
    bool hasFlag(std::uint16_t flag) const { return view && (view->flags & flag); }
    bool hasObject() const { return view != nullptr; }
    bool isDataBand() const {
        return type == report::kBandMasterData || type == report::kBandDetailData ||
               type == report::kBandSubDetailData;
    }

    // BandRuntime
    platform::Rect bounds() const override;
    bool visible() const override { return visibleFlag; }
    bool isCrossTab() const override {
        return type >= report::kBandCrossHeader && type <= report::kBandCrossFooter;
    }
    bool callMethod(const std::string& method) override;
    bool eof() const override { return dataSource && dataSource->eof(); }
};

}  // namespace preparation
