#include "report/Graphic.h"

#include <algorithm>

#include "platform/Picture.h"
#include "report/JpegCodec.h"

namespace report {

std::optional<RasterImage> Graphic::raster(ImageCodec* codec, std::int64_t maxPixels) const {
    maxPixels = std::min(maxPixels, kMaxDecodedPixels);
    switch (kind) {
        case GraphicKind::Jpeg:
            return decodeJpeg(bytes, maxPixels);
        case GraphicKind::Bitmap:
        case GraphicKind::Icon:
            return codec ? codec->decode(kind, bytes, maxPixels) : std::nullopt;
        default:
            return std::nullopt;
    }
}

std::shared_ptr<const platform::Picture> Graphic::metafile() const {
    if (kind != GraphicKind::Metafile) return nullptr;
    auto picture = std::make_shared<platform::Picture>();
    std::string error;
    if (!platform::Picture::deserialize(bytes.data(), bytes.size(), *picture, error)) return nullptr;
    return picture;
}

Graphic Graphic::fromJpeg(const RasterImage& image, int quality) {
    Graphic g;
    if (auto bytes = encodeJpeg(image, quality)) {
        g.kind = GraphicKind::Jpeg;
        g.bytes = std::move(*bytes);
    }
    return g;
}

Graphic Graphic::fromPicture(const platform::Picture& picture) {
    return {GraphicKind::Metafile, picture.serialize()};
}

}  // namespace report
