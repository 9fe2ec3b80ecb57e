// Where the labels of a sheet lie: the positions the master data band takes on the first
// sheet of a label template, down each page column and then across, as preparation fills them.
#pragma once

#include <vector>

#include "report/Report.h"

namespace labels {

// One label position in page pixels: its page column's width by the data band's height.
struct LabelSlot {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The positions of the first sheet, in the order labels fill them. Fits the template's pages
// to its printer first (as preparing does); empty when the template has no master data band.
std::vector<LabelSlot> labelSlots(report::Report& report);

// labelSlots(report).size(): the highest first label a used sheet can start at.
int labelsPerSheet(report::Report& report);

}  // namespace labels
