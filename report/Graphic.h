// The graphic held by a picture object: its kind and its bytes exactly as stored, so that a
// loaded picture is written back byte for byte whether or not it could be decoded.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Color.h"

namespace platform {
class Picture;
}

namespace report {

enum class GraphicKind : std::uint8_t { None = 0, Bitmap = 1, Metafile = 2, Icon = 3, Jpeg = 4 };

// Decoded pixels, row by row, as 0x00BBGGRR colours.
struct RasterImage {
    int width = 0;
    int height = 0;
    std::vector<platform::Color> pixels;
    bool isEmpty() const { return width <= 0 || height <= 0; }
};

// Decoder and encoder for bitmaps and icons; the window layer provides one.
class ImageCodec {
public:
    virtual ~ImageCodec() = default;
    virtual std::optional<RasterImage> decode(GraphicKind kind, const std::vector<std::uint8_t>& bytes) = 0;
    virtual std::optional<std::vector<std::uint8_t>> encode(GraphicKind kind, const RasterImage& image) = 0;
};

// The codec used for bitmaps and icons; none until the window layer installs one.
ImageCodec* imageCodec();
void setImageCodec(ImageCodec* codec);

struct Graphic {
    GraphicKind kind = GraphicKind::None;
    std::vector<std::uint8_t> bytes;

    bool isEmpty() const { return kind == GraphicKind::None || bytes.empty(); }
    // Decoded pixels of a raster graphic (JPEG through libjpeg, bitmaps and icons through the
    // installed codec); nullopt when it cannot be decoded.
    std::optional<RasterImage> raster() const;
    // The recorded picture of a metafile graphic; nullptr when it cannot be read.
    std::shared_ptr<const platform::Picture> metafile() const;

    static Graphic fromJpeg(const RasterImage& image, int quality = 90);
    static Graphic fromPicture(const platform::Picture& picture);
};

}  // namespace report
