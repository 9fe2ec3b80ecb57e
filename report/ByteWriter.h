// Little-endian writes into a growing byte buffer, with in-place patching of values written
// earlier (record end positions are written as placeholders and patched afterwards).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace report {

class ByteWriter {
public:
    std::size_t position() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void u16(std::uint16_t v);
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void i32(std::int32_t v);
    void f64(double v);
    void append(std::span<const std::uint8_t> data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }
    // Overwrites the int32 at `at` (written before) with `v`.
    void patchI32(std::size_t at, std::int32_t v);

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace report
