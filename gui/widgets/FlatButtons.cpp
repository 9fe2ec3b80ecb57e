#include "gui/widgets/FlatButtons.h"

namespace widgets {

HoverTracker* TFlatButton::tracker_ = nullptr;
HoverTracker* TFlatSpeedButton::tracker_ = nullptr;

TFlatButton::TFlatButton(QWidget* parent) : FlatButtonBase(tracker_, parent) {
    setFocusPolicy(Qt::StrongFocus);
}

TFlatSpeedButton::TFlatSpeedButton(QWidget* parent) : FlatButtonBase(tracker_, parent) {
    setFocusPolicy(Qt::NoFocus);
}

}  // namespace widgets
