// A Canvas that records every drawing call into a Picture instead of painting.
// Text is measured by a reference canvas (the surface the picture will be played on), so
// that layouts made while recording fit when played; without one, fixed metrics are used.
#pragma once

#include <optional>

#include "platform/Canvas.h"
#include "platform/Picture.h"

namespace platform {

class PictureCanvas : public Canvas {
public:
    // reference is borrowed and must outlive the recording; its state is left unchanged.
    explicit PictureCanvas(Size logicalSize, Canvas* reference = nullptr);

    const Picture& picture() const { return picture_; }
    // Hands the recorded picture over and leaves this canvas empty.
    Picture takePicture();

    void polygon(const std::vector<Point>& points) override;
    // One Bars record for the whole batch.
    void bars(const std::vector<Point>& corners) override;
    void line(Point a, Point b) override;
    void fillRect(const Rect& r) override;
    void invertRect(const Rect& r) override;
    void textOut(int x, int y, const std::string& utf8, int extraSpacing = 0) override;
    Size textExtent(const std::string& utf8) override;
    // Keeps the picture as one nested record, or with setFlattening(true) records the
    // picture's own records mapped into target (what a text search walks).
    void drawPicture(const Picture& picture, const Rect& target) override;
    void setFlattening(bool flatten) { flatten_ = flatten; }

    void setClipRect(const Rect& r) override;
    void clearClip() override;
    bool rectVisible(const Rect& r) const override;
    std::optional<Rect> currentClip() const override { return clip_; }

    bool isRecording() const override { return true; }
    int dpiX() const override;
    int dpiY() const override;

private:
    PictureRecord recordOf(PictureRecordKind kind) const;

    Picture picture_;
    Canvas* reference_;
    std::optional<Rect> clip_;
    bool flatten_ = false;
};

// The picture with every nested picture replaced by its records, mapped into place; text
// bounds are measured on reference (fixed metrics without one).
Picture flattenedPicture(const Picture& picture, Canvas* reference = nullptr);

}  // namespace platform
