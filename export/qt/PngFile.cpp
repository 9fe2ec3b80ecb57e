#include "export/qt/PngFile.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

namespace export_::qt {

namespace {

constexpr int kDeflateLevel = 3;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// libpng reports errors by a long jump back into this function: nothing here may need a
// destructor to run between setjmp and the end of the function.
bool writeRows(std::FILE* file, const QImage& image, const png_bytep* rows) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    const bool grey = image.format() == QImage::Format_Grayscale8;
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()), static_cast<png_uint_32>(image.height()),
                 8, grey ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0)
        png_set_pHYs(png, info, static_cast<png_uint_32>(image.dotsPerMeterX()),
                     static_cast<png_uint_32>(image.dotsPerMeterY()), PNG_RESOLUTION_METER);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_compression_level(png, kDeflateLevel);
    png_write_info(png, info);
    if (!grey) {
        // A 32-bit pixel is the bytes B, G, R and an unused one on this byte order.
        png_set_bgr(png);
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    }
    png_write_image(png, const_cast<png_bytepp>(rows));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool savePng(const QImage& source, const std::string& path, std::string& error) {
    const QImage image = source.allGray() ? source.convertToFormat(QImage::Format_Grayscale8)
                                          : source.convertToFormat(QImage::Format_RGB32);
    std::vector<png_bytep> rows(static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y)
        rows[static_cast<std::size_t>(y)] = const_cast<png_bytep>(image.constScanLine(y));
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        error = "Impossibile creare il file \"" + path + "\"";
        return false;
    }
    const bool written = !image.isNull() && writeRows(file.get(), image, rows.data());
    const bool closed = std::fclose(file.release()) == 0;
    if (!written || !closed) {
        std::remove(path.c_str());
        error = "Impossibile scrivere il file \"" + path + "\"";
        return false;
    }
    return true;
}

}  // namespace export_::qt
