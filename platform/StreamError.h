// The failure raised by every reader of stored bytes: short reads, bad positions, damaged data.
#pragma once

#include <string>

#include "platform/Error.h"

namespace platform {

class StreamError : public Error {
public:
    explicit StreamError(const std::string& what) : Error(what) {}
};

}  // namespace platform
