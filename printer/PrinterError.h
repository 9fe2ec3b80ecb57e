// The failure of a printer or spooler operation.
#pragma once

#include <string>

#include "platform/Error.h"

namespace printer {

class PrinterError : public platform::Error {
public:
    explicit PrinterError(const std::string& message) : platform::Error(message) {}
};

// "La stampante "NAME" non è più disponibile": a printer the spooler no longer lists.
inline std::string printerGoneText(const std::string& name) {
    return "La stampante \"" + name + "\" non \xC3\xA8 pi\xC3\xB9 disponibile";
}

}  // namespace printer
