// The two flat buttons: FlatButton takes the focus when pressed and has a tab stop;
// FlatSpeedButton is reached by Tab only, a click leaves the focus where it was. Each class has
// its own shared hover watch.
#pragma once

#include "gui/widgets/FlatButtonBase.h"

namespace gui::widgets {

class FlatButton : public FlatButtonBase {
    Q_OBJECT
public:
    explicit FlatButton(QWidget* parent = nullptr);

protected:
    bool takesFocusOnPress() const override { return true; }

private:
    static HoverTracker* tracker_;
};

class FlatSpeedButton : public FlatButtonBase {
    Q_OBJECT
public:
    explicit FlatSpeedButton(QWidget* parent = nullptr);

protected:
    bool takesFocusOnPress() const override { return false; }

private:
    static HoverTracker* tracker_;
};

}  // namespace gui::widgets
