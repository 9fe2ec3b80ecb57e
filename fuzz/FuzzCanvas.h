// A drawing surface for the fuzz targets: it paints nothing, keeps a clip like a real page
// surface, measures text with the fixed metrics and counts the calls, so that drawing work
// that grows with stored numbers shows up as a slow input.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/Canvas.h"
#include "platform/FixedTextMetrics.h"

namespace fuzz {

class DiscardingCanvas : public platform::Canvas {
public:
    void polygon(const std::vector<platform::Point>& points) override { calls += points.size(); }
    void line(platform::Point, platform::Point) override { ++calls; }
    void fillRect(const platform::Rect&) override { ++calls; }
    void invertRect(const platform::Rect&) override { ++calls; }
    void textOut(int, int, const std::string& utf8, int) override { calls += 1 + utf8.size(); }
    platform::Size textExtent(const std::string& utf8) override {
        return platform::fixedTextExtent(font(), utf8);
    }
    void setClipRect(const platform::Rect& r) override { clip_ = r; }
    void clearClip() override { clip_.reset(); }
    bool rectVisible(const platform::Rect& r) const override {
        return !r.isEmpty() && (!clip_ || clip_->intersects(r));
    }
    std::optional<platform::Rect> currentClip() const override { return clip_; }

    std::uint64_t calls = 0;

private:
    std::optional<platform::Rect> clip_;
};

}  // namespace fuzz
