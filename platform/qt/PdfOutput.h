// Writes a vector PDF of several pages, each drawn by the caller on a Canvas.
#pragma once

#include <functional>
#include <string>

#include "platform/Canvas.h"

namespace platform::qt {

struct PdfPageFormat {
    double widthMm = 210;  // paper as it is named (A4: 210 × 297), before turning
    double heightMm = 297;
    bool landscape = false;
};

struct PdfDocument {
    std::string path;
    std::string title;
    int dpi = 600;  // device pixels per inch of the canvas handed to drawPage
    int pageCount = 0;
    std::function<PdfPageFormat(int page)> formatOf;
    // Draws page `page` (0-based); `area` is the whole page in device pixels.
    std::function<void(int page, Canvas& canvas, const Rect& area)> drawPage;
};

// Returns false and sets error when the file cannot be written.
bool writePdf(const PdfDocument& document, std::string& error);

}  // namespace platform::qt
