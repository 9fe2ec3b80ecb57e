// The failure of a printer or spooler operation.
#pragma once

#include <stdexcept>
#include <string>

namespace preview {

class PrinterError : public std::runtime_error {
public:
    explicit PrinterError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace preview
