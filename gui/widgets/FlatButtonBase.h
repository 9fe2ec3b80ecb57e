// Behaviour and painting shared by the flat push button and the flat speed button: a one-pixel
// frame that is flat at rest, raised under the mouse and sunken when pressed, face colours per
// state, an optional glyph strip, exclusive groups with a latched Down state.
#pragma once

#include <QPixmap>
#include <QWidget>

#include "gui/widgets/GlyphLayout.h"

namespace gui::widgets {

class HoverTracker;

enum class ButtonState { Up, Disabled, Down, Exclusive };

class FlatButtonBase : public QWidget {
    Q_OBJECT
public:
    ~FlatButtonBase() override;

    QString caption() const { return caption_; }
    void setCaption(const QString& c);

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

    int groupIndex() const { return groupIndex_; }
    void setGroupIndex(int g);
    bool isDown() const { return down_; }
    void setDown(bool d);
    bool allowAllUp() const { return allowAllUp_; }
    void setAllowAllUp(bool a);
    int modalResult() const { return modalResult_; }
    void setModalResult(int r) { modalResult_ = r; }

    ButtonState state() const { return state_; }
    bool isHot() const { return hot_; }
    bool isDragging() const { return dragging_; }
    // Used by the shared hover watch.
    void setHot(bool hot);

    // Face colour and frame kind for the current state, as painted.
    QColor faceColor() const;

    // Programmatic click: modal result to the parent dialog, then the click event.
    void click();

signals:
    void clicked();
    void doubleClicked();

protected:
    FlatButtonBase(HoverTracker*& trackerSlot, QWidget* parent);

    void paintEvent(QPaintEvent*) override;
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
    void syncStateWithEnabled();
    void setState(ButtonState s);
    void refreshHotFromPointer();
    void updateSiblings();
    void registerAccelerator();
    void paintFrame(QPainter& p, const QRect& r) const;
    void paintGlyphAndCaption(QPainter& p, const QRect& r) const;
    QPixmap glyphForState() const;
    QRect clientRect() const { return rect(); }

    HoverTracker*& trackerSlot_;
    HoverTracker* tracker_ = nullptr;

    QString caption_;
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
    bool down_ = false;
    bool allowAllUp_ = false;
    int modalResult_ = 0;

    ButtonState state_ = ButtonState::Up;
    bool hot_ = false;
    bool dragging_ = false;
    int shortcutId_ = 0;
};

}  // namespace gui::widgets
