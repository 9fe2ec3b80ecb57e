// The year selector: a spin box that takes any year of up to four digits as typed and, when
// the operator leaves it, shows the nearest year of its range instead of the text (1999 becomes
// 2001, 2200 becomes 2100, an emptied box the first year), never silently the previous value.
#pragma once

#include <QSpinBox>

namespace gui::main_window {

class YearBox : public QSpinBox {
    Q_OBJECT
public:
    explicit YearBox(QWidget* parent = nullptr);

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};

}  // namespace gui::main_window
