// The failure raised by every template-stream reader: short reads, bad positions, damaged data.
#pragma once

#include <stdexcept>
#include <string>

namespace report {

class StreamError : public std::runtime_error {
public:
    explicit StreamError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace report
