// The page box: the borderless grey desk of the preview window. It paints nothing of its own
// accord and hands its paint, mouse, wheel and key events to the window.
#pragma once

#include <QWidget>

namespace gui::preview {

class PreviewWindow;

class PageBox : public QWidget {
    Q_OBJECT
public:
    PageBox(PreviewWindow& form, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    PreviewWindow& form_;
    int wheelRest_ = 0;
};

}  // namespace gui::preview
