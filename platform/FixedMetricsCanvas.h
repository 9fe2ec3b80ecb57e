// A recording canvas with fixed, deterministic text metrics for headless tests: it keeps
// every call as a PictureRecord and answers questions about what was drawn.
//
//   platform::FixedMetricsCanvas canvas;
//   generator.draw(canvas);
//   EXPECT_TRUE(canvas.hasFilledPolygon({{0, 0}, {0, 40}, {1, 40}, {1, 0}}, platform::kBlack))
//       << canvas.describe();
#pragma once

#include <string>
#include <vector>

#include "platform/PictureCanvas.h"

namespace platform {

class FixedMetricsCanvas : public PictureCanvas {
public:
    explicit FixedMetricsCanvas(Size logicalSize = {}) : PictureCanvas(logicalSize, nullptr) {}

    const std::vector<PictureRecord>& records() const { return picture().records(); }
    std::vector<PictureRecord> recordsOf(PictureRecordKind kind) const;

    // A polygon with exactly these corners, in this order, filled (brush not clear) in fill,
    // drawn alone or as one of a batch of bars.
    bool hasFilledPolygon(const std::vector<Point>& corners, Color fill) const;
    // The first text record with this text, or nullptr.
    const PictureRecord* findText(const std::string& utf8) const;
    // A text record with this text written at (x, y).
    bool hasText(const std::string& utf8, Point at) const;
    // A text record with this text written at (x, y) in this font.
    bool hasText(const std::string& utf8, Point at, const Font& font) const;

    // One line per record, for test failure messages.
    std::string describe() const;
};

std::string describeRecord(const PictureRecord& r);

}  // namespace platform
