// The exception every layer raises for a failure the user is told about: it carries the
// message as it is shown (Italian for the application, English for data-set and file errors).
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace platform
