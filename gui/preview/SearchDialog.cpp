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

namespace preview {

namespace {
QString ui(int number) { return platform::qt::toQString(platform::uiText(number)); }
}  // namespace

TfrPreviewSearchForm::TfrPreviewSearchForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(ui(53000));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* column = new QVBoxLayout(this);

    auto* label = new QLabel(ui(53001), this);
    Edit1 = new QLineEdit(this);
    label->setBuddy(Edit1);
    column->addWidget(label);
    column->addWidget(Edit1);

    auto* groups = new QHBoxLayout;
    auto* options = new QGroupBox(ui(53002), this);
    CB1 = new QCheckBox(ui(53003), options);
    (new QVBoxLayout(options))->addWidget(CB1);
    auto* origin = new QGroupBox(ui(53004), this);
    RB1 = new QRadioButton(ui(53005), origin);
    RB2 = new QRadioButton(ui(53006), origin);
    RB1->setChecked(true);
    auto* originColumn = new QVBoxLayout(origin);
    originColumn->addWidget(RB1);
    originColumn->addWidget(RB2);
    groups->addWidget(options);
    groups->addWidget(origin);
    column->addLayout(groups);

    auto* buttons = new QHBoxLayout;
    Button1 = new QPushButton(ui(55000), this);
    Button2 = new QPushButton(ui(55001), this);
    Button1->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    column->addLayout(buttons);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QString TfrPreviewSearchForm::text() const { return Edit1->text(); }
bool TfrPreviewSearchForm::caseSensitive() const { return CB1->isChecked(); }
bool TfrPreviewSearchForm::fromFirstPage() const { return RB1->isChecked(); }

void TfrPreviewSearchForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Edit1->setFocus();
    Edit1->selectAll();
}

}  // namespace preview
