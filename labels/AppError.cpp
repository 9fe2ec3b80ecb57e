#include "labels/AppError.h"

#include "platform/FileErrorCause.h"

namespace labels {

FileError fileErrorFromErrno(const std::filesystem::path& file, int errnoValue) {
    return FileError(file.filename().string(), platform::fileErrorCause(errnoValue), errnoValue);
}

}  // namespace labels
