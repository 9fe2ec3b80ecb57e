// Places a glyph and a caption inside a button rectangle the usual way for glyph buttons:
// glyph on the Layout side of the caption, Spacing between them, Margin from that edge
// (-1 centres the pair).
#pragma once

#include <QRect>
#include <QSize>

namespace gui::widgets {

enum class GlyphPosition { Left, Right, Top, Bottom };

struct GlyphPlacement {
    QRect glyph;
    QRect caption;
};

GlyphPlacement placeGlyphAndCaption(const QRect& client, QSize glyph, QSize caption, GlyphPosition layout,
                                    int margin, int spacing);

}  // namespace gui::widgets
