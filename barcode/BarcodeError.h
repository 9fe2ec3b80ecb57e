// The one failure the generator and its encoders raise: an exception carrying the message
// that is shown to the user as it stands.
#pragma once

#include <stdexcept>
#include <string>

namespace barcode {

class BarcodeError : public std::runtime_error {
public:
    explicit BarcodeError(const std::string& message) : std::runtime_error(message) {}
};

// The class name that generator messages carry in place of their "%s".
inline constexpr const char* kGeneratorClassName = "TfrBarcode";

}  // namespace barcode
