#include "platform/qt/PdfOutput.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "platform/qt/QPainterCanvas.h"
#include "platform/qt/QtConvert.h"

namespace platform::qt {

namespace {

QPageLayout layoutOf(const PdfPageFormat& f) {
    return QPageLayout(QPageSize(QSizeF(f.widthMm, f.heightMm), QPageSize::Millimeter),
                       f.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

}  // namespace

bool writePdf(const PdfDocument& document, std::string& error) {
    if (document.pageCount <= 0) {
        error = "No pages to write";
        return false;
    }
    QPdfWriter writer(toQString(document.path));
    writer.setResolution(document.dpi);
    writer.setTitle(toQString(document.title));
    writer.setCreator(QStringLiteral("Quirelle"));
    const auto formatOf = [&](int page) {
        return document.formatOf ? document.formatOf(page) : PdfPageFormat{};
    };
    writer.setPageLayout(layoutOf(formatOf(0)));

    QPainter painter;
    if (!painter.begin(&writer)) {
        error = "Impossibile creare il file \"" + document.path + "\"";
        return false;
    }
    for (int page = 0; page < document.pageCount; ++page) {
        if (page > 0) {
            writer.setPageLayout(layoutOf(formatOf(page)));
            writer.newPage();
        }
        QPainterCanvas canvas(painter);
        const QRect full = writer.pageLayout().fullRectPixels(writer.resolution());
        document.drawPage(page, canvas, Rect{0, 0, full.width(), full.height()});
    }
    if (!painter.end()) {
        error = "Impossibile scrivere il file \"" + document.path + "\"";
        return false;
    }
    return true;
}

}  // namespace platform::qt
