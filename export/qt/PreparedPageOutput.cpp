#include "export/qt/PreparedPageOutput.h"

#include <QPainter>
#include <cmath>
#include <cstdio>
#include <exception>

#include "export/OutputPlacement.h"
#include "platform/qt/PdfOutput.h"
#include "platform/qt/QPainterCanvas.h"
#include "printer/PageUnits.h"
#include "printer/Printer.h"

namespace preview {

namespace {

constexpr double kMmPerInch = 25.4;

// PDF pages are described as the paper is named, then turned.
platform::qt::PdfPageFormat pdfFormatOf(const PreparedPage& page) {
    const SheetSize sheet = sheetSizeOf(page);
    if (page.orientation == kLandscape) return {sheet.heightMm, sheet.widthMm, true};
    return {sheet.widthMm, sheet.heightMm, false};
}

QImage whiteImage(platform::Size size, int dpi) {
    QImage image(size.width, size.height, QImage::Format_RGB32);
    if (image.isNull()) return image;
    const int dotsPerMetre = static_cast<int>(std::lround(dpi * 1000.0 / kMmPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    return image;
}

}  // namespace

void drawPageOnSheet(PreparedPages& pages, int index, platform::Canvas& canvas, platform::Size sheetDots,
                     int dpi, const PageOffset& offset) {
    PreparedPage& page = pages.page(index);
    page.inView = true;
    try {
        pages.draw(index, canvas, shiftedByOffset(outputTargetRect(page, sheetDots, dpi), offset, dpi, dpi));
    } catch (...) {
        page.inView = false;
        page.loadedPage.reset();
        throw;
    }
    page.inView = false;
    pages.draw(index, canvas, {});
}

platform::Size sheetPixels(const PreparedPage& page, int dpi) {
    const SheetSize sheet = sheetSizeOf(page);
    return {roundToInt(sheet.widthMm * dpi / kMmPerInch), roundToInt(sheet.heightMm * dpi / kMmPerInch)};
}

QImage renderPageImage(PreparedPages& pages, int index, int dpi, const PageOffset& offset) {
    if (dpi < kMinImageDpi || dpi > kMaxImageDpi) return {};
    const platform::Size size = sheetPixels(pages.page(index), dpi);
    if (size.width <= 0 || size.height <= 0 || size.width > kMaxImageSide || size.height > kMaxImageSide)
        return {};
    QImage image = whiteImage(size, dpi);
    if (image.isNull()) return image;
    QPainter painter(&image);
    // Bar edges must land on whole pixels: no smoothing of shapes.
    painter.setRenderHint(QPainter::Antialiasing, false);
    platform::qt::QPainterCanvas canvas(painter);
    drawPageOnSheet(pages, index, canvas, size, dpi, offset);
    return image;
}

std::string numberedImagePath(const std::string& path, int pageNumber) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.rfind('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string stem = hasExtension ? path.substr(0, dot) : path;
    const std::string extension = hasExtension ? path.substr(dot) : ".png";
    return stem + "-" + std::to_string(pageNumber) + extension;
}

bool writePagesPdf(PreparedPages& pages, const std::string& path, std::string& error,
                   const PageOffset& offset) {
    std::string drawError;
    platform::qt::PdfDocument document;
    document.path = path;
    document.title = "Quirelle";
    document.dpi = kPdfDotsPerInch;
    document.pageCount = pages.count();
    document.formatOf = [&](int index) { return pdfFormatOf(pages.page(index)); };
    document.drawPage = [&](int index, platform::Canvas& canvas, const platform::Rect& area) {
        if (!drawError.empty()) return;
        try {
            drawPageOnSheet(pages, index, canvas, {area.width(), area.height()}, kPdfDotsPerInch, offset);
        } catch (const std::exception& e) {
            drawError = "Pagina " + std::to_string(index + 1) + ": " + e.what();
        }
    };
    if (!platform::qt::writePdf(document, error)) return false;
    if (!drawError.empty()) {
        std::remove(path.c_str());  // a PDF with missing pages is not left behind
        error = drawError;
        return false;
    }
    return true;
}

bool writePagesPng(PreparedPages& pages, const std::string& path, int dpi, std::string& error,
                   std::vector<std::string>* written, const PageOffset& offset) {
    if (pages.count() == 0) {
        error = "Il report non ha pagine";
        return false;
    }
    for (int index = 0; index < pages.count(); ++index) {
        QImage image;
        try {
            image = renderPageImage(pages, index, dpi, offset);
        } catch (const std::exception& e) {
            error = "Pagina " + std::to_string(index + 1) + ": " + e.what();
            return false;
        }
        if (image.isNull()) {
            error = "Pagina " + std::to_string(index + 1) + ": immagine troppo grande a " +
                    std::to_string(dpi) + " dpi";
            return false;
        }
        const std::string file = numberedImagePath(path, index + 1);
        if (!image.save(QString::fromStdString(file), "PNG")) {
            error = "Impossibile creare il file \"" + file + "\"";
            return false;
        }
        if (written) written->push_back(file);
    }
    return true;
}

}  // namespace preview
