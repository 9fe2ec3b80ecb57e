// A captionless, framed group of radio buttons laid out in columns, with the index of the
// checked item.
#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QRadioButton;

namespace gui::main_window {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QStringList& items, int columns, QWidget* parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);
    QRadioButton* item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    int count() const { return static_cast<int>(items_.size()); }

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    std::vector<QRadioButton*> items_;
    int columns_;
};

}  // namespace gui::main_window
