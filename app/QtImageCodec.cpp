#include "app/QtImageCodec.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <climits>

namespace app {

namespace {

const char* formatOf(report::GraphicKind kind) {
    switch (kind) {
        case report::GraphicKind::Bitmap:
            return "BMP";
        case report::GraphicKind::Icon:
            return "ICO";
        default:
            return nullptr;
    }
}

}  // namespace

std::optional<report::RasterImage> QtImageCodec::decode(report::GraphicKind kind,
                                                        const std::vector<std::uint8_t>& bytes,
                                                        std::int64_t maxPixels) {
    const char* format = formatOf(kind);
    if (!format || bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer, format);
    // The size comes from the header where the format tells it: a hostile one is refused
    // before any pixel is allocated.
    auto tooLarge = [maxPixels](QSize size) {
        return static_cast<std::int64_t>(size.width()) * size.height() > maxPixels;
    };
    if (reader.size().isValid() && tooLarge(reader.size())) return std::nullopt;
    QImage image;
    if (!reader.read(&image) || tooLarge(image.size())) return std::nullopt;
    image = image.convertToFormat(QImage::Format_RGB32);
    report::RasterImage out;
    out.width = image.width();
    out.height = image.height();
    out.pixels.reserve(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            out.pixels.push_back(platform::rgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x])));
    }
    return out;
}

std::optional<std::vector<std::uint8_t>> QtImageCodec::encode(report::GraphicKind kind,
                                                              const report::RasterImage& image) {
    const char* format = formatOf(kind);
    const auto expected =
        static_cast<std::size_t>(image.width) * static_cast<std::size_t>(std::max(0, image.height));
    if (!format || image.isEmpty() || image.pixels.size() != expected) return std::nullopt;
    QImage qimage(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(qimage.scanLine(y));
        for (int x = 0; x < image.width; ++x) {
            const platform::Color c = image.pixels[static_cast<std::size_t>(y) * image.width + x];
            line[x] = qRgb(platform::redOf(c), platform::greenOf(c), platform::blueOf(c));
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!qimage.save(&buffer, format)) return std::nullopt;
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

}  // namespace app
