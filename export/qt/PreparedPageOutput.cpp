#include "export/qt/PreparedPageOutput.h"

#include <QPainter>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <cmath>
#include <cstdio>
#include <deque>
#include <exception>

#include "export/OutputPlacement.h"
#include "export/qt/DeviceRecording.h"
#include "export/qt/PngFile.h"
#include "platform/FileNames.h"
#include "platform/Rounding.h"
#include "platform/qt/PdfOutput.h"
#include "platform/qt/QPainterCanvas.h"
#include "printer/PageUnits.h"
#include "printer/Printer.h"

namespace export_::qt {

namespace {

constexpr double kMmPerInch = 25.4;

// PDF pages are described as the paper is named, then turned.
platform::qt::PdfPageFormat pdfFormatOf(const prepared::PreparedPage& page) {
    const export_::SheetSize sheet = export_::sheetSizeOf(page);
    if (page.orientation == printer::kLandscape) return {sheet.heightMm, sheet.widthMm, true};
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

void drawPageOnSheet(prepared::PreparedPages& pages, int index, platform::Canvas& canvas,
                     platform::Size sheetDots, int dpi, const printer::PageOffset& offset) {
    const prepared::PreparedPage& page = pages.page(index);
    pages.drawOnce(index, canvas,
                   printer::shiftedByOffset(export_::outputTargetRect(page, sheetDots), offset, dpi, dpi));
}

platform::Size sheetPixels(const prepared::PreparedPage& page, int dpi) {
    const export_::SheetSize sheet = export_::sheetSizeOf(page);
    return {platform::roundToInt(sheet.widthMm * dpi / kMmPerInch),
            platform::roundToInt(sheet.heightMm * dpi / kMmPerInch)};
}

namespace {

bool imageSizeAllowed(platform::Size size, int dpi) {
    return dpi >= kMinImageDpi && dpi <= kMaxImageDpi && size.width > 0 && size.height > 0 &&
           size.width <= kMaxImageSide && size.height <= kMaxImageSide;
}

// The page drawn into a recording for an image of `size` at `dpi`; text is measured on a
// small image of the same resolution, as it would be on the page's own image.
platform::Picture recordPageForImage(prepared::PreparedPages& pages, int index, platform::Size size, int dpi,
                                     const printer::PageOffset& offset) {
    QImage sample = whiteImage({1, 1}, dpi);
    QPainter painter(&sample);
    platform::qt::QPainterCanvas device(painter);
    DeviceRecording recording(size, device);
    drawPageOnSheet(pages, index, recording, size, dpi, offset);
    return recording.takePicture();
}

QImage renderRecordedPage(const platform::Picture& page, int dpi) {
    const platform::Size size = page.size();
    QImage image = whiteImage(size, dpi);
    if (image.isNull()) return image;
    QPainter painter(&image);
    // Bar edges must land on whole pixels: no smoothing of shapes.
    painter.setRenderHint(QPainter::Antialiasing, false);
    platform::qt::QPainterCanvas canvas(painter);
    canvas.drawPicture(page, {0, 0, size.width, size.height});
    return image;
}

// Renders and writes one page; returns the error, empty on success. Runs on a worker thread.
std::string savePageImage(const platform::Picture& page, int dpi, const std::string& file) {
    QImage image = renderRecordedPage(page, dpi);
    if (image.isNull()) return "immagine troppo grande a " + std::to_string(dpi) + " dpi";
    std::string error;
    if (!savePng(image, file, error)) return error;
    return {};
}

std::string pageError(int index, const std::string& message) {
    return "Pagina " + std::to_string(index + 1) + ": " + message;
}

}  // namespace

QImage renderPageImage(prepared::PreparedPages& pages, int index, int dpi,
                       const printer::PageOffset& offset) {
    const platform::Size size = sheetPixels(pages.page(index), dpi);
    if (!imageSizeAllowed(size, dpi)) return {};
    return renderRecordedPage(recordPageForImage(pages, index, size, dpi, offset), dpi);
}

std::string numberedImagePath(const std::string& path, int pageNumber) {
    const std::string named = platform::lowerCaseExtension(path).empty() ? path + ".png" : path;
    return platform::withNumberBeforeExtension(named, pageNumber);
}

bool writePagesPdf(prepared::PreparedPages& pages, const std::string& path, std::string& error,
                   const printer::PageOffset& offset) {
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

// The pages are drawn one by one here, where their objects live, each into a recording; the
// recordings are turned into images and written on the thread pool, a few pages ahead at most
// so that memory stays flat whatever the number of pages.
bool writePagesPng(prepared::PreparedPages& pages, const std::string& path, int dpi, std::string& error,
                   std::vector<std::string>* written, const printer::PageOffset& offset) {
    if (pages.count() == 0) {
        error = "Il report non ha pagine";
        return false;
    }
    struct Pending {
        int index;
        std::string file;
        QFuture<std::string> result;
    };
    std::deque<Pending> pending;
    const std::size_t ahead =
        static_cast<std::size_t>(std::max(2, 2 * QThreadPool::globalInstance()->maxThreadCount()));
    error.clear();
    // Waits for the oldest page; the first failure in page order is the one reported.
    const auto finishOldest = [&] {
        Pending done = std::move(pending.front());
        pending.pop_front();
        const std::string failure = done.result.result();
        if (!error.empty()) return;
        if (!failure.empty())
            error = pageError(done.index, failure);
        else if (written)
            written->push_back(done.file);
    };
    for (int index = 0; index < pages.count() && error.empty(); ++index) {
        const platform::Size size = sheetPixels(pages.page(index), dpi);
        if (!imageSizeAllowed(size, dpi)) {
            while (!pending.empty()) finishOldest();
            if (error.empty())
                error = pageError(index, "immagine troppo grande a " + std::to_string(dpi) + " dpi");
            break;
        }
        platform::Picture page;
        try {
            page = recordPageForImage(pages, index, size, dpi, offset);
        } catch (const std::exception& e) {
            while (!pending.empty()) finishOldest();
            if (error.empty()) error = pageError(index, e.what());
            break;
        }
        std::string file = numberedImagePath(path, index + 1);
        QFuture<std::string> result = QtConcurrent::run(savePageImage, std::move(page), dpi, file);
        pending.push_back({index, std::move(file), std::move(result)});
        while (pending.size() >= ahead) finishOldest();
    }
    while (!pending.empty()) finishOldest();
    return error.empty();
}

}  // namespace export_::qt
