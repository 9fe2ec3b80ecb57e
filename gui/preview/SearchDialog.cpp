#include "gui/preview/SearchDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/UiText.h"
#include "platform/qt/QtConvert.h"

namespace gui::preview {

namespace {
QString ui(int number) {
    return platform::qt::toQString(platform::uiText(number));
}
}  // namespace

SearchDialog::SearchDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(ui(53000));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* column = new QVBoxLayout(this);

    auto* label = new QLabel(ui(53001), this);
    searchTextEdit = new QLineEdit(this);
    label->setBuddy(searchTextEdit);
    column->addWidget(label);
    column->addWidget(searchTextEdit);

    auto* groups = new QHBoxLayout;
    auto* options = new QGroupBox(ui(53002), this);
    caseSensitiveBox = new QCheckBox(ui(53003), options);
    (new QVBoxLayout(options))->addWidget(caseSensitiveBox);
    auto* origin = new QGroupBox(ui(53004), this);
    fromFirstPageButton = new QRadioButton(ui(53005), origin);
    fromCurrentPageButton = new QRadioButton(ui(53006), origin);
    fromFirstPageButton->setChecked(true);
    auto* originColumn = new QVBoxLayout(origin);
    originColumn->addWidget(fromFirstPageButton);
    originColumn->addWidget(fromCurrentPageButton);
    groups->addWidget(options);
    groups->addWidget(origin);
    column->addLayout(groups);

    auto* buttons = new QHBoxLayout;
    okButton = new QPushButton(ui(55000), this);
    cancelButton = new QPushButton(ui(55001), this);
    okButton->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    column->addLayout(buttons);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QString SearchDialog::text() const {
    return searchTextEdit->text();
}
bool SearchDialog::caseSensitive() const {
    return caseSensitiveBox->isChecked();
}
bool SearchDialog::fromFirstPage() const {
    return fromFirstPageButton->isChecked();
}

void SearchDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    searchTextEdit->setFocus();
    searchTextEdit->selectAll();
}

}  // namespace gui::preview
