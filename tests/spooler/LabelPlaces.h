// Where each barcode symbol lies on the pages of a PDF, measured as on paper: every page is
// rendered at 300 dpi, each symbol's bars are found as tall dark runs, and each symbol is cut
// out and read by a real scanner, which also tells whether it stands upright.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace spooler_test {

// One symbol: its bars' bounding box in millimetres from the paper's top-left corner, the text
// it scans as ("" when it does not scan) and whether it reads upright.
struct LabelPlace {
    double leftMm = 0;
    double topMm = 0;
    double rightMm = 0;
    double bottomMm = 0;
    std::string text;
    bool upright = false;
};

// The symbols of each page, row by row from the top, left to right within a row. `scratch`
// holds the images while they are read.
std::vector<std::vector<LabelPlace>> measureLabelPlaces(const std::string& pdf,
                                                        const std::filesystem::path& scratch);

// The largest distance, in millimetres, between corresponding edges of two boxes.
double largestEdgeDistance(const LabelPlace& a, const LabelPlace& b);

// "(12.3, 4.5)–(50.1, 19.6) 2612000013" for messages and tables.
std::string describe(const LabelPlace& place);

}  // namespace spooler_test
