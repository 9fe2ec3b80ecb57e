// File names as the program reads and writes them: the extension that says what a file holds,
// and a number put before it for the second job or the third page. A leading dot starts a name
// (".pdf" is a hidden file without extension), and dots in folder names do not count.
#pragma once

#include <string>

namespace platform {

// The extension after the name's last dot, lower-cased and without the dot; empty when the name
// has none.
std::string lowerCaseExtension(const std::string& path);

// path with "-n" put before its extension: "out.pdf" -> "out-2.pdf", "a/.hidden" -> "a/.hidden-2".
std::string withNumberBeforeExtension(const std::string& path, int n);

}  // namespace platform
