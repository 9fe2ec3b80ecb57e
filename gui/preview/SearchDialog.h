// The search dialog of the preview: the text to find, case sensitivity and where to start.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace preview {

class TfrPreviewSearchForm : public QDialog {
    Q_OBJECT
public:
    explicit TfrPreviewSearchForm(QWidget* parent = nullptr);

    QString text() const;
    bool caseSensitive() const;
    bool fromFirstPage() const;

    QLineEdit* Edit1 = nullptr;
    QCheckBox* CB1 = nullptr;
    QRadioButton* RB1 = nullptr;
    QRadioButton* RB2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace preview
