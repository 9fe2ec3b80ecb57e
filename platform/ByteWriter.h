// Little-endian writes into a growing byte buffer, with in-place patching of values written
// earlier (record lengths and end positions are written as placeholders and patched afterwards).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

class ByteWriter {
public:
    std::size_t position() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void u16(std::uint16_t v);
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void u32(std::uint32_t v);
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f64(double v);
    void append(std::span<const std::uint8_t> data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }
    // A uint32 byte count followed by the bytes.
    void countedString(const std::string& s);
    // Overwrites the 32-bit value at `at` (written before) with `v`.
    void patchU32(std::size_t at, std::uint32_t v);
    void patchI32(std::size_t at, std::int32_t v) { patchU32(at, static_cast<std::uint32_t>(v)); }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace platform
