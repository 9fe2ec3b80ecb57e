// The calibration test sheet of a label template: on the template's own paper, the outline of
// every label position, a cross at each label's centre and millimetre rulers along the top and
// left edges of the printable area. Printed with a printer's offsets and held against a blank
// label sheet, it shows how far that printer moves the labels.
#pragma once

#include "prepared/PreparedPages.h"
#include "report/Report.h"

namespace labels {

// Replaces the pages with the one test sheet of `labelTemplate` (a loaded label template).
void buildTestSheet(report::Report& labelTemplate, prepared::PreparedPages& pages);

}  // namespace labels
