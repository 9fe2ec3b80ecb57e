// Errors of the report dataset adaptor; texts are the data-set layer's English messages.
#pragma once

#include <string>

#include "platform/Error.h"

namespace report {

class DatasetError : public platform::Error {
public:
    using platform::Error::Error;
};

inline std::string unableToOpenDataset(const std::string& componentName) {
    return "Unable to open dataset " + componentName;
}

}  // namespace report
