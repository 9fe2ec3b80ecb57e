// Colours as 0x00BBGGRR integers, the layout stored in templates and prepared pages.
#pragma once

#include <cstdint>

namespace platform {

using Color = std::uint32_t;

constexpr Color rgb(int r, int g, int b) {
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
// The "no fill" value of report objects: draws no background.
constexpr Color kNoColor = 0x1FFFFFFF;

}  // namespace platform
