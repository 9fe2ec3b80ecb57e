#include "platform/ByteReader.h"

#include <cstring>

namespace platform {

void ByteReader::require(std::size_t count) const {
    if (count > size_ - pos_) throw StreamError("Errore di lettura: dati incompleti o danneggiati");
}

void ByteReader::seek(std::size_t pos) {
    if (pos > size_) throw StreamError("Errore di lettura: dati incompleti o danneggiati");
    pos_ = pos;
}

void ByteReader::skip(std::size_t count) {
    require(count);
    pos_ += count;
}

std::uint8_t ByteReader::u8() {
    require(1);
    return data_[pos_++];
}

std::uint16_t ByteReader::u16() {
    require(2);
    std::uint16_t v = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
}

std::int16_t ByteReader::i16() {
    return static_cast<std::int16_t>(u16());
}

std::uint32_t ByteReader::u32() {
    require(4);
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | data_[pos_ + static_cast<std::size_t>(i)];
    pos_ += 4;
    return v;
}

std::int32_t ByteReader::i32() {
    return static_cast<std::int32_t>(u32());
}

double ByteReader::f64() {
    require(8);
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | data_[pos_ + static_cast<std::size_t>(i)];
    pos_ += 8;
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

std::span<const std::uint8_t> ByteReader::bytes(std::size_t count) {
    require(count);
    std::span<const std::uint8_t> out(data_ + pos_, count);
    pos_ += count;
    return out;
}

std::string ByteReader::countedString() {
    const std::uint32_t count = u32();
    const auto text = bytes(count);
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

}  // namespace platform
