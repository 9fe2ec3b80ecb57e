#include "gui/widgets/FlatEdit.h"

#include <QApplication>
#include <QPainter>
#include <QValidator>

#include "gui/widgets/AdvColors.h"
#include "gui/widgets/Contrast.h"

namespace gui::widgets {

namespace {

// Changes the case of what is typed, as the platform edit's CharCase does.
class CaseValidator : public QValidator {
public:
    CaseValidator(CharCase c, QObject* parent) : QValidator(parent), case_(c) {}
    State validate(QString& input, int&) const override {
        if (case_ == CharCase::Upper) input = input.toUpper();
        if (case_ == CharCase::Lower) input = input.toLower();
        return Acceptable;
    }

private:
    CharCase case_;
};

}  // namespace

FlatEdit::FlatEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setTextMargins(0, 0, 0, 0);
    setContentsMargins(kFrame, kFrame, kFrame, kFrame);
    setAttribute(Qt::WA_Hover);
    resize(121, 19);
    followParent();
    fitHeightToFont();
    applyColors();
}

QColor FlatEdit::colorFlat() const {
    return colorFlat_;
}

void FlatEdit::setColorFlat(const QColor& c) {
    colorFlat_ = c;
    parentColor_ = false;
    applyColors();
}

QColor FlatEdit::colorFocused() const {
    return useAdvColors_ ? advColor(colorFlat_, advFocused_, AdvShift::Lighter) : colorFocused_;
}

void FlatEdit::setColorFocused(const QColor& c) {
    colorFocused_ = c;
    applyColors();
}

QColor FlatEdit::colorBorder() const {
    return useAdvColors_ ? advColor(colorFlat_, advBorder_, AdvShift::Darker) : colorBorder_;
}

void FlatEdit::setColorBorder(const QColor& c) {
    colorBorder_ = c;
    applyColors();
}

void FlatEdit::setParentColor(bool on) {
    parentColor_ = on;
    followParent();
    applyColors();
}

void FlatEdit::setUseAdvColors(bool on) {
    useAdvColors_ = on;
    applyColors();
}

void FlatEdit::setAdvColors(int focused, int border) {
    advFocused_ = focused;
    advBorder_ = border;
    applyColors();
}

void FlatEdit::setCharCase(CharCase c) {
    charCase_ = c;
    setValidator(c == CharCase::Normal ? nullptr : new CaseValidator(c, this));
}

bool FlatEdit::isActive() const {
    if (hasFocus()) return true;
    if (!hovered_) return false;
    // Hovering does not steal the active look from another focused flat edit.
    return qobject_cast<FlatEdit*>(QApplication::focusWidget()) == nullptr;
}

void FlatEdit::followParent() {
    QWidget* p = parentWidget();
    if (watchedParent_ != p) {
        if (watchedParent_) watchedParent_->removeEventFilter(this);
        watchedParent_ = p;
        if (p) p->installEventFilter(this);
    }
    if (parentColor_ && p) colorFlat_ = p->palette().color(QPalette::Window);
}

void FlatEdit::applyColors() {
    QPalette pal = palette();
    pal.setColor(QPalette::Base, currentFlatColor());
    setPalette(pal);
    update();
}

void FlatEdit::fitHeightToFont() {
    setFixedHeight(fontMetrics().height() + 2 * kFrame);
}

void FlatEdit::paintEvent(QPaintEvent* e) {
    QLineEdit::paintEvent(e);
    QPainter p(this);
    const QRect r = rect();
    // With the keyboard focus the two inner lines are the focus mark, in black or white,
    // whichever stands out on the background.
    const QColor inner = hasFocus() ? markColourOn(currentFlatColor()) : currentFlatColor();
    p.setPen(colorBorder());
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(inner);
    p.drawRect(r.adjusted(1, 1, -2, -2));
    p.drawRect(r.adjusted(2, 2, -3, -3));
}

void FlatEdit::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    applyColors();
}

void FlatEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    applyColors();
}

void FlatEdit::enterEvent(QEnterEvent* e) {
    QLineEdit::enterEvent(e);
    if (!QApplication::activeWindow()) return;
    hovered_ = true;
    applyColors();
}

void FlatEdit::leaveEvent(QEvent* e) {
    QLineEdit::leaveEvent(e);
    hovered_ = false;
    applyColors();
}

void FlatEdit::changeEvent(QEvent* e) {
    QLineEdit::changeEvent(e);
    if (e->type() == QEvent::FontChange) fitHeightToFont();
    if (e->type() == QEvent::ParentChange) {
        followParent();
        applyColors();
    }
    if (e->type() == QEvent::EnabledChange) update();
}

void FlatEdit::mouseDoubleClickEvent(QMouseEvent* e) {
    QLineEdit::mouseDoubleClickEvent(e);
    emit doubleClicked();
}

bool FlatEdit::eventFilter(QObject* watched, QEvent* e) {
    if (watched == watchedParent_ && e->type() == QEvent::PaletteChange && parentColor_) {
        colorFlat_ = watchedParent_->palette().color(QPalette::Window);
        applyColors();
    }
    return QLineEdit::eventFilter(watched, e);
}

}  // namespace gui::widgets
