// Saving a prepared report to a file and loading one back (the preview's Save and Open).
#pragma once

#include <string>

#include "prepared/PreparedPages.h"

namespace prepared {

// Files larger than this are refused before anything is read into memory.
inline constexpr std::size_t kMaxPreparedFileBytes = std::size_t{256} * 1024 * 1024;

// Creates (or replaces) the file. Throws platform::Error when it cannot be written.
void savePrepared(const PreparedPages& pages, const std::string& fileName);
inline constexpr const char* kNotAPreparedReport =
    "file danneggiato o non \xC3\xA8 un report preparato (nessuna pagina leggibile)";

// Reads the file into the store. Throws platform::Error with an Italian message when the file
// is missing, not a regular file (a folder, a FIFO: refused without waiting) or too large, or
// platform::StreamError on damaged content, and platform::Error(kNotAPreparedReport) when no
// page could be read from it.
void loadPrepared(PreparedPages& pages, const std::string& fileName);

}  // namespace prepared
