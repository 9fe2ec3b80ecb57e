#include "platform/Picture.h"

#include "platform/PictureMapping.h"

namespace platform {

namespace {

std::optional<Rect> intersect(const Rect& a, const std::optional<Rect>& b) {
    if (!b) return a;
    Rect r{std::max(a.left, b->left), std::max(a.top, b->top), std::min(a.right, b->right),
           std::min(a.bottom, b->bottom)};
    if (r.isEmpty()) r = {r.left, r.top, r.left, r.top};
    return r;
}

void applyClip(Canvas& target, const std::optional<Rect>& clip) {
    if (clip)
        target.setClipRect(*clip);
    else
        target.clearClip();
}

CanvasState scaledState(const CanvasState& s, const PictureMapping& map) {
    CanvasState out = s;
    out.pen.width = map.penWidth(s.pen.width);
    out.font.height = map.fontHeight(s.font.height);
    return out;
}

std::vector<Point> mappedCells(const std::vector<Point>& points, const PictureMapping& map) {
    std::vector<Point> out;
    out.reserve(points.size());
    for (Point p : points) out.push_back(map.cell(p));
    return out;
}

}  // namespace

void Picture::play(Canvas& target, const Rect& into) const {
    const PictureMapping map(size_, into);
    CanvasStateGuard keepState(target);
    const std::optional<Rect> outerClip = target.currentClip();
    bool clipChanged = false;

    for (const PictureRecord& r : records_) {
        target.restoreState(scaledState(r.state, map));
        switch (r.kind) {
            case PictureRecordKind::Polygon:
                target.polygon(mappedCells(r.points, map));
                break;
            case PictureRecordKind::Bars:
                target.bars(mappedCells(r.points, map));
                break;
            case PictureRecordKind::Line:
                if (r.points.size() >= 2) target.line(map.cell(r.points[0]), map.cell(r.points[1]));
                break;
            case PictureRecordKind::FillRect:
                target.fillRect(map.rect(r.rect));
                break;
            case PictureRecordKind::InvertRect:
                target.invertRect(map.rect(r.rect));
                break;
            case PictureRecordKind::Text:
                if (!r.points.empty()) {
                    Point p = map.corner(r.points[0]);
                    target.textOut(p.x, p.y, r.text, map.horizontal(r.extraSpacing));
                }
                break;
            case PictureRecordKind::Picture:
                if (r.nested) target.drawPicture(*r.nested, map.rect(r.rect));
                break;
            case PictureRecordKind::SetClip:
                applyClip(target, intersect(map.rect(r.rect), outerClip));
                clipChanged = true;
                break;
            case PictureRecordKind::ClearClip:
                applyClip(target, outerClip);
                clipChanged = true;
                break;
        }
    }
    if (clipChanged) applyClip(target, outerClip);
}

}  // namespace platform
