// A single-line edit without the platform border, framed by three flat pixels: the outer line
// in ColorBorder, the inner two (and the background) in ColorFlat while idle and ColorFocused
// while active. Active means focused, or hovered while no other flat edit has the focus. With
// the keyboard focus the inner two lines become the focus mark instead.
#pragma once

#include <QLineEdit>

namespace gui::widgets {

enum class CharCase { Normal, Upper, Lower };

class FlatEdit : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int kFrame = 3;

    explicit FlatEdit(QWidget* parent = nullptr);

    QColor colorFlat() const;
    void setColorFlat(const QColor& c);
    QColor colorFocused() const;
    void setColorFocused(const QColor& c);
    QColor colorBorder() const;
    void setColorBorder(const QColor& c);
    bool parentColor() const { return parentColor_; }
    void setParentColor(bool on);
    void setUseAdvColors(bool on);
    void setAdvColors(int focused, int border);

    void setCharCase(CharCase c);
    CharCase charCase() const { return charCase_; }

    bool isActive() const;
    // The colour of the two inner frame lines and the background, as painted now.
    QColor currentFlatColor() const { return isActive() ? colorFocused() : colorFlat(); }

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void changeEvent(QEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void followParent();
    void applyColors();
    void fitHeightToFont();

    QColor colorFlat_{235, 234, 225};
    QColor colorFocused_{Qt::white};
    QColor colorBorder_{160, 150, 131};
    bool parentColor_ = true;
    bool useAdvColors_ = false;
    int advFocused_ = 10, advBorder_ = 50;
    bool hovered_ = false;
    CharCase charCase_ = CharCase::Normal;
    QWidget* watchedParent_ = nullptr;
};

}  // namespace gui::widgets
