// Appends little-endian integers and length-prefixed strings to a byte vector.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void u8(std::uint8_t v) { out_.push_back(v); }
    void u16(std::uint16_t v) { unsigned_le(v, 2); }
    void u32(std::uint32_t v) { unsigned_le(v, 4); }
    void i32(std::int32_t v) { unsigned_le(static_cast<std::uint32_t>(v), 4); }
    void bytes(const std::uint8_t* data, std::size_t n) { out_.insert(out_.end(), data, data + n); }
    // A uint32 byte count followed by the bytes.
    void string(const std::string& s) {
        u32(static_cast<std::uint32_t>(s.size()));
        bytes(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
    }
    std::size_t position() const { return out_.size(); }
    // Overwrites a uint32 written earlier, for lengths known only afterwards.
    void patchU32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out_[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }

private:
    void unsigned_le(std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) out_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    std::vector<std::uint8_t>& out_;
};

}  // namespace platform
