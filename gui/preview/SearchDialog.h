// The search dialog of the preview: the text to find, case sensitivity and where to start.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace gui::preview {

class SearchDialog : public QDialog {
    Q_OBJECT
public:
    explicit SearchDialog(QWidget* parent = nullptr);

    QString text() const;
    bool caseSensitive() const;
    bool fromFirstPage() const;

    QLineEdit* searchTextEdit = nullptr;
    QCheckBox* caseSensitiveBox = nullptr;
    QRadioButton* fromFirstPageButton = nullptr;
    QRadioButton* fromCurrentPageButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace gui::preview
