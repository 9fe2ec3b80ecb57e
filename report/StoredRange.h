// Limits on numbers read from template and prepared-report streams. No page holds anything
// a million units away, so larger positions and sizes (and negative sizes) can only come from
// damaged or hostile bytes; refusing them where they are read keeps every drawing sum far
// from the int limit.
#pragma once

#include <cmath>
#include <cstdint>

#include "platform/StreamError.h"

namespace report {

inline constexpr std::int32_t kStoredExtentLimit = 1'000'000;

// A stored number outside what a page can hold. The whole stream is refused, even where a
// reader otherwise keeps what it could read of a damaged record.
class StoredValueError : public platform::StreamError {
public:
    StoredValueError() : platform::StreamError("Stream read error") {}
};

// Positions, gaps and spacings: anywhere within the limit, either side of the origin.
inline std::int32_t checkedPosition(std::int32_t v) {
    if (v < -kStoredExtentLimit || v > kStoredExtentLimit) throw StoredValueError();
    return v;
}

// Widths, heights and counts: from 0 to the limit.
inline std::int32_t checkedSize(std::int32_t v) {
    if (v < 0 || v > kStoredExtentLimit) throw StoredValueError();
    return v;
}

inline double checkedPosition(double v) {
    if (!(std::abs(v) <= kStoredExtentLimit)) throw StoredValueError();
    return v;
}

}  // namespace report
