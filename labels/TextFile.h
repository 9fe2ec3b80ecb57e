// Whole-file reading and atomic replacement of the small text files in the working directory.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace labels {

// Larger files are refused rather than read: a code list is a few kilobytes.
inline constexpr std::size_t kMaxTextFileBytes = 16u << 20;

// The file's bytes; throws FileError naming the cause ("file non trovato", "è una cartella",
// a FIFO or device refused without waiting on it) when it cannot be read.
std::string readFileBytes(const std::filesystem::path& path);

// Writes bytes to a new file in the same directory, flushes it to disk and renames it over
// path, so the old content stays whole whenever the write fails. The new file keeps the old
// one's mode and owner (its group at least); a read-only file is not replaced. Throws FileError.
void replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Why a new file cannot be written in folder (errno: EACCES, EROFS, ENOSPC...), found by
// writing and removing a small hidden file; 0 when it can.
int folderWriteProblem(const std::filesystem::path& folder);

// Creates an empty file unless one exists; false when it could not be created.
bool createEmptyFileIfMissing(const std::filesystem::path& path);

// Lines of a text: each ends at LF or CR LF; a last line without an end still counts.
std::vector<std::string> splitLines(std::string_view text);

}  // namespace labels
