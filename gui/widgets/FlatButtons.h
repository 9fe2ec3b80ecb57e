// The two flat buttons: TFlatButton takes the focus and has a tab stop; TFlatSpeedButton never
// takes the focus. Each class has its own shared hover watch.
#pragma once

#include "gui/widgets/FlatButtonBase.h"

namespace widgets {

class TFlatButton : public FlatButtonBase {
    Q_OBJECT
public:
    explicit TFlatButton(QWidget* parent = nullptr);

protected:
    bool takesFocusOnPress() const override { return true; }

private:
    static HoverTracker* tracker_;
};

class TFlatSpeedButton : public FlatButtonBase {
    Q_OBJECT
public:
    explicit TFlatSpeedButton(QWidget* parent = nullptr);

protected:
    bool takesFocusOnPress() const override { return false; }

private:
    static HoverTracker* tracker_;
};

}  // namespace widgets
