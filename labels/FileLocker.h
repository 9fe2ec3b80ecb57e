// Exclusive access to a file that other running copies of the program share (two windows, or two
// computers on a shared folder). The core only asks for the lock; the platform provides it.
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>

namespace labels {

class FileLocker {
public:
    // Held while it lives.
    class Lock {
    public:
        virtual ~Lock() = default;
    };

    virtual ~FileLocker() = default;
    // Takes the lock that guards path, waiting at most timeout; null when another copy kept it.
    // Throws FileError when the lock itself cannot be written (no permission, disk full).
    virtual std::unique_ptr<Lock> lock(const std::filesystem::path& path, std::chrono::milliseconds timeout) = 0;
};

}  // namespace labels
