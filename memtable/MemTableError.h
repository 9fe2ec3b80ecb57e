#pragma once
// Errors raised by memory tables. Texts are the data-set layer's English messages.

#include <string>

#include "platform/Error.h"

namespace memtable {

// An error of the data-set framework (closed dataset, edit mode, required field, ...).
class DatasetError : public platform::Error {
public:
    using platform::Error::Error;
};

// An error raised by the memory table itself (duplicate key, bad definitions).
class EMemTableError : public DatasetError {
public:
    using DatasetError::DatasetError;
};

}  // namespace memtable

namespace memtable::messages {
inline constexpr const char* duplicateIndexValue = "Duplicate index value. Operation aborted.";
inline constexpr const char* noFields = "There must be at least one field";
inline constexpr const char* missingIndexFields = "Missing Name or FieldNames in IndexDef!";
inline constexpr const char* closedDataset = "Cannot perform this operation on a closed dataset";
inline constexpr const char* notInEditMode = "Dataset is not in edit mode.";

inline std::string fieldReadOnly(const std::string& field) {
    return "Field " + field + " is read only";
}
inline std::string fieldRequired(const std::string& field) {
    return "Field '" + field + "' must have a value";
}
inline std::string fieldNotFound(const std::string& field) {
    return "Field '" + field + "' not found";
}
}  // namespace memtable::messages
