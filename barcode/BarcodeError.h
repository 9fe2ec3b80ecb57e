// The one failure the generator and its encoders raise: an exception carrying the message
// that is shown to the user as it stands.
#pragma once

#include <string>

#include "platform/Error.h"

namespace barcode {

class BarcodeError : public platform::Error {
public:
    explicit BarcodeError(const std::string& message) : platform::Error(message) {}
};

// The class name that generator messages carry in place of their "%s".
inline constexpr const char* kGeneratorClassName = "TfrBarcode";

}  // namespace barcode
