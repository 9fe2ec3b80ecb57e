#include "platform/qt/PictureOutput.h"

#include <QFile>
#include <QPainter>
#include <QSvgGenerator>
#include <cmath>

#include "platform/qt/QPainterCanvas.h"
#include "platform/qt/QtConvert.h"

namespace platform::qt {

namespace {

constexpr double kInchesPerMetre = 1.0 / 0.0254;

void drawStretched(QPainter& painter, const Picture& picture, Size size) {
    QPainterCanvas canvas(painter);
    canvas.drawPicture(picture, Rect{0, 0, size.width, size.height});
}

}  // namespace

QImage renderPicture(const Picture& picture, Size size, int dpi) {
    QImage image(std::max(1, size.width), std::max(1, size.height), QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(dpi * kInchesPerMetre));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawStretched(painter, picture, size);
    return image;
}

bool savePicturePng(const Picture& picture, Size size, const std::string& path, std::string& error, int dpi) {
    if (size.width <= 0 || size.height <= 0) {
        error = "Empty image size for " + path;
        return false;
    }
    if (!renderPicture(picture, size, dpi).save(toQString(path), "PNG")) {
        error = "Impossibile creare il file \"" + path + "\"";
        return false;
    }
    return true;
}

bool savePictureSvg(const Picture& picture, Size size, const std::string& path, std::string& error) {
    QFile file(toQString(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error = "Impossibile creare il file \"" + path + "\"";
        return false;
    }
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(QSize(size.width, size.height));
    svg.setViewBox(QRect(0, 0, size.width, size.height));
    QPainter painter;
    if (!painter.begin(&svg)) {
        error = "Impossibile scrivere il file \"" + path + "\"";
        return false;
    }
    painter.fillRect(QRect(0, 0, size.width, size.height), Qt::white);
    drawStretched(painter, picture, size);
    painter.end();
    return file.error() == QFileDevice::NoError;
}

}  // namespace platform::qt
