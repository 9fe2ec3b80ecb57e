// Builds a label template from its table into a report, as the stored stream holds it.
#pragma once

#include "labels/LabelTemplateLayout.h"
#include "report/Report.h"

namespace labels {

// The printer the templates were drawn for; when it is missing the current printer is used.
inline constexpr const char* kLabelPrinterName = "PCL6 V4 Driver for Universal Print";
// FormatCode of every template object: text, two decimals, decimal comma.
inline constexpr std::int32_t kLabelFormatCode = 556;

// Fills an empty report with the page and objects of the layout.
void buildLabelTemplate(report::Report& report, const LabelTemplateLayout& layout);

// The stream of a built template, naming the label printer whichever printer is current.
std::vector<std::uint8_t> saveLabelTemplate(report::Report& report);

}  // namespace labels
