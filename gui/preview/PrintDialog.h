// The print dialog: printer, pages (all, current, a list), copies with collation, and all /
// odd / even pages. It switches the output printer as the operator picks one and puts the
// old one back unless the dialog is accepted.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "printer/PrintSheet.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace printer {
class Printer;
}

namespace gui::preview {

class CollatePicture;

// Object name kept from the earlier windows (tests and settings find the window by it).
inline constexpr const char* kPrintDialogObjectName = "TfrPrintForm";

class PrintDialog : public QDialog {
    Q_OBJECT
public:
    // `sheetSettings`, when given, is offered as "Impostazioni foglio" and opens the
    // preview's sheet settings over this dialog.
    explicit PrintDialog(printer::Printer& printer, QWidget* parent = nullptr,
                         std::function<void(QWidget* over)> sheetSettings = {});

    // The report's DefaultCopies and DefaultCollate.
    void setDefaults(int copies, bool collate);

    // What the operator chose. The page list is "" for all pages, the number of
    // `currentPage` for the current page, else the list as typed.
    std::string pageList(int currentPage) const;
    std::string copiesText() const;
    bool collate() const;
    printer::PageFilter filter() const;

    // The small buttons beside the copies: one more, one less but never below 1. A copies
    // text that is not a number gives the conversion error.
    void copiesUp();
    void copiesDown();

    // Any result but OK puts back the printer that was current when the dialog opened.
    void done(int result) override;

    QGroupBox* printerGroup = nullptr;
    QLabel* printerLabel = nullptr;
    QComboBox* printerBox = nullptr;
    QPushButton* propertiesButton = nullptr;
    QGroupBox* pagesGroup = nullptr;
    QRadioButton* allPagesButton = nullptr;
    QRadioButton* currentPageButton = nullptr;
    QRadioButton* pageListButton = nullptr;
    QLineEdit* pageListEdit = nullptr;
    QLabel* pageListHint = nullptr;
    QGroupBox* copiesGroup = nullptr;
    QLabel* copiesLabel = nullptr;
    QLineEdit* copiesEdit = nullptr;
    QToolButton* copiesUpButton = nullptr;
    QToolButton* copiesDownButton = nullptr;
    QCheckBox* collateBox = nullptr;
    QLabel* collateLabel = nullptr;
    CollatePicture* collatePicture = nullptr;
    QLabel* printChoiceLabel = nullptr;
    QComboBox* printChoiceBox = nullptr;
    QPushButton* sheetSettingsButton = nullptr;  // only when sheet settings are offered
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    // The printer's index in the list when the dialog was created.
    const int oldPrinterIndex;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* createPrinterGroup();
    QWidget* createPagesGroup();
    QWidget* createCopiesGroup();
    QLayout* createBottomRow();
    void fillPrinters();
    void choosePrinter(int index);
    void showProperties();
    void setCopies(int copies);
    // Runs a printer or conversion step, showing its error instead of letting it escape.
    template <typename Step>
    void guarded(Step step);

    printer::Printer& printer_;
    std::function<void(QWidget* over)> sheetSettings_;
};

}  // namespace gui::preview
