#include "gui/widgets/FlatButtonBase.h"

#include <QApplication>
#include <QBitmap>
#include <QButtonGroup>
#include <QDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcutEvent>

#include "gui/widgets/AdvColors.h"
#include "gui/widgets/Contrast.h"
#include "gui/widgets/FlatButtonGroups.h"
#include "gui/widgets/FocusMark.h"
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
    : QAbstractButton(parent), trackerSlot_(trackerSlot) {
    tracker_ = HoverTracker::acquire(trackerSlot_);
    resize(kDefaultSize, kDefaultSize);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Connected first, so the dialog's result is set before any other handler of the click.
    connect(this, &QAbstractButton::clicked, this, &FlatButtonBase::onClicked);
}

FlatButtonBase::~FlatButtonBase() {
    tracker_->forget(this);
    HoverTracker::release(trackerSlot_);
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
    if (QButtonGroup* old = group()) old->removeButton(this);
    groupIndex_ = g;
    if (g == 0 || !parentWidget()) {
        setChecked(false);
        setCheckable(false);
    } else {
        setCheckable(true);
        QButtonGroup* joined = flatButtonGroup(parentWidget(), g);
        joined->addButton(this);
        joined->setExclusive(!allowAllUp_);
    }
    update();
}

bool FlatButtonBase::allowAllUp() const {
    const QButtonGroup* g = group();
    return g ? !g->exclusive() : allowAllUp_;
}

void FlatButtonBase::setAllowAllUp(bool a) {
    allowAllUp_ = a;
    if (QButtonGroup* g = group()) {
        g->setExclusive(!a);
        for (QAbstractButton* b : g->buttons())
            if (auto* sibling = qobject_cast<FlatButtonBase*>(b)) sibling->allowAllUp_ = a;
    }
}

void FlatButtonBase::setHot(bool hot) {
    if (hot_ == hot) return;
    hot_ = hot;
    update();
}

ButtonState FlatButtonBase::state() const {
    if (!isEnabled()) return ButtonState::Disabled;
    if (isChecked()) return ButtonState::Exclusive;
    return isDown() ? ButtonState::Down : ButtonState::Up;
}

void FlatButtonBase::refreshHotFromPointer() {
    if (isEnabled() && HoverTracker::widgetUnderPointer() == this)
        tracker_->watch(this);
    else
        setHot(false);
}

