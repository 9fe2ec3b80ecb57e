// The failure of a command of the label application: it carries the text shown to the operator.
#pragma once

#include <filesystem>
#include <string>

#include "platform/Error.h"

namespace labels {

class AppError : public platform::Error {
public:
    using platform::Error::Error;
};

// A code list file could not be opened, read or written. It names the file (as the operator
// knows it: its name in the working folder) and the cause in Italian ("disco pieno"); what()
// is "NAME: cause". errorNumber is the system's errno, 0 when the cause is not one.
class FileError : public AppError {
public:
    FileError(std::string fileName, std::string cause, int errorNumber)
        : AppError(fileName + ": " + cause),
          fileName(std::move(fileName)),
          cause(std::move(cause)),
          errorNumber(errorNumber) {}
    std::string fileName;
    std::string cause;
    int errorNumber;
};

// The FileError for a failed system call on file that set errnoValue.
FileError fileErrorFromErrno(const std::filesystem::path& file, int errnoValue);

}  // namespace labels
