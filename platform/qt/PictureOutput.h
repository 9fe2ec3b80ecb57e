// Writes a recorded picture as a PNG image or an SVG drawing, stretched to a given size.
#pragma once

#include <QImage>
#include <string>

#include "platform/Picture.h"

namespace platform::qt {

// The picture stretched over a white image of size pixels; dpi is stored in the image.
QImage renderPicture(const Picture& picture, Size size, int dpi = 96);

// These return false and set error (English, with the path) when the file cannot be written.
bool savePicturePng(const Picture& picture, Size size, const std::string& path, std::string& error,
                    int dpi = 96);
bool savePictureSvg(const Picture& picture, Size size, const std::string& path, std::string& error);

}  // namespace platform::qt
