// The print dialog: printer, pages (all, current, a list), copies with collation, and all /
// odd / even pages. It switches the output printer as the operator picks one and puts the
// old one back unless the dialog is accepted.
#pragma once

#include <QDialog>
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

namespace preview {

class CollatePicture;
class TfrPrinter;

class TfrPrintForm : public QDialog {
    Q_OBJECT
public:
    explicit TfrPrintForm(TfrPrinter& printer, QWidget* parent = nullptr);

    // The report's DefaultCopies and DefaultCollate.
    void setDefaults(int copies, bool collate);

    // What the operator chose. The page list is "" for all pages, the number of
    // `currentPage` for the current page, else the list as typed.
    std::string pageList(int currentPage) const;
    std::string copiesText() const;
    bool collate() const;
    PageFilter filter() const;

    // The small buttons beside the copies: one more, one less but never below 1. A copies
    // text that is not a number gives the conversion error.
    void copiesUp();
    void copiesDown();

    // Any result but OK puts back the printer that was current when the dialog opened.
    void done(int result) override;

    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* CB1 = nullptr;
    QPushButton* PropButton = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QRadioButton* RB1 = nullptr;
    QRadioButton* RB2 = nullptr;
    QRadioButton* RB3 = nullptr;
    QLineEdit* E2 = nullptr;
    QLabel* Label2 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* E1 = nullptr;
    QToolButton* UpButton = nullptr;
    QToolButton* DownButton = nullptr;
    QCheckBox* CollateCB = nullptr;
    QLabel* Label3 = nullptr;
    CollatePicture* PB1 = nullptr;
    QLabel* Label5 = nullptr;
    QComboBox* CB2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    // The printer's index in the list when the dialog was created.
    const int OldIndex;

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

    TfrPrinter& printer_;
};

}  // namespace preview
