#include "gui/widgets/FocusRing.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QPainter>

#include "gui/widgets/FlatButtonBase.h"
#include "gui/widgets/FlatEdit.h"
#include "gui/widgets/FocusMark.h"

namespace gui::widgets {

namespace {

// The ring lives among the framed control's siblings, so it goes when their parent goes.
QPointer<FocusRing>& theRing() {
    static QPointer<FocusRing> ring;
    return ring;
}

bool drawsItsOwnMark(const QWidget* w) {
    return qobject_cast<const FlatButtonBase*>(w) || qobject_cast<const FlatEdit*>(w);
}

// The edit inside a combo or spin box has the focus; the ring goes round the whole box.
QWidget* framedControl(QWidget* focused) {
    QWidget* w = focused;
    for (QWidget* p = w ? w->parentWidget() : nullptr; p; p = p->parentWidget()) {
        if (!qobject_cast<QComboBox*>(p) && !qobject_cast<QAbstractSpinBox*>(p)) break;
        w = p;
    }
    return w;
}

}  // namespace

FocusRing::FocusRing() {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoChildEventsForParent);
    setFocusPolicy(Qt::NoFocus);
}

void FocusRing::followFocus() {
    static const bool connected =
        (QObject::connect(qApp, &QApplication::focusChanged, qApp,
                          [](QWidget*, QWidget* now) {
                              QWidget* target = framedControl(now);
                              if (target && (drawsItsOwnMark(target) || target->isWindow())) target = nullptr;
                              if (!target && !theRing()) return;
                              if (!theRing()) theRing() = new FocusRing;
                              theRing()->setTarget(target);
                          }),
         true);
    (void)connected;
}

FocusRing* FocusRing::current() {
    FocusRing* ring = theRing();
    return ring && ring->target_ && ring->isVisible() ? ring : nullptr;
}

void FocusRing::setTarget(QWidget* target) {
    if (target_) target_->removeEventFilter(this);
    target_ = target;
    if (target_) target_->installEventFilter(this);
    place();
}

void FocusRing::place() {
    if (!target_ || !target_->parentWidget() || !target_->isVisible()) {
        hide();
        return;
    }
    if (parentWidget() != target_->parentWidget()) setParent(target_->parentWidget());
    // Just outside the control where its parent has room, else over the control's own edge.
    constexpr int gap = kFocusMarkWidth + 1;
    setGeometry(target_->geometry().adjusted(-gap, -gap, gap, gap) & parentWidget()->rect());
    raise();
    show();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* e) {
    if (watched == target_) {
        switch (e->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide:
            case QEvent::ParentChange:
            case QEvent::ZOrderChange:
                place();
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, e);
}

// In black or white, whichever stands out against what lies around the control.
void FocusRing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintFocusMark(p, rect(), parentWidget()->palette().color(QPalette::Window));
}

}  // namespace gui::widgets
