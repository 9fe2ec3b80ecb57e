#include "platform/PictureCanvas.h"

#include "platform/ClampedInt.h"
#include "platform/FixedTextMetrics.h"
#include "platform/TextBounds.h"
#include "platform/Utf8.h"

namespace platform {

PictureCanvas::PictureCanvas(Size logicalSize, Canvas* reference)
    : picture_(logicalSize), reference_(reference) {}

Picture PictureCanvas::takePicture() {
    Picture out = std::move(picture_);
    picture_ = Picture(out.size());
    return out;
}

PictureRecord PictureCanvas::recordOf(PictureRecordKind kind) const {
    PictureRecord r;
    r.kind = kind;
    r.state = saveState();
    return r;
}

void PictureCanvas::polygon(const std::vector<Point>& points) {
    PictureRecord r = recordOf(PictureRecordKind::Polygon);
    r.points = points;
    picture_.append(std::move(r));
}

void PictureCanvas::bars(const std::vector<Point>& corners) {
    const std::size_t whole = corners.size() / 4 * 4;
    if (whole == 0) return;
    PictureRecord r = recordOf(PictureRecordKind::Bars);
    r.points.assign(corners.begin(), corners.begin() + std::ptrdiff_t(whole));
    picture_.append(std::move(r));
}

void PictureCanvas::line(Point a, Point b) {
    PictureRecord r = recordOf(PictureRecordKind::Line);
    r.points = {a, b};
    picture_.append(std::move(r));
}

void PictureCanvas::fillRect(const Rect& rect) {
    PictureRecord r = recordOf(PictureRecordKind::FillRect);
    r.rect = rect;
    picture_.append(std::move(r));
}

void PictureCanvas::invertRect(const Rect& rect) {
    PictureRecord r = recordOf(PictureRecordKind::InvertRect);
    r.rect = rect;
    picture_.append(std::move(r));
}

void PictureCanvas::textOut(int x, int y, const std::string& utf8, int extraSpacing) {
    PictureRecord r = recordOf(PictureRecordKind::Text);
    r.points = {{x, y}};
    r.text = utf8;
    r.extraSpacing = extraSpacing;
    Size extent = textExtent(utf8);
    extent.width =
        clampedInt(std::int64_t{extent.width} + std::int64_t{extraSpacing} * std::int64_t(utf8Length(utf8)));
    r.rect = turnedTextBounds({x, y}, extent, font().escapement);
    picture_.append(std::move(r));
}

Size PictureCanvas::textExtent(const std::string& utf8) {
    if (!reference_) return fixedTextExtent(font(), utf8);
    CanvasStateGuard keep(*reference_);
    reference_->setFont(font());
    return reference_->textExtent(utf8);
}

void PictureCanvas::drawPicture(const Picture& picture, const Rect& target) {
    if (flatten_) {
        picture.play(*this, target);
        return;
    }
    PictureRecord r = recordOf(PictureRecordKind::Picture);
    r.rect = target;
    r.nested = std::make_shared<const Picture>(picture);
    picture_.append(std::move(r));
}

void PictureCanvas::setClipRect(const Rect& rect) {
    clip_ = rect;
    PictureRecord r = recordOf(PictureRecordKind::SetClip);
    r.rect = rect;
    picture_.append(std::move(r));
}

void PictureCanvas::clearClip() {
    clip_.reset();
    picture_.append(recordOf(PictureRecordKind::ClearClip));
}

bool PictureCanvas::rectVisible(const Rect&) const {
    return true;
}

int PictureCanvas::dpiX() const {
    return reference_ ? reference_->dpiX() : Canvas::dpiX();
}
int PictureCanvas::dpiY() const {
    return reference_ ? reference_->dpiY() : Canvas::dpiY();
}

Picture flattenedPicture(const Picture& picture, Canvas* reference) {
    PictureCanvas canvas(picture.size(), reference);
    canvas.setFlattening(true);
    picture.play(canvas, Rect{0, 0, picture.size().width, picture.size().height});
    return canvas.takePicture();
}

}  // namespace platform
