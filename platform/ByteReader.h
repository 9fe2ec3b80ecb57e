// Bounds-checked little-endian reads over a byte buffer the reader does not own. Every read
// past the end throws StreamError, so damaged bytes fail cleanly instead of over-reading.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "platform/StreamError.h"

namespace platform {

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    explicit ByteReader(std::span<const std::uint8_t> bytes) : ByteReader(bytes.data(), bytes.size()) {}

    std::size_t position() const { return pos_; }
    std::size_t size() const { return size_; }
    std::size_t remaining() const { return size_ - pos_; }
    bool atEnd() const { return pos_ >= size_; }
    // Moves to an absolute position; a position past the end is an error.
    void seek(std::size_t pos);
    void skip(std::size_t count);

    std::uint8_t u8();
    std::int16_t i16();
    std::uint16_t u16();
    std::int32_t i32();
    std::uint32_t u32();
    double f64();
    // The next `count` bytes, after checking that they are there.
    std::span<const std::uint8_t> bytes(std::size_t count);
    // A uint32 byte count followed by the bytes; the count is checked before allocating.
    std::string countedString();

private:
    void require(std::size_t count) const;

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace platform
