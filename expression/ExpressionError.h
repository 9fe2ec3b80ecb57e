// The error raised while parsing or computing an expression; the preparation engine shows its
// text inside its own error message.
#pragma once

#include <string>

#include "platform/Error.h"

namespace expression {

class ExpressionError : public platform::Error {
public:
    using platform::Error::Error;
};

}  // namespace expression

namespace expression::messages {
// An unknown name, or a variable used while its own value is being computed.
inline constexpr const char* kUndefinedSymbol = "Simbolo non definito";
inline std::string undefinedSymbol(const std::string& name) {
    return std::string(kUndefinedSymbol) + " \"" + name + "\"";
}
// A component lookup that itself failed.
inline std::string missingComponent(const std::string& name) {
    return "Missing " + name;
}
}  // namespace expression::messages
