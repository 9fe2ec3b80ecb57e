#include "platform/FixedMetricsCanvas.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <sstream>

namespace platform {

namespace {

const char* kindName(PictureRecordKind k) {
    switch (k) {
        case PictureRecordKind::Polygon:
            return "polygon";
        case PictureRecordKind::Line:
            return "line";
        case PictureRecordKind::FillRect:
            return "fillRect";
        case PictureRecordKind::InvertRect:
            return "invertRect";
        case PictureRecordKind::Text:
            return "text";
        case PictureRecordKind::Picture:
            return "picture";
        case PictureRecordKind::SetClip:
            return "setClip";
        case PictureRecordKind::ClearClip:
            return "clearClip";
        case PictureRecordKind::Bars:
            return "bars";
    }
    return "?";
}

std::string hex(Color c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(c));
    return buf;
}

void writeRect(std::ostream& os, const Rect& r) {
    os << '[' << r.left << ',' << r.top << " - " << r.right << ',' << r.bottom << ')';
}

}  // namespace

std::vector<PictureRecord> FixedMetricsCanvas::recordsOf(PictureRecordKind kind) const {
    std::vector<PictureRecord> out;
    for (const PictureRecord& r : records())
        if (r.kind == kind) out.push_back(r);
    return out;
}

bool FixedMetricsCanvas::hasFilledPolygon(const std::vector<Point>& corners, Color fill) const {
    for (const PictureRecord& r : records()) {
        if (r.state.brush.clear || r.state.brush.color != fill) continue;
        if (r.kind == PictureRecordKind::Polygon && r.points == corners) return true;
        if (r.kind != PictureRecordKind::Bars || corners.size() != 4) continue;
        for (std::size_t i = 0; i + 4 <= r.points.size(); i += 4)
            if (std::equal(corners.begin(), corners.end(), r.points.begin() + std::ptrdiff_t(i))) return true;
    }
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
    std::ostringstream os;
    os << kindName(r.kind);
    for (Point p : r.points) os << " (" << p.x << ',' << p.y << ')';
    switch (r.kind) {
        case PictureRecordKind::Polygon:
        case PictureRecordKind::Bars:
        case PictureRecordKind::Line:
            os << " pen " << hex(r.state.pen.color) << " w" << r.state.pen.width;
            if (r.kind != PictureRecordKind::Line) {
                if (r.state.brush.clear)
                    os << " no fill";
                else
                    os << " fill " << hex(r.state.brush.color);
            }
            break;
        case PictureRecordKind::FillRect:
            os << ' ';
            writeRect(os, r.rect);
            os << " fill " << hex(r.state.brush.color);
            break;
        case PictureRecordKind::Text:
            os << " \"" << r.text << "\" font " << r.state.font.name << " h" << r.state.font.height
               << " style " << r.state.font.style << " esc " << r.state.font.escapement << " colour "
               << hex(r.state.font.color) << " bounds ";
            writeRect(os, r.rect);
            break;
        default:
            os << ' ';
            writeRect(os, r.rect);
            break;
    }
    return os.str();
}

}  // namespace platform
