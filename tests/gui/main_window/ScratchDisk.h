// A small disk of its own for a test: a tmpfs mounted on a folder, that can be filled to the
// last byte or turned read-only (which root, who ignores file permissions, cannot write
// either). Mounting needs root; without it the test skips.
#pragma once

#include <sys/mount.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace main_window_test {

class ScratchDisk {
public:
    // Mounts a tmpfs of `size` (e.g. "16k") on folder, which is created; false when it cannot.
    bool mount(const std::filesystem::path& folder, const std::string& size) {
        std::filesystem::create_directories(folder);
        if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, ("size=" + size).c_str()) != 0) return false;
        folder_ = folder;
        return true;
    }
    // Writes a filler file until the disk has no byte left.
    void fill() const {
        std::ofstream filler(folder_ / "filler", std::ios::binary);
        const std::string block(512, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) filler.flush();
        std::ofstream(folder_ / "filler-tail", std::ios::binary) << 'x';  // a last small one, if it fits
    }
    void makeRoom() const {
        std::filesystem::remove(folder_ / "filler");
        std::filesystem::remove(folder_ / "filler-tail");
    }
    bool makeReadOnly() const {
        return ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    void unmount() {
        if (!folder_.empty()) ::umount2(folder_.c_str(), MNT_DETACH);
        folder_.clear();
    }
    ~ScratchDisk() { unmount(); }

private:
    std::filesystem::path folder_;
};

}  // namespace main_window_test
