// The four built-in label templates, stored as template streams as the report components hold
// them: 1 prescription series and free codes, 2 exemption codes, 3 oxygen codes, 4 calendar
// days and fiscal codes.
#pragma once

#include <cstdint>
#include <vector>

namespace report {
class Report;
}

namespace labels {

inline constexpr int kLabelTemplateCount = 4;

// The stream bytes of template n (1..4); std::out_of_range for any other n.
const std::vector<std::uint8_t>& labelTemplateStream(int n);

// Loads template n into the report, registering the barcode object first. False, with the
// report's error reporter told why, when the load fails.
bool loadLabelTemplate(report::Report& report, int n);

}  // namespace labels
