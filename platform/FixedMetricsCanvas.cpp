#include "platform/FixedMetricsCanvas.h"

#include <cstdio>

namespace platform {

namespace {

const char* kindName(PictureRecordKind k) {
    switch (k) {
        case PictureRecordKind::Polygon: return "polygon";
        case PictureRecordKind::Line: return "line";
        case PictureRecordKind::FillRect: return "fillRect";
        case PictureRecordKind::InvertRect: return "invertRect";
        case PictureRecordKind::Text: return "text";
        case PictureRecordKind::Picture: return "picture";
        case PictureRecordKind::SetClip: return "setClip";
        case PictureRecordKind::ClearClip: return "clearClip";
    }
    return "?";
}

std::string hex(Color c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(c));
    return buf;
}

std::string rectText(const Rect& r) {
    return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + " - " +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

}  // namespace

std::vector<PictureRecord> FixedMetricsCanvas::recordsOf(PictureRecordKind kind) const {
    std::vector<PictureRecord> out;
    for (const PictureRecord& r : records())
        if (r.kind == kind) out.push_back(r);
    return out;
}

bool FixedMetricsCanvas::hasFilledPolygon(const std::vector<Point>& corners, Color fill) const {
    for (const PictureRecord& r : records())
        if (r.kind == PictureRecordKind::Polygon && r.points == corners && !r.state.brush.clear &&
            r.state.brush.color == fill)
            return true;
    return false;
}

const PictureRecord* FixedMetricsCanvas::findText(const std::string& utf8) const {
    for (const PictureRecord& r : records())
        if (r.kind == PictureRecordKind::Text && r.text == utf8) return &r;
    return nullptr;
}

bool FixedMetricsCanvas::hasText(const std::string& utf8, Point at) const {
    for (const PictureRecord& r : records())
        if (r.kind == PictureRecordKind::Text && r.text == utf8 && r.points.front() == at) return true;
    return false;
}

bool FixedMetricsCanvas::hasText(const std::string& utf8, Point at, const Font& font) const {
    for (const PictureRecord& r : records())
        if (r.kind == PictureRecordKind::Text && r.text == utf8 && r.points.front() == at &&
            r.state.font == font)
            return true;
    return false;
}

std::string FixedMetricsCanvas::describe() const {
    std::string out;
    for (const PictureRecord& r : records()) out += describeRecord(r) + "\n";
    return out;
}

std::string describeRecord(const PictureRecord& r) {
    std::string s = kindName(r.kind);
    for (Point p : r.points) s += " (" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    switch (r.kind) {
        case PictureRecordKind::Polygon:
        case PictureRecordKind::Line:
            s += " pen " + hex(r.state.pen.color) + " w" + std::to_string(r.state.pen.width);
            if (r.kind == PictureRecordKind::Polygon)
                s += r.state.brush.clear ? " no fill" : " fill " + hex(r.state.brush.color);
            break;
        case PictureRecordKind::FillRect:
            s += " " + rectText(r.rect) + " fill " + hex(r.state.brush.color);
            break;
        case PictureRecordKind::Text:
            s += " \"" + r.text + "\" font " + r.state.font.name + " h" +
                 std::to_string(r.state.font.height) + " style " + std::to_string(r.state.font.style) +
                 " esc " + std::to_string(r.state.font.escapement) + " colour " +
                 hex(r.state.font.color) + " bounds " + rectText(r.rect);
            break;
        default:
            s += " " + rectText(r.rect);
            break;
    }
    return s;
}

}  // namespace platform
