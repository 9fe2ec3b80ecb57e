#include "gui/widgets/FlatButtonBase.h"

#include <QApplication>
#include <QBitmap>
#include <QDialog>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

#include "gui/widgets/AdvColors.h"
#include "gui/widgets/HoverTracker.h"

namespace gui::widgets {

namespace {

constexpr int kDefaultSize = 25;
constexpr int kTextFlags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;

// Greyed copy of a glyph for the disabled state when the strip has only one image.
QPixmap greyed(const QPixmap& source) {
    QImage img = source.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int g = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(g, g, g, qAlpha(line[x]));
        }
    }
    return QPixmap::fromImage(img);
}

// The colour of the image's bottom-left pixel is transparent.
QPixmap withTransparentKey(const QPixmap& image) {
    if (image.isNull()) return image;
    const QImage img = image.toImage();
    const QColor key = img.pixelColor(0, img.height() - 1);
    QPixmap out = image;
    out.setMask(QBitmap::fromImage(img.createMaskFromColor(key.rgb(), Qt::MaskInColor)));
    return out;
}

}  // namespace

FlatButtonBase::FlatButtonBase(HoverTracker*& trackerSlot, QWidget* parent)
    : QWidget(parent), trackerSlot_(trackerSlot) {
    tracker_ = HoverTracker::acquire(trackerSlot_);
    resize(kDefaultSize, kDefaultSize);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

FlatButtonBase::~FlatButtonBase() {
    tracker_->forget(this);
    HoverTracker::release(trackerSlot_);
}

void FlatButtonBase::setCaption(const QString& c) {
    caption_ = c;
    registerAccelerator();
    update();
}

QColor FlatButtonBase::color() const {
    if (parentColor_ && parentWidget()) return parentWidget()->palette().color(QPalette::Window);
    return color_.isValid() ? color_ : palette().color(QPalette::Button);
}

void FlatButtonBase::setColor(const QColor& c) {
    color_ = c;
    parentColor_ = false;
    update();
}

void FlatButtonBase::setParentColor(bool on) {
    parentColor_ = on;
    update();
}

QColor FlatButtonBase::colorFocused() const {
    return useAdvColors_ ? advColor(color(), advFocused_, AdvShift::Lighter) : colorFocused_;
}
QColor FlatButtonBase::colorDown() const {
    return useAdvColors_ ? advColor(color(), advDown_, AdvShift::Darker) : colorDown_;
}
QColor FlatButtonBase::colorBorder() const {
    return useAdvColors_ ? advColor(color(), advBorder_, AdvShift::Darker) : colorBorder_;
}

void FlatButtonBase::setAdvColors(int focused, int down, int border) {
    advFocused_ = focused;
    advDown_ = down;
    advBorder_ = border;
    update();
}

void FlatButtonBase::setGlyph(const QPixmap& strip, int numGlyphs) {
    glyph_ = strip;
    numGlyphs_ = std::clamp(numGlyphs, 1, 4);
    update();
}

void FlatButtonBase::setMargin(int m) {
    if (m < -1) return;  // values below -1 are ignored
    margin_ = m;
    update();
}

void FlatButtonBase::setGroupIndex(int g) {
    groupIndex_ = g;
    if (g == 0) down_ = false;
    updateSiblings();
    update();
}

void FlatButtonBase::setDown(bool d) {
    if (groupIndex_ == 0) d = false;
    if (d == down_) return;
    if (down_ && !d && !allowAllUp_) return;  // a group keeps one button down
    down_ = d;
    setState(d ? ButtonState::Exclusive : ButtonState::Up);
    if (d) updateSiblings();
}

void FlatButtonBase::setAllowAllUp(bool a) {
    allowAllUp_ = a;
    updateSiblings();
}

void FlatButtonBase::updateSiblings() {
    if (groupIndex_ == 0 || !parentWidget()) return;
    for (QObject* o : parentWidget()->children()) {
        auto* sibling = qobject_cast<FlatButtonBase*>(o);
        if (!sibling || sibling == this || sibling->groupIndex_ != groupIndex_) continue;
        if (down_ && sibling->down_) {
            sibling->down_ = false;
            sibling->setState(ButtonState::Up);
        }
        sibling->allowAllUp_ = allowAllUp_;
    }
}

void FlatButtonBase::setHot(bool hot) {
    if (hot_ == hot) return;
    hot_ = hot;
    update();
}

void FlatButtonBase::setState(ButtonState s) {
    if (state_ == s) return;
    state_ = s;
    update();
}

void FlatButtonBase::syncStateWithEnabled() {
    if (isEnabled()) {
        if (state_ == ButtonState::Disabled)
            state_ = (down_ && groupIndex_ != 0) ? ButtonState::Exclusive : ButtonState::Up;
    } else {
        state_ = ButtonState::Disabled;
        dragging_ = false;
    }
}

void FlatButtonBase::refreshHotFromPointer() {
    if (isEnabled() && HoverTracker::widgetUnderPointer() == this)
        tracker_->watch(this);
    else
        setHot(false);
}

QColor FlatButtonBase::faceColor() const {
    switch (state_) {
        case ButtonState::Up:
            return hot_ ? colorFocused() : color();
        case ButtonState::Disabled:
            return color();
        case ButtonState::Down:
            return colorDown();
        case ButtonState::Exclusive:
            return hot_ ? colorFocused() : colorDown();
    }
    return color();
}

void FlatButtonBase::click() {
    if (modalResult_ != 0 && parentWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(window())) dialog->done(modalResult_);
    }
    emit clicked();
}

