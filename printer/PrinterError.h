// The failure of a printer or spooler operation.
#pragma once

#include <string>

#include "platform/Error.h"

namespace printer {

class PrinterError : public platform::Error {
public:
    explicit PrinterError(const std::string& message) : platform::Error(message) {}
};

}  // namespace printer
