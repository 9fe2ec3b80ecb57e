// The report's data dictionary: variables with their expressions, field aliases and band data
// sources, each an ordered list of (name, value). A variable name starting with a blank is a
// category heading.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"

namespace report {

using NamedValues = std::vector<std::pair<std::string, std::string>>;

struct DataDictionary {
    NamedValues variables;
    NamedValues fieldAliases;
    NamedValues bandSources;

    void clear();
    bool isEmpty() const { return variables.empty() && fieldAliases.empty() && bandSources.empty(); }
    friend bool operator==(const DataDictionary&, const DataDictionary&) = default;

    // The DictionaryRecord (after its 254 tag), in either layout.
    void loadFromStream(platform::ByteReader& in, int version);
    void saveToStream(platform::ByteWriter& out) const;
};

}  // namespace report
