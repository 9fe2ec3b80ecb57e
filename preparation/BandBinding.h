// BindBands: turns a template page's band objects into run-time bands, gives every other
// object to the band whose vertical span holds its top, links headers, footers, groups and
// child bands, and finds each band's data source.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "preparation/RunBand.h"
#include "report/Page.h"
#include "report/Report.h"

namespace preparation {

class PageBands {
public:
    // Chains by band type, each sorted by y; every chain has at least its first band.
    std::array<std::vector<std::unique_ptr<RunBand>>, kBandTypeCount> chains;

    RunBand& first(int type) { return *chains[static_cast<std::size_t>(type)].front(); }
    const std::vector<std::unique_ptr<RunBand>>& chain(int type) const {
        return chains[static_cast<std::size_t>(type)];
    }
    // Height of the first band of `type` when it has a band object, else 0.
    int heightOf(int type) const;
};

// Message of a data source that names a component which is not a report dataset.
inline constexpr const char* kNotADatasetMessage = "Invalid class typecast";

// Binds `page` of `report`. Objects' tops become band-relative and their band is set; the
// caller restores the template afterwards. Throws on a data source that is not a dataset.
std::unique_ptr<PageBands> bindBands(report::Report& report, report::Page& page);

// Clears the objects' band references and finishes the bands' data sources.
void releaseBands(PageBands& bands);

}  // namespace preparation
