// Splitting text files into lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Lines of text ended by LF or CR LF (a lone CR stays part of its line). A last line
// without an ending counts; text ending in a line break has no empty line after it.
std::vector<std::string> splitLines(std::string_view text);

}  // namespace platform
