#include "platform/ByteWriter.h"

#include <cstring>
#include <stdexcept>

namespace platform {

void ByteWriter::u16(std::uint16_t v) {
    bytes_.push_back(static_cast<std::uint8_t>(v & 0xFF));
    bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void ByteWriter::u32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void ByteWriter::f64(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    for (int i = 0; i < 8; ++i) bytes_.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
}

void ByteWriter::countedString(const std::string& s) {
    u32(static_cast<std::uint32_t>(s.size()));
    append({reinterpret_cast<const std::uint8_t*>(s.data()), s.size()});
}

void ByteWriter::patchU32(std::size_t at, std::uint32_t v) {
    if (at > bytes_.size() || bytes_.size() - at < 4)
        throw std::out_of_range("patch outside the written bytes");
    for (std::size_t i = 0; i < 4; ++i) bytes_[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace platform
