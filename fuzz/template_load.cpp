// A report template stream: loaded as a report component loads its template, then every
// object drawn.
#include <cstdint>
#include <span>

#include "FuzzReport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::registerProgramObjects();
    report::Report report;
    if (report.loadFromStream(std::span<const std::uint8_t>(data, size))) fuzz::drawTemplateObjects(report);
    return 0;
}
