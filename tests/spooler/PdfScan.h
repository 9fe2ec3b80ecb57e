// The barcodes on each page of a PDF, as a real scanner reads them from a 300 dpi rendering.
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace spooler_test {

// One set of decoded texts per page, in page order; `scratch` holds the page images.
std::vector<std::multiset<std::string>> scanPdfPages(const std::string& pdf, const std::filesystem::path& scratch);

}  // namespace spooler_test
