#include "gui/preview/SheetSettingsDialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <exception>

#include "platform/qt/MessageBox.h"
#include "platform/qt/QtConvert.h"
#include "printer/qt/PrinterOffsetSettings.h"

namespace gui::preview {

using platform::qt::fromQString;
using platform::qt::toQString;

SheetSettingsDialog::SheetSettingsDialog(const SheetChoice& choice, int labelsPerSheet,
                                         const std::vector<std::string>& printers,
                                         const std::string& currentPrinter,
                                         printer::qt::PrinterOffsetSettings& offsets,
                                         TestSheetPrinter printTestSheet, QWidget* parent)
    : QDialog(parent), offsets_(offsets), printTestSheet_(std::move(printTestSheet)) {
    setWindowTitle(QString::fromUtf8(kSheetSettingsCaption));
    auto* form = new QFormLayout;

    firstLabelBox = new QSpinBox(this);
    firstLabelBox->setRange(1, std::max(labelsPerSheet, 1));
    firstLabelBox->setValue(std::clamp(choice.firstLabel, 1, std::max(labelsPerSheet, 1)));
    form->addRow(QStringLiteral("Prima etichetta del foglio:"), firstLabelBox);
    copiesBox = new QSpinBox(this);
    copiesBox->setRange(1, 99);
    copiesBox->setValue(std::clamp(choice.copies, 1, 99));
    form->addRow(QStringLiteral("Copie di ogni etichetta:"), copiesBox);
    layoutReasonLabel = new QLabel(this);
    layoutReasonLabel->setWordWrap(true);
    layoutReasonLabel->hide();
    form->addRow(layoutReasonLabel);

    printerBox = new QComboBox(this);
    for (const std::string& name : printers) printerBox->addItem(toQString(name));
    form->addRow(QStringLiteral("Stampante:"), printerBox);
    offsetXBox = offsetBox();
    form->addRow(QStringLiteral("Spostamento orizzontale:"), offsetXBox);
    offsetYBox = offsetBox();
    form->addRow(QStringLiteral("Spostamento verticale:"), offsetYBox);

    warningLabel = new QLabel(this);
    warningLabel->setWordWrap(true);
    warningLabel->hide();
    testSheetButton = new QPushButton(QStringLiteral("Stampa foglio di prova"), this);
    if (!printTestSheet_) {
        const QString why = QStringLiteral(
            "Il foglio di prova si stampa dall'anteprima delle etichette preparate "
            "nella finestra principale.");
        testSheetButton->setEnabled(false);
        testSheetButton->setToolTip(why);
        testSheetButton->setAccessibleDescription(why);
    }
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("Annulla"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(testSheetButton);
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);

    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(warningLabel);
    column->addLayout(buttons);

    const int current = printerBox->findText(toQString(currentPrinter));
    printerBox->setCurrentIndex(current >= 0 ? current : 0);
    showPrinter(printerName());
    connect(printerBox, &QComboBox::currentIndexChanged, this, [this] {
        keepShownOffset();
        showPrinter(printerName());
    });
    connect(testSheetButton, &QPushButton::clicked, this, [this] { onTestSheetClicked(); });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

QDoubleSpinBox* SheetSettingsDialog::offsetBox() {
    auto* box = new QDoubleSpinBox(this);
    box->setRange(-printer::kMaxPageOffsetMm, printer::kMaxPageOffsetMm);
    box->setSingleStep(printer::kPageOffsetStepMm);
    box->setDecimals(1);
    box->setSuffix(QStringLiteral(" mm"));
    return box;
}

SheetChoice SheetSettingsDialog::choice() const {
    return {firstLabelBox->value(), copiesBox->value()};
}

std::string SheetSettingsDialog::printerName() const {
    return fromQString(printerBox->currentText());
}

printer::PageOffset SheetSettingsDialog::offset() const {
    return {offsetXBox->value(), offsetYBox->value()};
}

// A printer's offsets come from the settings the first time it is shown, then from what the
// operator typed; a damaged stored value is said once.
void SheetSettingsDialog::showPrinter(const std::string& name) {
    shownPrinter_ = name;
    auto it = edited_.find(name);
    if (it == edited_.end()) {
        const printer::qt::OffsetReading reading = offsets_.read(name);
        if (reading.damaged) {
            const std::string message = printer::qt::damagedOffsetMessage(name);
            warningLabel->setText(toQString(std::string(1, static_cast<char>(std::toupper(message[0]))) +
                                            message.substr(1) + "."));
            warningLabel->show();
        }
        it = edited_.emplace(name, reading.offset).first;
    }
    offsetXBox->setValue(it->second.xMm);
    offsetYBox->setValue(it->second.yMm);
}

void SheetSettingsDialog::keepShownOffset() {
    if (!shownPrinter_.empty()) edited_[shownPrinter_] = offset();
}

void SheetSettingsDialog::onTestSheetClicked() {
    if (!printTestSheet_) return;
    try {
        printTestSheet_(printerName(), offset());
    } catch (const std::exception& e) {
        platform::qt::showError(e.what(), this);
    }
}

void SheetSettingsDialog::fixLayout(const QString& reason) {
    for (QSpinBox* box : {firstLabelBox, copiesBox}) {
        // The values would describe a layout the shown pages do not have.
        box->setSpecialValueText(QStringLiteral("\u2014"));
        box->setValue(box->minimum());
        box->setEnabled(false);
        box->setAccessibleDescription(reason);
    }
    layoutReasonLabel->setText(reason);
    layoutReasonLabel->show();
}

void SheetSettingsDialog::accept() {
    keepShownOffset();
    for (const auto& [name, offset] : edited_)
        if (!name.empty()) offsets_.write(name, offset);
    QDialog::accept();
}

}  // namespace gui::preview
