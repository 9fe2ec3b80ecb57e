// Shared pieces of the barcode object tests: a label-sized object and what a canvas recorded.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "barcode_object/BarcodeObject.h"
#include "platform/FixedMetricsCanvas.h"

namespace barcode_view_test {

// Bar1 of the series template, holding `code` as a printed page would.
inline void setUpLabel(barcode_object::BarcodeObject& bar, const std::string& code, int height = 54) {
    bar.setName("Bar1");
    bar.left = 28;
    bar.top = 36;
    bar.width = 129;
    bar.height = height;
    bar.memo = {code};
    bar.settings.withCheckSum = false;
}

// Drawing at a scale and offset onto the surface.
inline report::DrawEnvironment scaledBy(double scale, int offsetX = 0, int offsetY = 0) {
    report::DrawEnvironment env;
    env.scale = {scale, scale, offsetX, offsetY};
    return env;
}

// Bounding box of a drawn element, both ends included as the polygon corners are.
struct Box {
    int left, top, right, bottom;
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

// The bounding box of corners [first, first + count).
inline Box boxOf(const std::vector<platform::Point>& points, std::size_t first, std::size_t count) {
    Box b{points[first].x, points[first].y, points[first].x, points[first].y};
    for (std::size_t i = first; i < first + count; ++i) {
        b.left = std::min(b.left, points[i].x);
        b.right = std::max(b.right, points[i].x);
        b.top = std::min(b.top, points[i].y);
        b.bottom = std::max(b.bottom, points[i].y);
    }
    return b;
}

// The bars: black filled polygons, alone or in batches, in drawing order.
inline std::vector<Box> barsOf(const std::vector<platform::PictureRecord>& records) {
    std::vector<Box> bars;
    for (const auto& r : records) {
        if (r.state.brush.clear || r.state.brush.color != platform::kBlack) continue;
        if (r.kind == platform::PictureRecordKind::Polygon)
            bars.push_back(boxOf(r.points, 0, r.points.size()));
        if (r.kind == platform::PictureRecordKind::Bars)
            for (std::size_t i = 0; i + 4 <= r.points.size(); i += 4) bars.push_back(boxOf(r.points, i, 4));
    }
    return bars;
}

inline Box extentOf(const std::vector<Box>& boxes) {
    Box all = boxes.at(0);
    for (const auto& b : boxes) {
        all.left = std::min(all.left, b.left);
        all.right = std::max(all.right, b.right);
        all.top = std::min(all.top, b.top);
        all.bottom = std::max(all.bottom, b.bottom);
    }
    return all;
}

// A recording canvas that flattens the object's picture, so its records can be inspected in
// page coordinates.
class FlatCanvas : public platform::FixedMetricsCanvas {
public:
    FlatCanvas() { setFlattening(true); }
};

// A canvas that reports itself as a real device (not a recording), with fixed text metrics.
class DeviceCanvas : public platform::FixedMetricsCanvas {
public:
    bool isRecording() const override { return false; }
};

}  // namespace barcode_view_test