void FlatButtonBase::paintEvent(QPaintEvent*) {
    syncStateWithEnabled();
    // Painted off screen and copied in one step, so the button never flickers.
    QPixmap buffer(size() * devicePixelRatioF());
    buffer.setDevicePixelRatio(devicePixelRatioF());
    {
        QPainter p(&buffer);
        const QRect r = clientRect();
        p.fillRect(r.adjusted(1, 1, -1, -1), faceColor());
        paintFrame(p, r);
        QRect content = r.adjusted(1, 1, -1, -1);
        if (state_ == ButtonState::Down || state_ == ButtonState::Exclusive) content.translate(1, 1);
        paintGlyphAndCaption(p, content);
    }
    QPainter screen(this);
    screen.drawPixmap(0, 0, buffer);
}

void FlatButtonBase::paintFrame(QPainter& p, const QRect& r) const {
    QColor topLeft, bottomRight;
    if (state_ == ButtonState::Down || state_ == ButtonState::Exclusive) {
        topLeft = colorShadow_;
        bottomRight = colorHighLight_;
    } else if (state_ == ButtonState::Up && hot_) {
        topLeft = colorHighLight_;
        bottomRight = colorShadow_;
    } else {
        topLeft = bottomRight = colorBorder();
    }
    const int right = r.right(), bottom = r.bottom();
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    p.fillRect(QRect(r.left(), bottom, r.width(), 1), bottomRight);
    p.fillRect(QRect(right, r.top(), 1, r.height()), bottomRight);
}

QPixmap FlatButtonBase::glyphForState() const {
    if (glyph_.isNull()) return {};
    const int w = glyph_.width() / numGlyphs_;
    int index = 0;
    const bool disabled = state_ == ButtonState::Disabled;
    switch (numGlyphs_) {
        case 2:
            index = disabled ? 1 : 0;
            break;
        case 3:
            index = disabled ? 1 : (state_ == ButtonState::Up ? 0 : 2);
            break;
        case 4:
            index = disabled ? 1 : state_ == ButtonState::Down ? 2 : state_ == ButtonState::Exclusive ? 3 : 0;
            break;
        default:
            break;
    }
    QPixmap image = withTransparentKey(glyph_.copy(index * w, 0, w, glyph_.height()));
    if (numGlyphs_ == 1 && disabled) image = greyed(image);
    return image;
}

void FlatButtonBase::paintGlyphAndCaption(QPainter& p, const QRect& r) const {
    const QPixmap glyph = glyphForState();
    p.setFont(font());
    const QSize text = caption_.isEmpty() ? QSize() : p.fontMetrics().size(kTextFlags, caption_);
    const GlyphPlacement place =
        placeGlyphAndCaption(r, glyph.isNull() ? QSize() : glyph.deviceIndependentSize().toSize(), text,
                             layout_, margin_, spacing_);
    if (!glyph.isNull()) p.drawPixmap(place.glyph.topLeft(), glyph);
    if (caption_.isEmpty()) return;
    if (state_ == ButtonState::Disabled) {
        // Engraved look: highlight one pixel right and down, then the shadow in place.
        p.setPen(palette().color(QPalette::Light));
        p.drawText(place.caption.translated(1, 1), kTextFlags, caption_);
        p.setPen(palette().color(QPalette::Dark));
    } else {
        p.setPen(palette().color(QPalette::WindowText));
    }
    p.drawText(place.caption, kTextFlags, caption_);
}

