// JPEG pictures through libjpeg's standard decompression and compression calls. Damaged data
// gives nullopt; libjpeg's own error exit never ends the program.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "report/Graphic.h"

namespace report {

// nullopt as well when the header announces more than maxPixels pixels.
std::optional<RasterImage> decodeJpeg(const std::vector<std::uint8_t>& bytes,
                                      std::int64_t maxPixels = kMaxDecodedPixels);
std::optional<std::vector<std::uint8_t>> encodeJpeg(const RasterImage& image, int quality = 90);

}  // namespace report
