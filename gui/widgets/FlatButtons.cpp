#include "gui/widgets/FlatButtons.h"

namespace gui::widgets {

HoverTracker* FlatButton::tracker_ = nullptr;
HoverTracker* FlatSpeedButton::tracker_ = nullptr;

FlatButton::FlatButton(QWidget* parent) : FlatButtonBase(tracker_, parent) {
    setFocusPolicy(Qt::StrongFocus);
}

FlatSpeedButton::FlatSpeedButton(QWidget* parent) : FlatButtonBase(tracker_, parent) {
    setFocusPolicy(Qt::TabFocus);
}

}  // namespace gui::widgets
