// Reading and writing the records of a template stream after its FormatVersion byte: the header,
// PageRecords, ObjectRecords, the DictionaryRecord and the extension tag.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"

namespace report {

class Report;
class View;

// Record tags.
constexpr std::uint8_t kPageTag = 255;
constexpr std::uint8_t kDictionaryTag = 254;
constexpr std::uint8_t kExtensionTag = 253;

// Result of reading the records: the add-in classes that were not registered, in the order met.
struct TemplateReadResult {
    std::vector<std::string> missingClasses;
};

// Reads header and records into the report (already cleared). Throws platform::StreamError on a
// failure that makes the whole load fail.
TemplateReadResult readTemplateRecords(Report& report, platform::ByteReader& in, int version);
void writeTemplateRecords(const Report& report, platform::ByteWriter& out);

// Message listing add-in classes that are not registered.
std::string missingComponentsMessage(const std::vector<std::string>& classNames);

// Reads an object body of the printing variant as prepared pages store it: ObjectType byte,
// class name for add-ins, record. Returns nullptr for an add-in that is not registered.
std::unique_ptr<View> readPrintedObject(platform::ByteReader& in, int version,
                                        std::string* missingClass = nullptr);

}  // namespace report
