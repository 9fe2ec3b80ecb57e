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

// Largest picture decoded at all: guards the pixel allocation against hostile headers.
inline constexpr std::int64_t kMaxDecodedPixels = 64LL * 1024 * 1024;

// Decoded pixels a file's pictures may hold at once. Pictures are small in labels; a file
// whose pictures would decode to more is hostile, and the pictures past the budget are
// left out rather than decoded.
class PixelBudget {
public:
    explicit PixelBudget(std::int64_t pixels) : remaining_(pixels) {}
    std::int64_t remaining() const { return remaining_; }
    // Takes `pixels` from the budget; false (and nothing taken) when they are not there.
    bool take(std::int64_t pixels) {
        if (pixels < 0 || pixels > remaining_) return false;
        remaining_ -= pixels;
        return true;
    }
    void giveBack(std::int64_t pixels) { remaining_ += pixels; }

private:
    std::int64_t remaining_;
};

// Decoder and encoder for bitmaps and icons; the program builds a Qt one and hands it to
// whatever draws pages.
class ImageCodec {
public:
    virtual ~ImageCodec() = default;
    // nullopt when the bytes cannot be decoded or the picture has more than maxPixels pixels
    // (known from its header, before any pixel is allocated).
    virtual std::optional<RasterImage> decode(GraphicKind kind, const std::vector<std::uint8_t>& bytes,
                                              std::int64_t maxPixels) = 0;
    virtual std::optional<std::vector<std::uint8_t>> encode(GraphicKind kind, const RasterImage& image) = 0;
};

struct Graphic {
    GraphicKind kind = GraphicKind::None;
    std::vector<std::uint8_t> bytes;

    bool isEmpty() const { return kind == GraphicKind::None || bytes.empty(); }
    // Decoded pixels of a raster graphic (JPEG through libjpeg, bitmaps and icons through the
    // given codec); nullopt when it cannot be decoded or has more than maxPixels pixels.
    std::optional<RasterImage> raster(ImageCodec* codec, std::int64_t maxPixels = kMaxDecodedPixels) const;
    // The recorded picture of a metafile graphic; nullptr when it cannot be read.
    std::shared_ptr<const platform::Picture> metafile() const;

    static Graphic fromJpeg(const RasterImage& image, int quality = 90);
    static Graphic fromPicture(const platform::Picture& picture);
};

}  // namespace report
