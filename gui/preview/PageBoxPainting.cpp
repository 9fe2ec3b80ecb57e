// Painting the page area: the grey desk, each page in view with its frame and shadow, and the
// mark over a found text. Pages out of view let go of their objects.
#include <QPaintEvent>
#include <QPainter>
#include <exception>

#include "gui/preview/PageBox.h"
#include "platform/qt/QPainterCanvas.h"
#include "prepared/PreparedPages.h"
#include "prepared/TextSearch.h"

namespace gui::preview {

namespace {

const QColor kDeskGrey(128, 128, 128);
// Pages starting further below the view's top than this never count as in view.
constexpr int kInViewReach = 2000;

QRect toQRect(const platform::Rect& r) {
    return {r.left, r.top, r.width(), r.height()};
}

}  // namespace

platform::Point PageBox::deskPoint(QPoint at) const {
    return {at.x() + horizontalPosition(), at.y() + verticalPosition()};
}

platform::Rect PageBox::onScreen(const platform::Rect& desk) const {
    const int dx = horizontalPosition(), dy = verticalPosition();
    return {desk.left - dx, desk.top - dy, desk.right - dx, desk.bottom - dy};
}

void PageBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paint(painter, event->region());
}

void PageBox::paint(QPainter& painter, const QRegion& region) {
    if (!ready_) return;
    if (!pages_) {
        painter.fillRect(rect(), palette().button());
        return;
    }
    QRegion grey = region;
    std::vector<platform::Rect> shown(std::size_t(pages_->count()));
    std::vector<bool> inView(shown.size());
    for (int i = 0; i < pages_->count(); ++i) {
        const platform::Rect r = onScreen(
            std::size_t(i) < layout_.bounds.size() ? layout_.bounds[std::size_t(i)] : platform::Rect{});
        shown[std::size_t(i)] = r;
        // The shadow lines lie one pixel right of and below the page: a repaint of only
        // their strip still counts as showing the page.
        const QRect withShadow = toQRect(r).adjusted(0, 0, 1, 1);
        inView[std::size_t(i)] = !(r.top > kInViewReach || r.bottom < 0) && region.intersects(withShadow);
        if (inView[std::size_t(i)]) grey -= QRect(r.left + 1, r.top + 1, r.width() - 2, r.height() - 2);
    }
    painter.setClipRegion(grey);
    painter.fillRect(rect(), kDeskGrey);
    painter.setClipping(false);

    platform::qt::QPainterCanvas canvas(painter);
    for (int i = 0; i < pages_->count(); ++i) {
        prepared::PreparedPage& page = pages_->page(i);
        const platform::Rect& r = shown[std::size_t(i)];
        if (!inView[std::size_t(i)]) {
            pages_->release(i);  // a page out of sight holds no objects
            continue;
        }
        painter.setPen(Qt::black);
        painter.setBrush(Qt::white);
        painter.drawRect(r.left, r.top, r.width() - 1, r.height() - 1);
        painter.drawLine(r.left + 1, r.bottom, r.right, r.bottom);
        painter.drawLine(r.right, r.bottom, r.right, r.top + 1);
        try {
            painter.save();
            // Set through the canvas, so that objects which narrow the clip give this one back.
            canvas.setClipRect({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1});
            pages_->draw(i, canvas, prepared::pageContentRect(page, r, zoom_));
            canvas.clearClip();
            painter.restore();
        } catch (const std::exception&) {
            // A damaged page stream shows an empty page rather than ending the program.
            canvas.clearClip();
            painter.restore();
            pages_->release(i);
        }
    }
    if (highlight_) canvas.invertRect(onScreen(*highlight_));
}

}  // namespace gui::preview
