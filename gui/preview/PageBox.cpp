#include "gui/preview/PageBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include "gui/preview/PreviewHelpTexts.h"
#include "gui/preview/PreviewWindow.h"

namespace gui::preview {

PageBox::PageBox(PreviewWindow& form, QWidget* parent) : QWidget(parent), form_(form) {
    setProperty("helpTag", kTagPageBox);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // Every pixel is painted by the window; no background erase before painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PageBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    form_.paintDesk(painter, event->region());
}

void PageBox::mousePressEvent(QMouseEvent* event) {
    form_.deskMousePress(event->position().toPoint(), event->button(), event->globalPosition().toPoint());
}

void PageBox::mouseMoveEvent(QMouseEvent* event) {
    form_.deskMouseMove(event->position().toPoint());
}

void PageBox::mouseReleaseEvent(QMouseEvent*) {
    form_.deskMouseRelease();
}

void PageBox::mouseDoubleClickEvent(QMouseEvent* event) {
    form_.deskDoubleClick(event->position().toPoint());
}

void PageBox::wheelEvent(QWheelEvent* event) {
    // One notch is 120 units; touch pads send smaller pieces that add up.
    wheelRest_ += event->angleDelta().y();
    const int notches = wheelRest_ / 120;
    wheelRest_ -= notches * 120;
    if (notches != 0) form_.deskWheel(notches);
    event->accept();
}

void PageBox::keyPressEvent(QKeyEvent* event) {
    if (form_.deskKey(event->key(), event->modifiers()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

}  // namespace gui::preview
