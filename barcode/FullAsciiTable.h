// The full-ASCII expansion shared by Code 39 and Code 93: every character 0..127 written
// with one or two characters of the base set. The shift characters are given in Code 39
// notation ('$', '%', '/', '+'); Code 93 maps them to its own four shifts.
#pragma once

#include <string>
#include <string_view>

namespace barcode {

enum class FullAsciiShift { Dollar, Percent, Slash, Plus };

// Concatenated replacements of every character of text; bytes 128..255 are dropped.
// shifts[k] is the character written for the shift FullAsciiShift(k).
std::string expandFullAscii(std::string_view text, std::string_view shifts);

inline constexpr std::string_view kCode39Shifts = "$%/+";

}  // namespace barcode
