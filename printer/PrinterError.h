// The failure of a printer or spooler operation.
#pragma once

#include <string>

#include "platform/Error.h"

namespace printer {

class PrinterError : public platform::Error {
public:
    explicit PrinterError(const std::string& message) : platform::Error(message) {}
};

// The operator declined a step the job needs (the file of the PDF printer): no job began, and
// there is nothing to report.
class PrintCancelled : public PrinterError {
public:
    PrintCancelled() : PrinterError("Stampa annullata") {}
};

}  // namespace printer
