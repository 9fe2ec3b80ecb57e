// The failure of a command of the label application: it carries the text shown to the operator.
#pragma once

#include <string>

#include "platform/Error.h"

namespace labels {

class AppError : public platform::Error {
public:
    using platform::Error::Error;
};

// A code list file could not be opened, read or written. The message is the platform's
// English text ("File not found", "File access denied", "Disk full"); errorNumber is the
// system's errno, 0 when there is none.
class FileError : public AppError {
public:
    FileError(const std::string& message, int errorNumber) : AppError(message), errorNumber(errorNumber) {}
    int errorNumber;
};

// The FileError for a failed system call that set errnoValue.
FileError fileErrorFromErrno(int errnoValue);

}  // namespace labels
