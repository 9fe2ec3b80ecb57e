#include "labels/qt/QtFileLocker.h"

#include <QLockFile>
#include <QString>
#include <cerrno>

#include "labels/AppError.h"
#include "labels/TextFile.h"

namespace labels::qt {

namespace {

class HeldLockFile : public labels::FileLocker::Lock {
public:
    explicit HeldLockFile(const QString& name) : file_(name) {}
    bool take(std::chrono::milliseconds timeout) { return file_.tryLock(static_cast<int>(timeout.count())); }
    QLockFile::LockError error() const { return file_.error(); }

private:
    QLockFile file_;  // unlocks when destroyed
};

}  // namespace

std::unique_ptr<labels::FileLocker::Lock> QtFileLocker::lock(const std::filesystem::path& path,
                                                             std::chrono::milliseconds timeout) {
    auto held = std::make_unique<HeldLockFile>(QString::fromStdString(path.string() + ".lock"));
    if (held->take(timeout)) return held;
    if (held->error() == QLockFile::LockFailedError) return nullptr;  // another copy holds it
    // The lock file could not be written; Qt does not say why, the folder does.
    const int problem = labels::folderWriteProblem(path.parent_path());
    throw labels::fileErrorFromErrno(path, problem != 0 ? problem : EIO);
}

}  // namespace labels::qt
