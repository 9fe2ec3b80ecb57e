#include "report/JpegCodec.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace report {
namespace {

struct JumpingErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void jumpOnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<JumpingErrorManager*>(info->err);
    std::longjmp(manager->jump, 1);
}

void silentMessage(j_common_ptr) {}

// Decompresses into `pixels`; all state that must survive a longjmp lives in the caller.
bool decompress(const std::vector<std::uint8_t>& bytes, jpeg_decompress_struct& info,
                JumpingErrorManager& errors, RasterImage& image, std::vector<JSAMPLE>& row,
                std::int64_t maxPixels) {
    if (setjmp(errors.jump)) return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    // Refused from the header alone: a hostile size costs neither memory nor decoding time.
    if (static_cast<std::int64_t>(info.image_width) * info.image_height > maxPixels) return false;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const long long pixels = static_cast<long long>(info.output_width) * info.output_height;
    if (info.output_components != 3 || pixels <= 0 || pixels > maxPixels) return false;
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    image.pixels.resize(static_cast<std::size_t>(pixels));
    row.resize(static_cast<std::size_t>(info.output_width) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        const std::size_t y = info.output_scanline;
        jpeg_read_scanlines(&info, rows, 1);
        for (std::size_t x = 0; x < info.output_width; ++x)
            image.pixels[y * info.output_width + x] =
                platform::rgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
    }
    jpeg_finish_decompress(&info);
    return true;
}

bool compress(const RasterImage& image, int quality, jpeg_compress_struct& info, JumpingErrorManager& errors,
              unsigned char*& buffer, unsigned long& size, std::vector<JSAMPLE>& row) {
    if (setjmp(errors.jump)) return false;
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    row.resize(static_cast<std::size_t>(image.width) * 3);
    while (info.next_scanline < info.image_height) {
        const std::size_t y = info.next_scanline;
        for (std::size_t x = 0; x < static_cast<std::size_t>(image.width); ++x) {
            const platform::Color c = image.pixels[y * static_cast<std::size_t>(image.width) + x];
            row[3 * x] = static_cast<JSAMPLE>(platform::redOf(c));
            row[3 * x + 1] = static_cast<JSAMPLE>(platform::greenOf(c));
            row[3 * x + 2] = static_cast<JSAMPLE>(platform::blueOf(c));
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

}  // namespace

std::optional<RasterImage> decodeJpeg(const std::vector<std::uint8_t>& bytes, std::int64_t maxPixels) {
    if (bytes.empty()) return std::nullopt;
    jpeg_decompress_struct info{};
    JumpingErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOnError;
    errors.base.output_message = silentMessage;
    RasterImage image;
    std::vector<JSAMPLE> row;
    const bool ok = decompress(bytes, info, errors, image, row, maxPixels);
    jpeg_destroy_decompress(&info);
    if (!ok) return std::nullopt;
    return image;
}

std::optional<std::vector<std::uint8_t>> encodeJpeg(const RasterImage& image, int quality) {
    if (image.isEmpty() || image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
        return std::nullopt;
    jpeg_compress_struct info{};
    JumpingErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOnError;
    errors.base.output_message = silentMessage;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<JSAMPLE> row;
    const bool ok = compress(image, quality, info, errors, buffer, size, row);
    jpeg_destroy_compress(&info);
    std::optional<std::vector<std::uint8_t>> out;
    if (ok && buffer) out.emplace(buffer, buffer + size);
    std::free(buffer);
    return out;
}

}  // namespace report
