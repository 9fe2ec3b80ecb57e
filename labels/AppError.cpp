#include "labels/AppError.h"

#include <cerrno>

namespace labels {

FileError fileErrorFromErrno(int errnoValue) {
    switch (errnoValue) {
        case ENOENT:
        case ENOTDIR:
            return FileError("File not found", errnoValue);
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return FileError("File access denied", errnoValue);
        case ENOSPC:
        case EDQUOT:
            return FileError("Disk full", errnoValue);
        case EMFILE:
        case ENFILE:
            return FileError("Too many open files", errnoValue);
        default:
            return FileError("I/O error " + std::to_string(errnoValue), errnoValue);
    }
}

}  // namespace labels
