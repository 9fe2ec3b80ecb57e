#include "prepared/PreparedReportIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <vector>

#include "platform/Error.h"

namespace prepared {

namespace {

std::string quoted(const std::string& fileName) {
    return "\"" + fileName + "\"";
}

// Closes the descriptor however the read ends.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Opening never waits: a FIFO or a device opened for reading could block until a writer
// comes, so the file is opened non-blocking and refused unless it is a regular file.
int openForReading(const std::string& fileName) {
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) return fd;
    if (errno == ENOENT || errno == ENOTDIR) throw platform::Error("File non trovato: " + fileName);
    if (errno == EACCES) throw platform::Error("Accesso negato al file " + quoted(fileName));
    throw platform::Error("Impossibile aprire il file " + quoted(fileName));
}

std::vector<std::uint8_t> readRegularFile(const std::string& fileName) {
    const FileDescriptor file(openForReading(fileName));
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) throw platform::Error("Impossibile leggere il file " + quoted(fileName));
    if (!S_ISREG(info.st_mode)) throw platform::Error(quoted(fileName) + " non è un file");
    if (info.st_size < 0 || static_cast<std::uint64_t>(info.st_size) > kMaxPreparedFileBytes)
        throw platform::Error("File di report troppo grande");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(file.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw platform::Error("Impossibile leggere il file " + quoted(fileName));
        if (n == 0) break;  // the file shrank while it was read: what is there is the file
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

}  // namespace

void savePrepared(const PreparedPages& pages, const std::string& fileName) {
    const std::vector<std::uint8_t> bytes = pages.saveToBytes();
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    if (!out) throw platform::Error("Impossibile creare il file " + quoted(fileName));
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw platform::Error("Impossibile scrivere il file " + quoted(fileName));
}

void loadPrepared(PreparedPages& pages, const std::string& fileName) {
    pages.loadFromStream(readRegularFile(fileName));
    // Bytes of another kind (random data, a text, a picture) read as an older layout with no
    // pages; every prepared report has at least one.
    if (pages.count() == 0) throw platform::Error(kNotAPreparedReport);
}

}  // namespace prepared
