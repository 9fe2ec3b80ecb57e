// A picture object's graphic decoded once and kept while the object lives (a page being shown
// or printed), instead of being decoded again at every draw. Raster pixels are charged to the
// budget of the file the object came from and given back when the object goes.
#pragma once

#include <memory>
#include <optional>

#include "platform/Picture.h"
#include "report/Graphic.h"

namespace report {

class DecodedPicture {
public:
    DecodedPicture() = default;
    // A copy decodes afresh: the budget is charged once per decoded image.
    DecodedPicture(const DecodedPicture&) {}
    DecodedPicture& operator=(const DecodedPicture&) {
        release();
        return *this;
    }
    ~DecodedPicture() { release(); }

    // The recorded picture of a metafile graphic, or nullptr.
    std::shared_ptr<const platform::Picture> metafile(const Graphic& graphic);
    // The pixels of a raster graphic, or nullptr when it cannot be decoded or does not fit
    // in what is left of `budget` (none: only the single-picture limit applies). Bitmaps and
    // icons need `codec`.
    const RasterImage* raster(const Graphic& graphic, ImageCodec* codec, PixelBudget* budget);

private:
    // Forgets what was decoded when the graphic is no longer the one it was decoded from.
    void follow(const Graphic& graphic);
    void release();

    Graphic source_;
    bool metafileRead_ = false;
    bool rasterRead_ = false;
    std::shared_ptr<const platform::Picture> metafile_;
    std::optional<RasterImage> raster_;
    PixelBudget* budget_ = nullptr;
    std::int64_t charged_ = 0;
};

}  // namespace report
