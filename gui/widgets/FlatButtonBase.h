// Behaviour and painting shared by the flat push button and the flat speed button: a one-pixel
// frame that is flat at rest, raised under the mouse and sunken when pressed, face colours per
// state, an optional glyph strip, exclusive groups with a latched down (checked) state.
//
// The buttons are Qt buttons: focus, Space and Return, the accelerator of the "&" in the text,
// pressing and releasing, checking and the accessible role and name come from
// QAbstractButton. This class paints the flat look, a focus mark, and tracks hovering.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

#include "gui/widgets/GlyphLayout.h"

namespace gui::widgets {

class HoverTracker;

enum class ButtonState { Up, Disabled, Down, Exclusive };

class FlatButtonBase : public QAbstractButton {
    Q_OBJECT
public:
    ~FlatButtonBase() override;

    QColor color() const;
    void setColor(const QColor& c);
    bool parentColor() const { return parentColor_; }
    void setParentColor(bool on);
    QColor colorFocused() const;
    void setColorFocused(const QColor& c) {
        colorFocused_ = c;
        update();
    }
    QColor colorDown() const;
    void setColorDown(const QColor& c) {
        colorDown_ = c;
        update();
    }
    QColor colorBorder() const;
    void setColorBorder(const QColor& c) {
        colorBorder_ = c;
        update();
    }
    QColor colorHighLight() const { return colorHighLight_; }
    void setColorHighLight(const QColor& c) {
        colorHighLight_ = c;
        update();
    }
    QColor colorShadow() const { return colorShadow_; }
    void setColorShadow(const QColor& c) {
        colorShadow_ = c;
        update();
    }

    void setUseAdvColors(bool on) {
        useAdvColors_ = on;
        update();
    }
    bool useAdvColors() const { return useAdvColors_; }
    void setAdvColors(int focused, int down, int border);

    void setGlyph(const QPixmap& strip, int numGlyphs = 1);
    int numGlyphs() const { return numGlyphs_; }
    void setLayout(GlyphPosition p) {
        layout_ = p;
        update();
    }
    void setMargin(int m);
    int margin() const { return margin_; }
    void setSpacing(int s) {
        spacing_ = s;
        update();
    }

    // A non-zero index joins the exclusive group of that index among the parent's children;
    // only then can the button be checked (latched down).
    int groupIndex() const { return groupIndex_; }
    void setGroupIndex(int g);
    // Whether the group may have no button checked; the whole group shares the setting.
    bool allowAllUp() const;
    void setAllowAllUp(bool a);
    int modalResult() const { return modalResult_; }
    void setModalResult(int r) { modalResult_ = r; }

    ButtonState state() const;
    bool isHot() const { return hot_; }
    bool isDragging() const { return dragging_; }
    // Used by the shared hover watch.
    void setHot(bool hot);

    // Colours as painted in the current state: the face and the caption.
    QColor faceColor() const;
    QColor captionColor() const;

    // How far inside the button's edge the focus mark is drawn.
    static constexpr int kFocusMarkInset = 3;

signals:
    void doubleClicked();

protected:
    FlatButtonBase(HoverTracker*& trackerSlot, QWidget* parent);

    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void changeEvent(QEvent*) override;
    bool event(QEvent*) override;
    virtual bool takesFocusOnPress() const = 0;

private:
    // Takes the keyboard focus; false when something else (a modal box) took it meanwhile.
    bool takeFocusUninterrupted(Qt::FocusReason reason);
    void onClicked();
    void refreshHotFromPointer();
    void paintFrame(QPainter& p, const QRect& r) const;
    void paintGlyphAndCaption(QPainter& p, const QRect& r) const;
    QPixmap glyphForState() const;

    HoverTracker*& trackerSlot_;
    HoverTracker* tracker_ = nullptr;

    QColor color_;
    bool parentColor_ = true;
    QColor colorFocused_{235, 234, 225};
    QColor colorDown_{217, 214, 197};
    QColor colorBorder_{160, 150, 131};
    QColor colorHighLight_{Qt::white};
    QColor colorShadow_{Qt::black};
    bool useAdvColors_ = false;
    int advFocused_ = 10, advDown_ = 10, advBorder_ = 50;

    QPixmap glyph_;
    int numGlyphs_ = 1;
    GlyphPosition layout_ = GlyphPosition::Top;
    int margin_ = -1;
    int spacing_ = 4;

    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    int modalResult_ = 0;

    bool hot_ = false;
    bool dragging_ = false;
};

}  // namespace gui::widgets
