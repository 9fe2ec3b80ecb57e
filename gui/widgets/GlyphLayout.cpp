#include "gui/widgets/GlyphLayout.h"

namespace gui::widgets {

namespace {

bool isHorizontal(GlyphPosition p) {
    return p == GlyphPosition::Left || p == GlyphPosition::Right;
}

}  // namespace

GlyphPlacement placeGlyphAndCaption(const QRect& client, QSize glyph, QSize caption, GlyphPosition layout,
                                    int margin, int spacing) {
    const bool horizontal = isHorizontal(layout);
    // Without a glyph or a caption there is nothing to keep apart.
    if (glyph.isEmpty() || caption.isEmpty()) spacing = 0;

    const int along = horizontal ? client.width() : client.height();
    const int glyphAlong = horizontal ? glyph.width() : glyph.height();
    const int captionAlong = horizontal ? caption.width() : caption.height();
    const int total = glyphAlong + spacing + captionAlong;

    // Offset of the pair from the layout side's edge.
    int start = margin < 0 ? (along - total) / 2 : margin;
    const bool glyphFirst = layout == GlyphPosition::Left || layout == GlyphPosition::Top;

    int glyphStart = glyphFirst ? start : along - start - glyphAlong;
    int captionStart = glyphFirst ? start + glyphAlong + spacing : glyphStart - spacing - captionAlong;
    if (!glyphFirst && margin < 0) {
        captionStart = start;
        glyphStart = start + captionAlong + spacing;
    }

    GlyphPlacement out;
    if (horizontal) {
        out.glyph = QRect(client.left() + glyphStart, client.top() + (client.height() - glyph.height()) / 2,
                          glyph.width(), glyph.height());
        out.caption = QRect(client.left() + captionStart, client.top(), caption.width(), client.height());
    } else {
        out.glyph = QRect(client.left() + (client.width() - glyph.width()) / 2, client.top() + glyphStart,
                          glyph.width(), glyph.height());
        out.caption = QRect(client.left(), client.top() + captionStart, client.width(), caption.height());
    }
    return out;
}

}  // namespace gui::widgets
