// The page area's mouse: a click makes a page current or goes to an object's handler, a drag
// moves the view, the wheel scrolls, the right button asks for the zoom menu.
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <exception>

#include "gui/preview/PageBox.h"
#include "prepared/PreparedPages.h"

namespace gui::preview {

bool PageBox::objectTakes(int page, platform::Point desk, bool click, int& cursor) {
    if (page < 0) return false;
    try {
        return pages_->hitTest(page, toPagePixels(desk, layout_.bounds[std::size_t(page)], zoom_), cursor,
                               click);
    } catch (const std::exception&) {
        return false;  // a page that cannot be rebuilt has no objects to click
    }
}

void PageBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit zoomMenuRequested(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    if (ignoreNextPress_) {
        ignoreNextPress_ = false;
        return;
    }
    if (!pages_) return;
    const QPoint at = event->position().toPoint();
    const platform::Point desk = deskPoint(at);
    const int page = pageAtPoint(layout_.bounds, desk);
    int cursor = 0;
    if (objectTakes(page, desk, true, cursor)) return;
    dragging_ = true;
    dragFrom_ = at;
    if (page >= 0) setCurrentPage(page + 1);
}

void PageBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (dragging_) {
        const QPoint moved = at - dragFrom_;
        dragFrom_ = at;
        hbar_->setValue(hbar_->value() - moved.x());
        vbar_->setValue(vbar_->value() - moved.y());
        return;
    }
    if (!pages_ || !pages_->onMouseOverObject) return;
    const platform::Point desk = deskPoint(at);
    int cursor = 0;
    const bool taken = objectTakes(pageAtPoint(layout_.bounds, desk), desk, false, cursor);
    // The handler names a cursor shape by number; any shape it picks shows as the pointing hand.
    setCursor(taken && cursor != 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void PageBox::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

void PageBox::mouseDoubleClickEvent(QMouseEvent* event) {
    ignoreNextPress_ = true;
    dragging_ = false;
    if (!pages_) return;
    const int page = pageAtPoint(layout_.bounds, deskPoint(event->position().toPoint()));
    if (page >= 0) setCurrentPage(page + 1);
}

void PageBox::wheelEvent(QWheelEvent* event) {
    // One notch is 120 units; touch pads send smaller pieces that add up.
    wheelRest_ += event->angleDelta().y();
    const int notches = wheelRest_ / 120;
    wheelRest_ -= notches * 120;
    if (notches != 0) vbar_->setValue(vbar_->value() - notches * vbar_->singleStep());
    event->accept();
}

}  // namespace gui::preview
