#include "labels/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "labels/AppError.h"

namespace labels {

namespace {

// Closes a file descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now and reports the failure of close itself (a late write error).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

constexpr const char* kNotRegular = "non \xC3\xA8 un file normale (FIFO o dispositivo)";
constexpr const char* kReadOnlyFile = "il file \xC3\xA8 in sola lettura";

// Writes every byte; the errno of the failing write otherwise.
int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// Opens a fresh temporary file beside target; its name is returned through tempPath.
int openTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& tempPath,
                        const std::string& purpose = "tmp") {
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = target;
        tempPath.replace_filename("." + target.filename().string() + "." + std::to_string(::getpid()) + "." +
                                  std::to_string(attempt) + "." + purpose);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Makes the rename itself durable; a failure here leaves both names valid, so it is ignored.
void syncDirectoryOf(const std::filesystem::path& path) {
    const std::filesystem::path dir = path.has_parent_path() ? path.parent_path() : ".";
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The file's existing mode and owner, kept by its replacement; a file this user may not write
// (or one with no write permission at all, which root could still overwrite) is not replaced.
void takeOverModeAndOwner(const std::filesystem::path& path, int replacement) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return;
    if ((info.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0)
        throw FileError(path.filename().string(), kReadOnlyFile, EACCES);
    if (::fchmod(replacement, info.st_mode & 07777) != 0) throw fileErrorFromErrno(path, errno);
    // Only root may hand a file to another owner; anyone may keep its group when a member.
    if ((info.st_uid != ::geteuid() || info.st_gid != ::getegid()) &&
        ::fchown(replacement, info.st_uid, info.st_gid) != 0)
        (void)::fchown(replacement, static_cast<uid_t>(-1), info.st_gid);
}

}  // namespace

std::string readFileBytes(const std::filesystem::path& path) {
    // Non-blocking, so that a FIFO (or a device) in place of the file cannot hang the open; it
    // is refused just below, and a regular file reads the same either way.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) throw fileErrorFromErrno(path, errno);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) throw fileErrorFromErrno(path, errno);
    if (S_ISDIR(info.st_mode)) throw fileErrorFromErrno(path, EISDIR);
    if (!S_ISREG(info.st_mode)) throw FileError(path.filename().string(), kNotRegular, 0);
    std::string bytes;
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw fileErrorFromErrno(path, errno);
        }
        if (n == 0) break;
        if (bytes.size() + static_cast<std::size_t>(n) > kMaxTextFileBytes)
            throw fileErrorFromErrno(path, EFBIG);
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

void replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path tempPath;
    Descriptor file(openTemporaryBeside(path, tempPath));
    if (file.get() < 0) throw fileErrorFromErrno(path, errno);
    try {
        takeOverModeAndOwner(path, file.get());
        if (const int error = writeAll(file.get(), bytes)) throw fileErrorFromErrno(path, error);
        if (::fsync(file.get()) != 0) throw fileErrorFromErrno(path, errno);
        if (!file.close()) throw fileErrorFromErrno(path, errno);
        if (::rename(tempPath.c_str(), path.c_str()) != 0) throw fileErrorFromErrno(path, errno);
    } catch (...) {
        ::unlink(tempPath.c_str());
        throw;
    }
    syncDirectoryOf(path);
}

int folderWriteProblem(const std::filesystem::path& folder) {
    std::filesystem::path probe;
    const Descriptor file(openTemporaryBeside(folder / "probe", probe, "probe"));
    if (file.get() < 0) return errno;
    const int error = writeAll(file.get(), "?");
    ::unlink(probe.c_str());
    return error;
}

bool createEmptyFileIfMissing(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return ::close(fd) == 0;
    return errno == EEXIST;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace labels
