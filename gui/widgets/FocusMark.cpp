#include "gui/widgets/FocusMark.h"

#include <QPainter>

#include "gui/widgets/Contrast.h"

namespace gui::widgets {

namespace {

void paintFrame(QPainter& p, const QRect& r, int w, const QColor& colour) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), w), colour);
    p.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), colour);
    p.fillRect(QRect(r.left(), r.top(), w, r.height()), colour);
    p.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), colour);
}

}  // namespace

void paintFocusMark(QPainter& p, const QRect& outer, const QColor& around, const QColor& within) {
    const int w = kFocusMarkWidth;
    if (outer.width() <= 2 * w || outer.height() <= 2 * w) return;
    const QColor mark = markColourOn(around);
    paintFrame(p, outer, w, mark);
    if (contrastRatio(mark, within) >= kMarkContrast) return;
    const QRect inner = outer.adjusted(w, w, -w, -w);
    if (inner.width() > 2 && inner.height() > 2) paintFrame(p, inner, 1, markColourOn(within));
}

}  // namespace gui::widgets
