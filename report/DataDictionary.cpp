#include "report/DataDictionary.h"

#include <algorithm>
#include <array>

#include "report/StreamText.h"

namespace report {
namespace {

constexpr std::int16_t kDictionaryMarker = -2;
constexpr std::int16_t kOlderDictionaryMarker = -1;

// Built-in variables by the sub-kind of the oldest dictionary layout.
constexpr std::array<const char*, 12> kBuiltInVariables = {
    "",         "DATE",        "TIME", "PAGE#", "TOTALPAGES", "LINE#", "LINETHROUGH#", "COLUMN#",
    "CURRENT#", "REPORTTITLE", "",     ""};

NamedValues readNamedValues(platform::ByteReader& in, int version) {
    NamedValues list;
    const std::int32_t count = in.i32();
    // No reservation by the stored count: every entry must be read from bytes that exist.
    for (std::int32_t i = 0; i < count; ++i) {
        std::string name = readString(in, version);
        std::string value = readString(in, version);
        list.emplace_back(std::move(name), std::move(value));
    }
    return list;
}

void writeNamedValues(platform::ByteWriter& out, const NamedValues& list) {
    out.i32(static_cast<std::int32_t>(list.size()));
    for (const auto& [name, value] : list) {
        writeString(out, name);
        writeString(out, value);
    }
}

// Older streams marked category headings the other way round.
void flipHeadingMarks(NamedValues& variables) {
    for (auto& entry : variables) {
        std::string& name = entry.first;
        if (!name.empty() && name.front() == ' ')
            name.erase(0, 1);
        else
            name.insert(0, " ");
    }
}

void readOldestLayout(DataDictionary& d, platform::ByteReader& in, int version) {
    const std::int32_t count = in.i32();
    NamedValues aliases;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::uint8_t kind = in.u8();
        const std::int32_t subKind = in.i32();
        const std::string first = readShortString(in);
        const std::string second = readShortString(in);
        const std::string third = readShortString(in);
        std::string value;
        if (kind == 1) {
            value = first + ".\"" + second + "\"";
        } else if (kind == 2) {
            if (subKind == 1)
                value = second;
            else if (subKind >= 0 && subKind < static_cast<std::int32_t>(kBuiltInVariables.size()))
                value = kBuiltInVariables[static_cast<std::size_t>(subKind)];
        }
        aliases.emplace_back(" " + third, value);
    }
    for (const std::string& name : readStringList(in, version)) {
        if (name.empty() || name.front() != ' ') {
            d.variables.emplace_back(name, "");
            continue;
        }
        auto alias =
            std::find_if(aliases.begin(), aliases.end(), [&](const auto& a) { return a.first == name; });
        d.variables.emplace_back(name, alias != aliases.end() ? alias->second : "");
    }
}

}  // namespace

void DataDictionary::clear() {
    variables.clear();
    fieldAliases.clear();
    bandSources.clear();
}

void DataDictionary::loadFromStream(platform::ByteReader& in, int version) {
    clear();
    const std::size_t start = in.position();
    const std::int16_t marker = in.i16();
    if (marker != kDictionaryMarker && marker != kOlderDictionaryMarker) {
        in.seek(start);
        readOldestLayout(*this, in, version);
        return;
    }
    variables = readNamedValues(in, version);
    fieldAliases = readNamedValues(in, version);
    bandSources = readNamedValues(in, version);
    if (!variables.empty() && !variables.front().first.empty() && variables.front().first.front() != ' ')
        flipHeadingMarks(variables);
    if (marker == kOlderDictionaryMarker) {
        // Entries of that layout that refer to nothing are dropped.
        std::erase_if(fieldAliases, [](const auto& e) { return e.second.empty(); });
        std::erase_if(bandSources, [](const auto& e) { return e.second.empty(); });
    }
}

void DataDictionary::saveToStream(platform::ByteWriter& out) const {
    out.i16(kDictionaryMarker);
    writeNamedValues(out, variables);
    writeNamedValues(out, fieldAliases);
    writeNamedValues(out, bandSources);
}

}  // namespace report
