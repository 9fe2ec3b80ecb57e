// Writes an image as a PNG file through libpng, with the settings that suit label sheets: one
// cheap row filter and a fast deflate level, where the general-purpose writer tries every
// filter on every row and compresses harder for little gain on mostly white pages.
#pragma once

#include <QImage>
#include <string>

namespace export_::qt {

// An image whose pixels are all grey levels is stored as 8-bit grey (a third of the data for a
// black-and-white sheet), any other as RGB; alpha is dropped. The image's resolution is stored
// with it. Returns false and sets error when the file cannot be written.
bool savePng(const QImage& image, const std::string& path, std::string& error);

}  // namespace export_::qt
