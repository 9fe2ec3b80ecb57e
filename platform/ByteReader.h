// Bounds-checked little-endian reads over untrusted bytes. A read past the end sets the
// failed flag and yields zero; callers check ok() once after a group of reads.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool ok() const { return ok_; }
    std::size_t remaining() const { return size_ - pos_; }
    std::size_t position() const { return pos_; }
    const std::uint8_t* current() const { return data_ + pos_; }

    std::uint8_t u8() { return static_cast<std::uint8_t>(unsignedLe(1)); }
    std::uint16_t u16() { return static_cast<std::uint16_t>(unsignedLe(2)); }
    std::uint32_t u32() { return unsignedLe(4); }
    std::int32_t i32() { return static_cast<std::int32_t>(unsignedLe(4)); }
    // A uint32 byte count followed by the bytes; the count is checked before allocating.
    std::string string() {
        std::uint32_t n = u32();
        if (!require(n)) return {};
        std::string s(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
        return s;
    }
    bool skip(std::size_t n) {
        if (!require(n)) return false;
        pos_ += n;
        return true;
    }
    // Marks the reader failed unless n more bytes are there.
    bool require(std::size_t n) {
        if (!ok_ || n > remaining()) ok_ = false;
        return ok_;
    }

private:
    std::uint32_t unsignedLe(int n) {
        if (!require(static_cast<std::size_t>(n))) return 0;
        std::uint32_t v = 0;
        for (int i = 0; i < n; ++i) v |= static_cast<std::uint32_t>(data_[pos_ + i]) << (8 * i);
        pos_ += static_cast<std::size_t>(n);
        return v;
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

}  // namespace platform
