// A 2-pixel ring round whichever standard control has the keyboard focus (combo
// and spin boxes, radio buttons, tool buttons, grids, dialog buttons), whose own focus marks
// are faint. Controls that draw their own mark, the flat buttons and edits, are left alone.
// One ring serves the whole program: it moves to the control that takes the focus and lies
// above the control's siblings, just outside the control where there is room.
#pragma once

#include <QPointer>
#include <QWidget>

namespace gui::widgets {

class FocusRing : public QWidget {
    Q_OBJECT
public:
    // From now on the ring follows the focus in every window of the program.
    static void followFocus();
    // The ring while it is shown, else null.
    static FocusRing* current();

    QWidget* target() const { return target_; }

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    FocusRing();
    void setTarget(QWidget* target);
    void place();

    QPointer<QWidget> target_;
};

}  // namespace gui::widgets