QColor FlatButtonBase::faceColor() const {
    switch (state()) {
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

// The font's colour, or the engraved shadow when disabled, kept readable on the face of the
// moment: a red caption on a red pressed face, for one, is drawn dark red.
QColor FlatButtonBase::captionColor() const {
    const QColor wanted = palette().color(isEnabled() ? QPalette::WindowText : QPalette::Dark);
    return readableOn(faceColor(), wanted);
}

void FlatButtonBase::onClicked() {
    if (modalResult_ == 0 || !parentWidget()) return;
    if (auto* dialog = qobject_cast<QDialog*>(window())) dialog->done(modalResult_);
}

void FlatButtonBase::paintEvent(QPaintEvent*) {
    // Painted off screen and copied in one step, so the button never flickers.
    QPixmap buffer(size() * devicePixelRatioF());
    buffer.setDevicePixelRatio(devicePixelRatioF());
    {
        QPainter p(&buffer);
        const QRect r = rect();
        p.fillRect(r.adjusted(1, 1, -1, -1), faceColor());
        paintFrame(p, r);
        QRect content = r.adjusted(1, 1, -1, -1);
        const ButtonState s = state();
        if (s == ButtonState::Down || s == ButtonState::Exclusive) content.translate(1, 1);
        paintGlyphAndCaption(p, content);
        // Inside the button's own frame and clear of it, so that it shows in every state.
        const int in = kFocusMarkInset;
        if (hasFocus()) paintFocusMark(p, r.adjusted(in, in, -in, -in), faceColor());
    }
    QPainter screen(this);
    screen.drawPixmap(0, 0, buffer);
}

void FlatButtonBase::paintFrame(QPainter& p, const QRect& r) const {
    QColor topLeft, bottomRight;
    const ButtonState s = state();
    if (s == ButtonState::Down || s == ButtonState::Exclusive) {
        topLeft = colorShadow_;
        bottomRight = colorHighLight_;
    } else if (s == ButtonState::Up && hot_) {
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
    const ButtonState s = state();
    const bool disabled = s == ButtonState::Disabled;
    switch (numGlyphs_) {
        case 2:
            index = disabled ? 1 : 0;
            break;
        case 3:
            index = disabled ? 1 : (s == ButtonState::Up ? 0 : 2);
            break;
        case 4:
            index = disabled ? 1 : s == ButtonState::Down ? 2 : s == ButtonState::Exclusive ? 3 : 0;
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
    const QString caption = text();
    p.setFont(font());
    const QSize textSize = caption.isEmpty() ? QSize() : p.fontMetrics().size(kTextFlags, caption);
    const GlyphPlacement place =
        placeGlyphAndCaption(r, glyph.isNull() ? QSize() : glyph.deviceIndependentSize().toSize(), textSize,
                             layout_, margin_, spacing_);
    if (!glyph.isNull()) p.drawPixmap(place.glyph.topLeft(), glyph);
    if (caption.isEmpty()) return;
    if (!isEnabled()) {
        // Engraved look: highlight one pixel right and down, then the shadow in place.
        p.setPen(palette().color(QPalette::Light));
        p.drawText(place.caption.translated(1, 1), kTextFlags, caption);
    }
    p.setPen(captionColor());
    p.drawText(place.caption, kTextFlags, caption);
}

bool FlatButtonBase::takeFocusUninterrupted(Qt::FocusReason reason) {
    bool interrupted = false;
    const auto watch = connect(qApp, &QApplication::focusChanged, this,
                               [this, &interrupted](QWidget*, QWidget* now) { interrupted |= now != this; });
    setFocus(reason);
    disconnect(watch);
    return !interrupted;
}

// Space is Qt's own; Return and Enter click the focused button as well.
void FlatButtonBase::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier) {
        if (!e->isAutoRepeat()) click();
        return;
    }
    QAbstractButton::keyPressEvent(e);
}

void FlatButtonBase::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    // The window gives the focus before it delivers the press. When leaving the previous
    // control opened a modal box (its check), the operator answered it and let go of the
    // mouse meanwhile, and that release went nowhere: the press is over, without a click.
    if (e->spontaneous() && !(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        setHot(false);
        refreshHotFromPointer();
        return;
    }
    // The same when the focus moves only now.
    if (takesFocusOnPress() && !takeFocusUninterrupted(Qt::MouseFocusReason)) {
        setHot(false);
        refreshHotFromPointer();
        return;
    }
    dragging_ = true;
    QAbstractButton::mousePressEvent(e);
}

void FlatButtonBase::mouseMoveEvent(QMouseEvent* e) {
    if (!hot_ && isEnabled() && QApplication::activeWindow()) tracker_->watch(this);
    QAbstractButton::mouseMoveEvent(e);
}

void FlatButtonBase::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !dragging_) return;
    dragging_ = false;
    const bool inside = hitButton(e->position().toPoint());
    // Without a group a click ends the hover until the pointer is seen again.
    if (!inside || groupIndex_ == 0) setHot(false);
    QAbstractButton::mouseReleaseEvent(e);
    refreshHotFromPointer();
}

void FlatButtonBase::mouseDoubleClickEvent(QMouseEvent* e) {
    if (isChecked()) emit doubleClicked();
    // The second press of a double click is still a press.
    mousePressEvent(e);
}

void FlatButtonBase::enterEvent(QEnterEvent* e) {
    if (isEnabled() && QApplication::activeWindow()) tracker_->watch(this);
    QAbstractButton::enterEvent(e);
}

void FlatButtonBase::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            hot_ = false;
            dragging_ = false;
            tracker_->forget(this);
        }
        refreshHotFromPointer();
        update();
    } else if (e->type() == QEvent::ParentChange) {
        if (groupIndex_ != 0) setGroupIndex(groupIndex_);
        update();
    } else if (e->type() == QEvent::PaletteChange || e->type() == QEvent::FontChange) {
        update();
    }
    QAbstractButton::changeEvent(e);
}

bool FlatButtonBase::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut) {
        auto* se = static_cast<QShortcutEvent*>(e);
        if (se->key() == shortcut()) {
            // Like a press, the accelerator first takes the focus, so the control left is
            // checked before the command runs; a box raised by that check ends it.
            const bool uninterrupted = !takesFocusOnPress() || takeFocusUninterrupted(Qt::ShortcutFocusReason);
            if (uninterrupted && isEnabled()) click();
            return true;
        }
    }
    return QAbstractButton::event(e);
}

}  // namespace gui::widgets
