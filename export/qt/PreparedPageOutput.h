// Prepared pages written out as files: a vector PDF with one page per prepared page, or one
// PNG image per page. Pages are placed and scaled as the print run places them on paper.
#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "prepared/PreparedPages.h"
#include "printer/PageOffset.h"

namespace export_::qt {

// Device resolution of the PDF's drawing coordinates: the resolution spooler queues print at
// (the finest they offer up to 600 dpi) and the file printer writes at. Bars take whole dots of
// the device they are drawn for, so a symbol is exactly as wide in a PDF as on the printer; at a
// finer resolution its width would differ from a printer's by up to half a millimetre.
inline constexpr int kPdfDotsPerInch = 600;
// Image resolutions accepted for PNG output, and the largest image side in pixels: a page
// larger than that (an A4 sheet above about 1,700 dpi) is refused before its pixels are
// allocated, as it would take gigabytes.
inline constexpr int kMinImageDpi = 10;
inline constexpr int kMaxImageDpi = 2400;
inline constexpr int kMaxImageSide = 20000;

// Draws page `index` onto a sheet of `sheetDots` at `dpi`, moved by `offset` (a printer's
// calibration), then releases its objects. Stream errors of the page propagate.
void drawPageOnSheet(prepared::PreparedPages& pages, int index, platform::Canvas& canvas,
                     platform::Size sheetDots, int dpi, const printer::PageOffset& offset = {});

// Size in pixels of page `index`'s sheet at `dpi`.
platform::Size sheetPixels(const prepared::PreparedPage& page, int dpi);

// Page `index` on a white image at `dpi`; a null image when the size is out of range.
QImage renderPageImage(prepared::PreparedPages& pages, int index, int dpi,
                       const printer::PageOffset& offset = {});

// "out.png" → "out-3.png" for page number 3 (1-based).
std::string numberedImagePath(const std::string& path, int pageNumber);

// Both return false with `error` set when nothing or not everything could be written.
// `offset` moves every page's content as a printer's calibration does.
bool writePagesPdf(prepared::PreparedPages& pages, const std::string& path, std::string& error,
                   const printer::PageOffset& offset = {});
bool writePagesPng(prepared::PreparedPages& pages, const std::string& path, int dpi, std::string& error,
                   std::vector<std::string>* written = nullptr, const printer::PageOffset& offset = {});

}  // namespace export_::qt
