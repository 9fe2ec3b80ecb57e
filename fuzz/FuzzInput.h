// Taking a fuzz input apart: fixed-size numbers from the front, the rest as bytes or text.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

namespace fuzz {

class InputBytes {
public:
    InputBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // The next value, zero bytes once the input runs out.
    template <typename T>
    T take() {
        T v{};
        const std::size_t n = std::min(sizeof(T), size_);
        if (n == 0) return v;  // an empty input may come with no buffer at all
        std::memcpy(&v, data_, n);
        data_ += n;
        size_ -= n;
        return v;
    }
    std::string rest() const { return std::string(reinterpret_cast<const char*>(data_), size_); }
    std::span<const std::uint8_t> restBytes() const { return {data_, size_}; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

}  // namespace fuzz
