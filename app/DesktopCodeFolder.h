// Where the code files (cf0.txt, ESENZIONI.txt, OXY.txt) live when the program is started from
// the desktop menu. The menu starts programs in the home folder, where an office does not
// usually keep them; a start from a terminal keeps using the current folder.
#pragma once

#include <filesystem>

namespace app {

// The name of the program's own folder inside the user's documents folder.
inline constexpr const char* kDesktopFolderName = "Quirelle";

// Chooses, in this order, never hiding a folder that already holds codes:
//  1. documents/Quirelle when it holds a code file;
//  2. home when it holds one (an office that kept its codes there keeps them);
//  3. documents/Quirelle, created when missing, if the documents folder exists and the
//     folder can be written;
//  4. home otherwise.
// `documents` may be empty when the desktop names no documents folder.
std::filesystem::path desktopCodeFolder(const std::filesystem::path& home,
                                        const std::filesystem::path& documents);

}  // namespace app
