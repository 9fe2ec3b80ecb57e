#include "report/DecodedPicture.h"

#include <algorithm>

namespace report {

void DecodedPicture::follow(const Graphic& graphic) {
    if (graphic.kind == source_.kind && graphic.bytes == source_.bytes) return;
    release();
    source_ = graphic;
}

void DecodedPicture::release() {
    if (budget_) budget_->giveBack(charged_);
    budget_ = nullptr;
    charged_ = 0;
    metafile_.reset();
    raster_.reset();
    metafileRead_ = rasterRead_ = false;
}

std::shared_ptr<const platform::Picture> DecodedPicture::metafile(const Graphic& graphic) {
    follow(graphic);
    if (!metafileRead_) metafile_ = graphic.metafile();
    metafileRead_ = true;
    return metafile_;
}

const RasterImage* DecodedPicture::raster(const Graphic& graphic, ImageCodec* codec, PixelBudget* budget) {
    follow(graphic);
    if (!rasterRead_) {
        rasterRead_ = true;
        const std::int64_t allowed =
            budget ? std::min(budget->remaining(), kMaxDecodedPixels) : kMaxDecodedPixels;
        raster_ = graphic.raster(codec, allowed);
        const std::int64_t pixels = raster_ ? static_cast<std::int64_t>(raster_->width) * raster_->height : 0;
        if (raster_ && budget && !budget->take(pixels)) raster_.reset();
        if (raster_ && budget) {
            budget_ = budget;
            charged_ = pixels;
        }
    }
    return raster_ ? &*raster_ : nullptr;
}

}  // namespace report
