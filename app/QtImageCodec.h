// Bitmaps and icons of picture objects, decoded and encoded through Qt's image formats.
#pragma once

#include "report/Graphic.h"

namespace app {

class QtImageCodec : public report::ImageCodec {
public:
    std::optional<report::RasterImage> decode(report::GraphicKind kind, const std::vector<std::uint8_t>& bytes,
                                              std::int64_t maxPixels) override;
    std::optional<std::vector<std::uint8_t>> encode(report::GraphicKind kind,
                                                    const report::RasterImage& image) override;
};

}  // namespace app
