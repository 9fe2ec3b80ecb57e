// FileLocker over QLockFile: a lock file beside the guarded one ("cf0.txt.lock") that names the
// holder's process and host, so a lock left by a crashed copy is recognised as stale.
#pragma once

#include "labels/FileLocker.h"

namespace labels::qt {

class QtFileLocker : public labels::FileLocker {
public:
    std::unique_ptr<Lock> lock(const std::filesystem::path& path, std::chrono::milliseconds timeout) override;
};

}  // namespace labels::qt
