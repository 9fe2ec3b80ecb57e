// The contents of the code list files: cf0.txt (fiscal codes) and the exemption and oxygen
// code files. Pure text in, text out; reading and writing the files is TextFile's job.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace labels {

inline constexpr const char* kFiscalCodeFileName = "cf0.txt";
inline constexpr const char* kExemptionFileName = "ESENZIONI.txt";
inline constexpr const char* kOxygenFileName = "OXY.txt";

inline constexpr std::size_t kExemptionMaxLines = 51;
inline constexpr std::size_t kOxygenMaxLines = 30;

// width of the fiscal code field and of a label, and the part of a code file line kept.
inline constexpr std::size_t kFiscalCodeWidth = 16;
inline constexpr std::size_t kCodeFileLabelWidth = 11;

// The codes of cf0.txt (UTF-8 text): one per non-empty line, each cut to its first 16 characters.
std::vector<std::string> parseFiscalCodeList(std::string_view text);

// Refuses bytes that are not 8-bit text (NUL and other control bytes: a binary or UTF-16
// file) with a FileError naming the file and the line.
void requireText(std::string_view bytes, const std::string& fileName);

// cf0.txt's content for codes in list order: the non-empty ones, each on a CR LF line.
std::string formatFiscalCodeList(const std::vector<std::string>& codes);

// Label texts of a code file (UTF-8 text): the first 11 characters of each of at most
// maxLines lines. A line that is exactly "x" or "X" once cut ends the list and is dropped;
// when the file runs out first, every missing line up to maxLines is an empty label.
std::vector<std::string> parseCodeFile(std::string_view text, std::size_t maxLines);

}  // namespace labels
