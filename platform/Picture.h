// A recorded vector picture: the drawing calls made on a PictureCanvas, kept with their
// arguments and the pen, brush and font in force, replayable onto any Canvas at any scale
// and walkable record by record (the preview's text search reads the text records).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace platform {

enum class PictureRecordKind : std::uint8_t {
    Polygon = 1,
    Line = 2,
    FillRect = 3,
    InvertRect = 4,
    Text = 5,
    Picture = 6,  // a nested picture drawn stretched into `rect`
    SetClip = 7,
    ClearClip = 8,
    // Four-cornered polygons in one pen and brush (a symbol's bars), replayed as one batch.
    // Stored as one Polygon record per bar, so that every reader of the stored layout draws
    // them; consecutive four-cornered polygons of one state read back as one Bars record.
    Bars = 9,
};

struct PictureRecord {
    PictureRecordKind kind = PictureRecordKind::Polygon;
    CanvasState state;                            // pen, brush and font in force when recorded
    std::vector<Point> points;                    // Polygon: corners; Bars: four corners a bar;
                                                  // Line: two ends; Text: reference point
    Rect rect;                                    // FillRect/InvertRect/SetClip/Picture target; Text: bounds
    std::string text;                             // Text: UTF-8
    int extraSpacing = 0;                         // Text: pixels after every character
    std::shared_ptr<const class Picture> nested;  // Picture
};

class Picture {
public:
    Picture() = default;
    explicit Picture(Size logicalSize) : size_(logicalSize) {}

    Size size() const { return size_; }
    void setSize(Size s) { size_ = s; }
    const std::vector<PictureRecord>& records() const { return records_; }
    void append(PictureRecord r) { records_.push_back(std::move(r)); }
    void clear() { records_.clear(); }

    // Replays every record onto target, mapping the logical size onto `into`.
    void play(Canvas& target, const Rect& into) const;

    // Own binary layout, used wherever a picture is stored in a stream.
    std::vector<std::uint8_t> serialize() const;
    // Reads a serialized picture; on malformed bytes returns false and sets error.
    static bool deserialize(const std::uint8_t* data, std::size_t size, Picture& out, std::string& error);

private:
    Size size_;
    std::vector<PictureRecord> records_;
};

}  // namespace platform
