// "Impostazioni foglio": where a sheet starts (first label of a used sheet), how many copies
// of each label follow one another, and the calibration offsets of a printer, with the button
// that prints the test sheet. Offsets are kept per printer when the dialog is accepted.
#pragma once

#include <QDialog>
#include <functional>
#include <map>
#include <string>

#include "printer/PageOffset.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace printer::qt {
class PrinterOffsetSettings;
}

namespace gui::preview {

inline constexpr const char* kSheetSettingsCaption = "Impostazioni foglio";

struct SheetChoice {
    int firstLabel = 1;
    int copies = 1;
    friend bool operator==(const SheetChoice&, const SheetChoice&) = default;
};

class SheetSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // Prints the test sheet on the named printer with the given offset.
    using TestSheetPrinter =
        std::function<void(const std::string& printerName, const printer::PageOffset& offset)>;

    // `printers` are listed with `currentPrinter` chosen; `labelsPerSheet` bounds the first label.
    // Without `printTestSheet` there is no template to draw the test sheet from: its button is
    // disabled.
    SheetSettingsDialog(const SheetChoice& choice, int labelsPerSheet,
                        const std::vector<std::string>& printers, const std::string& currentPrinter,
                        printer::qt::PrinterOffsetSettings& offsets, TestSheetPrinter printTestSheet,
                        QWidget* parent = nullptr);

    SheetChoice choice() const;
    std::string printerName() const;
    printer::PageOffset offset() const;

    void accept() override;

    // Pages that cannot be prepared again (a report read from a file): the first label and the
    // copies are disabled, with `reason` shown under them; the offsets stay.
    void fixLayout(const QString& reason);

    QSpinBox* firstLabelBox = nullptr;
    QSpinBox* copiesBox = nullptr;
    QComboBox* printerBox = nullptr;
    QDoubleSpinBox* offsetXBox = nullptr;
    QDoubleSpinBox* offsetYBox = nullptr;
    QLabel* layoutReasonLabel = nullptr;  // why first label and copies are disabled
    QLabel* warningLabel = nullptr;
    QPushButton* testSheetButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

private:
    QDoubleSpinBox* offsetBox();
    void showPrinter(const std::string& name);
    void keepShownOffset();
    void onTestSheetClicked();

    printer::qt::PrinterOffsetSettings& offsets_;
    TestSheetPrinter printTestSheet_;
    std::map<std::string, printer::PageOffset> edited_;  // offsets shown so far, by printer
    std::string shownPrinter_;
};

}  // namespace gui::preview
