// The focus mark of the custom-drawn controls: a solid frame 2 pixels wide, in black or
// white, whichever stands out more on the colour around it. When the marked area is filled
// with a colour on which that line would not stand out (a navy selected cell inside a white
// grid), a 1-pixel line in the other colour runs along its inside, so the mark shows against
// both.
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace gui::widgets {

inline constexpr int kFocusMarkWidth = 2;

// Draws the mark along the inside of `outer`; `around` is the colour next to its outside,
// `within` the colour next to its inside.
void paintFocusMark(QPainter& p, const QRect& outer, const QColor& around, const QColor& within);
inline void paintFocusMark(QPainter& p, const QRect& outer, const QColor& background) {
    paintFocusMark(p, outer, background, background);
}

}  // namespace gui::widgets