bool FlatButtonBase::takeFocusUninterrupted(Qt::FocusReason reason) {
    bool interrupted = false;
    const auto watch = connect(qApp, &QApplication::focusChanged, this,
                               [this, &interrupted](QWidget*, QWidget* now) { interrupted |= now != this; });
    setFocus(reason);
    disconnect(watch);
    return !interrupted;
}

void FlatButtonBase::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !isEnabled()) return;
    // The window gives the focus before it delivers the press. When leaving the previous
    // control opened a modal box (its check), the operator answered it and let go of the
    // mouse meanwhile, and that release went nowhere: the press is over, without a click.
    if (e->spontaneous() && !(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        setHot(false);
        refreshHotFromPointer();
        return;
    }
    const bool pressedBefore = down_;
    if (!down_) setState(ButtonState::Down);
    dragging_ = true;
    if (takesFocusOnPress() && !takeFocusUninterrupted(Qt::MouseFocusReason)) {
        dragging_ = false;  // the same, when the focus moved only now
        setState(pressedBefore ? ButtonState::Exclusive : ButtonState::Up);
        setHot(false);
        refreshHotFromPointer();
    }
}

void FlatButtonBase::mouseMoveEvent(QMouseEvent* e) {
    if (!hot_ && isEnabled() && QApplication::activeWindow()) tracker_->watch(this);
    if (!dragging_) return;
    const bool inside = rect().contains(e->position().toPoint());
    if (down_)
        setState(ButtonState::Exclusive);
    else
        setState(inside ? ButtonState::Down : ButtonState::Up);
}

void FlatButtonBase::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !dragging_) return;
    dragging_ = false;
    const bool inside = rect().contains(e->position().toPoint());
    if (groupIndex_ == 0) {
        setState(ButtonState::Up);
        setHot(false);
    } else if (inside) {
        setDown(!down_);
        setState(down_ ? ButtonState::Exclusive : ButtonState::Up);
    } else {
        setState(down_ ? ButtonState::Exclusive : ButtonState::Up);
    }
    if (inside)
        click();
    else
        setHot(false);
    refreshHotFromPointer();
}

void FlatButtonBase::mouseDoubleClickEvent(QMouseEvent* e) {
    if (down_) emit doubleClicked();
    // The second press of a double click is still a press.
    mousePressEvent(e);
}

void FlatButtonBase::enterEvent(QEnterEvent*) {
    if (isEnabled() && QApplication::activeWindow()) tracker_->watch(this);
}

void FlatButtonBase::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            hot_ = false;
            state_ = ButtonState::Disabled;
            tracker_->forget(this);
        }
        syncStateWithEnabled();
        refreshHotFromPointer();
        update();
    } else if (e->type() == QEvent::ParentChange || e->type() == QEvent::PaletteChange ||
               e->type() == QEvent::FontChange) {
        update();
    }
    QWidget::changeEvent(e);
}

bool FlatButtonBase::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut) {
        auto* se = static_cast<QShortcutEvent*>(e);
        if (se->shortcutId() == shortcutId_) {
            // Like a press, the accelerator first takes the focus, so the control left is
            // checked before the command runs; a box raised by that check ends it.
            const bool uninterrupted = !takesFocusOnPress() || takeFocusUninterrupted(Qt::ShortcutFocusReason);
            if (uninterrupted && isEnabled()) click();
            return true;
        }
    }
    return QWidget::event(e);
}

void FlatButtonBase::registerAccelerator() {
    if (shortcutId_ != 0) releaseShortcut(shortcutId_);
    shortcutId_ = 0;
    const QKeySequence seq = QKeySequence::mnemonic(caption_);
    if (!seq.isEmpty()) shortcutId_ = grabShortcut(seq, Qt::WindowShortcut);
}

}  // namespace gui::widgets
