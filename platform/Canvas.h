// The drawing surface every part of the program paints on: screen, image, PDF, printer or a
// recorded Picture. Pen, brush and font are state of the surface, as on a device context.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Color.h"
#include "platform/Geometry.h"

namespace platform {

class Picture;

enum class PenStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Clear = 5 };
// Copy paints the pen colour; Xor inverts what is below (the search highlight uses it).
enum class PenMode { Copy, Xor };

struct Pen {
    Color color = kBlack;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    Color color = kWhite;
    bool clear = false;  // no fill
    friend bool operator==(const Brush&, const Brush&) = default;
};

enum FontStyle : int { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

struct Font {
    std::string name = "Arial";
    int height = 12;  // character height in surface pixels
    int style = 0;    // FontStyle bits
    Color color = kBlack;
    int escapement = 0;  // tenths of a degree, counter-clockwise
    int charset = 1;
    friend bool operator==(const Font&, const Font&) = default;
};

struct CanvasState {
    Pen pen;
    Brush brush;
    Font font;
    friend bool operator==(const CanvasState&, const CanvasState&) = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    void setPen(const Pen& p) { state_.pen = p; }
    void setBrush(const Brush& b) { state_.brush = b; }
    void setFont(const Font& f) { state_.font = f; }
    const Pen& pen() const { return state_.pen; }
    const Brush& brush() const { return state_.brush; }
    const Font& font() const { return state_.font; }
    CanvasState saveState() const { return state_; }
    void restoreState(const CanvasState& s) { state_ = s; }

    // Filled with the brush (unless clear) and outlined with the pen (unless clear).
    virtual void polygon(const std::vector<Point>& points) = 0;
    // Four-cornered polygons, corners[4k .. 4k+3] each, drawn as polygon() would draw them one
    // after another but handed over as one batch, so that a device can fill a symbol's bars in
    // one go with the pen and brush set once. Corners past the last whole four are ignored.
    virtual void bars(const std::vector<Point>& corners);
    // Outline with the pen from a to b, the end point excluded as on a device context.
    virtual void line(Point a, Point b) = 0;
    // Fills [r.left, r.right) x [r.top, r.bottom) with the brush colour, no outline.
    virtual void fillRect(const Rect& r) = 0;
    // Inverts every pixel of r (the preview's search highlight).
    virtual void invertRect(const Rect& r) = 0;
    // Writes text with its unturned top-left corner at (x, y), turned by the font's
    // escapement; extraSpacing pixels are added after every character.
    virtual void textOut(int x, int y, const std::string& utf8, int extraSpacing = 0) = 0;
    // width and height of the text in the current font, unturned, without extra spacing.
    virtual Size textExtent(const std::string& utf8) = 0;
    // Draws a recorded picture stretched into target.
    virtual void drawPicture(const Picture& picture, const Rect& target);

    // Clipping: an empty optional clip means the whole surface.
    virtual void setClipRect(const Rect& r) = 0;
    virtual void clearClip() = 0;
    // Whether any part of r may be visible under the current clip.
    virtual bool rectVisible(const Rect& r) const = 0;
    // The clip rectangle in force, or none when the whole surface may be drawn on. Picture
    // playback reads it so that a picture's own clip records stay inside it.
    virtual std::optional<Rect> currentClip() const { return std::nullopt; }

    // A recording surface (Picture) never skips objects for being outside a clip.
    virtual bool isRecording() const { return false; }
    // Device resolution, dots per inch, for code that sizes fonts in points.
    virtual int dpiX() const { return 96; }
    virtual int dpiY() const { return 96; }

private:
    CanvasState state_;
};

// Saves the pen, brush and font of a canvas and gives them back when it goes out of scope.
class CanvasStateGuard {
public:
    explicit CanvasStateGuard(Canvas& c) : canvas_(c), saved_(c.saveState()) {}
    ~CanvasStateGuard() { canvas_.restoreState(saved_); }
    CanvasStateGuard(const CanvasStateGuard&) = delete;
    CanvasStateGuard& operator=(const CanvasStateGuard&) = delete;

private:
    Canvas& canvas_;
    CanvasState saved_;
};

}  // namespace platform
