#include "report/PictureView.h"

#include <algorithm>

#include "platform/ClampedInt.h"
#include "platform/Picture.h"
#include "platform/Rounding.h"
#include "report/Page.h"
#include "report/StreamText.h"

namespace report {
namespace {

// Layout level above which the picture tail's BlobType byte is read.
constexpr int kBlobTypeLayout = 10;

}  // namespace

PictureView::PictureView() : View(kPictureObject) {
    flags = kFlagStretched | kPictureKeepAspect;
}

void PictureView::readRecord(platform::ByteReader& in, int version, RecordKind kind) {
    View::readRecord(in, version, kind);
    const std::uint8_t graphic = in.u8();
    const std::uint8_t blob = in.u8();
    if (layoutMajor * 10 + layoutMinor > kBlobTypeLayout) blobType = static_cast<BlobType>(blob);
    const std::int32_t dataEnd = in.i32();
    const std::size_t start = in.position();
    if (dataEnd < 0 || static_cast<std::size_t>(dataEnd) < start ||
        static_cast<std::size_t>(dataEnd) > in.size())
        throw platform::StreamError("Invalid picture data");
    auto data = in.bytes(static_cast<std::size_t>(dataEnd) - start);
    picture = {};
    if (graphic >= static_cast<std::uint8_t>(GraphicKind::Bitmap) &&
        graphic <= static_cast<std::uint8_t>(GraphicKind::Jpeg)) {
        picture.kind = static_cast<GraphicKind>(graphic);
        picture.bytes.assign(data.begin(), data.end());
    }
}

void PictureView::writeRecord(platform::ByteWriter& out, RecordKind kind, const RecordFields& fields) const {
    View::writeRecord(out, kind, fields);
    const bool hasData = !picture.isEmpty();
    out.u8(static_cast<std::uint8_t>(hasData ? picture.kind : GraphicKind::None));
    out.u8(static_cast<std::uint8_t>(blobType));
    const std::size_t endAt = out.position();
    out.i32(0);
    if (hasData) out.append(picture.bytes);
    out.patchI32(endAt, static_cast<std::int32_t>(out.position()));
}

bool PictureView::setProperty(const std::string& propertyName, const PropertyValue& value) {
    const std::string n = upper(propertyName);
    auto setFlag = [&](std::uint16_t bit) {
        flags = static_cast<std::uint16_t>(propertyAsBool(value) ? (flags | bit) : (flags & ~bit));
    };
    if (n == "CENTER")
        setFlag(kPictureCenter);
    else if (n == "KEEPASPECT")
        setFlag(kPictureKeepAspect);
    else if (n == "BLOBTYPE")
        blobType = static_cast<BlobType>(propertyAsInt(value) & 0xFF);
    else if (n == "PICTURE")
        return false;  // pictures are set through `picture`, not as text
    else
        return View::setProperty(propertyName, value);
    return true;
}

PropertyValue PictureView::property(const std::string& propertyName) const {
    const std::string n = upper(propertyName);
    if (n == "CENTER") return (flags & kPictureCenter) != 0;
    if (n == "KEEPASPECT") return (flags & kPictureKeepAspect) != 0;
    if (n == "BLOBTYPE") return static_cast<long long>(blobType);
    if (n == "PICTURE") return static_cast<long long>(picture.kind);
    return View::property(propertyName);
}

std::vector<std::string> PictureView::propertyNames() const {
    auto names = View::propertyNames();
    names.insert(names.end(), {"Picture", "Center", "KeepAspect", "BlobType"});
    return names;
}

platform::Rect PictureView::pictureTarget(const DrawGeometry& at, int pictureWidth, int pictureHeight) const {
    const int drawX = at.x, drawY = at.y, drawWidth = at.width, drawHeight = at.height;
    platform::Rect box{drawX, drawY, drawX + drawWidth, drawY + drawHeight};
    if (pictureWidth <= 0 || pictureHeight <= 0) return box;
    auto scaled = [](double v) { return platform::clampedInt(platform::roundHalfEven(v)); };
    const bool stretch = flags & kFlagStretched;
    int w = pictureWidth, h = pictureHeight;
    if (stretch) {
        w = drawWidth;
        h = drawHeight;
        if (flags & kPictureKeepAspect) {
            const double k = std::min(static_cast<double>(drawWidth) / pictureWidth,
                                      static_cast<double>(drawHeight) / pictureHeight);
            w = scaled(pictureWidth * k);
            h = scaled(pictureHeight * k);
        }
    } else {
        w = scaled(pictureWidth * at.scale.x);
        h = scaled(pictureHeight * at.scale.y);
    }
    int x = drawX, y = drawY;
    if (flags & kPictureCenter) {
        x += platform::divTrunc(drawWidth - w, 2);
        y += platform::divTrunc(drawHeight - h, 2);
    }
    return {x, y, x + w, y + h};
}

namespace {

// The first target position, from `at` on, that shows the next source pixel after the one
// shown at `at`: positions t show pixel t * pixels / length.
std::int64_t nextPixelStart(std::int64_t at, std::int64_t pixels, std::int64_t length) {
    const std::int64_t pixel = at * pixels / length;
    return ((pixel + 1) * length + pixels - 1) / pixels;
}

}  // namespace

void paintRaster(platform::Canvas& canvas, const RasterImage& image, const platform::Rect& target) {
    if (image.isEmpty() || target.isEmpty()) return;
    platform::Rect visible = target;
    if (const auto clip = canvas.currentClip()) {
        visible = {std::max(target.left, clip->left), std::max(target.top, clip->top),
                   std::min(target.right, clip->right), std::min(target.bottom, clip->bottom)};
        if (visible.isEmpty()) return;
    }
    const std::int64_t tw = target.width(), th = target.height();
    platform::CanvasStateGuard guard(canvas);
    for (std::int64_t ty = visible.top - target.top; ty < visible.bottom - target.top;) {
        const std::int64_t rowEnd =
            std::min<std::int64_t>(nextPixelStart(ty, image.height, th), visible.bottom - target.top);
        const std::size_t sy = static_cast<std::size_t>(ty * image.height / th);
        const platform::Color* row = &image.pixels[sy * static_cast<std::size_t>(image.width)];
        const std::int64_t columnsEnd = visible.right - target.left;
        std::int64_t runStart = visible.left - target.left;
        platform::Color runColor = row[static_cast<std::size_t>(runStart * image.width / tw)];
        for (std::int64_t tx = runStart; tx < columnsEnd;) {
            const std::int64_t next = std::min(nextPixelStart(tx, image.width, tw), columnsEnd);
            const platform::Color c =
                next < columnsEnd ? row[static_cast<std::size_t>(next * image.width / tw)] : ~runColor;
            tx = next;
            if (c == runColor) continue;
            canvas.setBrush({runColor, false});
            canvas.fillRect({static_cast<int>(target.left + runStart), static_cast<int>(target.top + ty),
                             static_cast<int>(target.left + tx), static_cast<int>(target.top + rowEnd)});
            runStart = tx;
            runColor = c;
        }
        ty = rowEnd;
    }
}

void PictureView::draw(platform::Canvas& canvas, const DrawEnvironment& env) const {
    const DrawGeometry at = prepareDraw(alignedBox(box(), env), env.scale);
    drawBackground(canvas, env, at);
    if (!env.firstPassOfTwo) {
        if (auto meta = decoded_.metafile(picture)) {
            canvas.drawPicture(*meta, pictureTarget(at, meta->size().width, meta->size().height));
        } else if (const RasterImage* image =
                       decoded_.raster(picture, env.imageCodec, page ? page->pixelBudget : nullptr)) {
            paintRaster(canvas, *image, pictureTarget(at, image->width, image->height));
        }
    }
    drawFrame(canvas, env, at);
}

}  // namespace report
