// Errors of the report dataset adaptor; texts are the data-set layer's English messages.
#pragma once

#include <stdexcept>
#include <string>

namespace report {

class DatasetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline std::string unableToOpenDataset(const std::string& componentName) {
    return "Unable to open dataset " + componentName;
}

}  // namespace report
