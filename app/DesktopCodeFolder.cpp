#include "app/DesktopCodeFolder.h"

#include <unistd.h>

#include "labels/CodeListFiles.h"

namespace app {

namespace {

namespace fs = std::filesystem;

// Any entry with a code file's name counts, even a broken link: the folder is the office's,
// and a file that cannot be read is reported there rather than silently passed over.
bool holdsCodeFile(const fs::path& folder) {
    for (const char* name :
         {labels::kFiscalCodeFileName, labels::kExemptionFileName, labels::kOxygenFileName}) {
        std::error_code error;
        if (fs::symlink_status(folder / name, error).type() != fs::file_type::not_found && !error)
            return true;
    }
    return false;
}

bool isWritableFolder(const fs::path& folder) {
    std::error_code error;
    return fs::is_directory(folder, error) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

// documents/Quirelle, made on the first start; only inside a documents folder that exists.
bool makeProgramFolder(const fs::path& documents, const fs::path& folder) {
    std::error_code error;
    if (documents.empty() || !fs::is_directory(documents, error)) return false;
    fs::create_directory(folder, error);
    return isWritableFolder(folder);
}

}  // namespace

fs::path desktopCodeFolder(const fs::path& home, const fs::path& documents) {
    const fs::path programFolder = documents.empty() ? fs::path() : documents / kDesktopFolderName;
    if (!programFolder.empty() && holdsCodeFile(programFolder)) return programFolder;
    if (holdsCodeFile(home)) return home;
    if (makeProgramFolder(documents, programFolder)) return programFolder;
    return home;
}

}  // namespace app
