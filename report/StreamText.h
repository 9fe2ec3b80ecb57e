// Strings and string lists of the template stream, in both layouts: length-prefixed from
// format version 23 on, zero-terminated before. Text is converted between Windows-1252 in the
// stream and UTF-8 in memory here.
#pragma once

#include <string>
#include <vector>

#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"

namespace report {

// first format version with length-prefixed strings.
constexpr int kFirstCountedStringVersion = 23;

std::string readString(platform::ByteReader& in, int version);
void writeString(platform::ByteWriter& out, const std::string& utf8);
std::vector<std::string> readStringList(platform::ByteReader& in, int version);
void writeStringList(platform::ByteWriter& out, const std::vector<std::string>& lines);
// The one-byte-length strings of the older dictionary layout.
std::string readShortString(platform::ByteReader& in);

}  // namespace report
