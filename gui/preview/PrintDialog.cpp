#include "gui/preview/PrintDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>

#include "gui/preview/PageSetupDialog.h"
#include "gui/preview/PrintDialogPictures.h"
#include "platform/UiText.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/QtConvert.h"
#include "prepared/PageList.h"
#include "printer/Printer.h"

namespace gui::preview {

namespace {

using platform::qt::toQString;

// Text numbers of the dialog's captions.
enum PrintFormText {
    kCaption = 53040,
    kPrinterGroup = 53041,
    kProperties = 53042,
    kCopiesGroup = 53043,
    kPagesGroup = 53044,
    kAllPages = 53045,
    kCurrentPage = 53046,
    kPageList = 53047,
    kPageListHint = 53048,
    kPrinterName = 53049,
    kCopies = 53050,
    kCollate = 53051,
    kPrintChoice = 53052,
    kChoiceAll = 53053,
    kChoiceOdd = 53054,
    kChoiceEven = 53055,
    kOk = 55000,
    kCancel = 55001,
};

// The page-filter list sits this far right of its label.
constexpr int kChoiceGap = 11;

QString text(int number) {
    return toQString(platform::uiText(number));
}

QToolButton* arrowButton(QWidget* parent, Qt::ArrowType arrow, const char* name) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAccessibleName(QString::fromUtf8(name));  // an arrow says nothing to a screen reader
    button->setFixedSize(16, 11);
    button->setAutoRepeat(true);
    return button;
}

}  // namespace

PrintDialog::PrintDialog(printer::Printer& printer, QWidget* parent,
                         std::function<void(QWidget* over)> sheetSettings)
    : QDialog(parent),
      oldPrinterIndex(printer.printerIndex()),
      printer_(printer),
      sheetSettings_(std::move(sheetSettings)) {
    setObjectName(QLatin1String(kPrintDialogObjectName));
    setWindowTitle(text(kCaption));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(createPrinterGroup());
    auto* middle = new QHBoxLayout;
    middle->addWidget(createPagesGroup(), 1);
    middle->addWidget(createCopiesGroup());
    layout->addLayout(middle);
    layout->addLayout(createBottomRow());
    fillPrinters();
    copiesEdit->setFocus();
}

QWidget* PrintDialog::createPrinterGroup() {
    printerGroup = new QGroupBox(text(kPrinterGroup), this);
    printerLabel = new QLabel(text(kPrinterName), printerGroup);
    printerBox = new QComboBox(printerGroup);
    printerBox->setObjectName(QStringLiteral("CB1"));
    printerBox->setItemDelegate(new PrinterItemDelegate(printerBox));
    printerBox->setMinimumWidth(260);
    printerLabel->setBuddy(printerBox);
    propertiesButton = new QPushButton(text(kProperties), printerGroup);
    auto* row = new QHBoxLayout(printerGroup);
    row->addWidget(printerLabel);
    row->addWidget(printerBox, 1);
    row->addWidget(propertiesButton);
    connect(printerBox, &QComboBox::activated, this, &PrintDialog::choosePrinter);
    connect(propertiesButton, &QPushButton::clicked, this, &PrintDialog::showProperties);
    return printerGroup;
}

QWidget* PrintDialog::createPagesGroup() {
    pagesGroup = new QGroupBox(text(kPagesGroup), this);
    allPagesButton = new QRadioButton(text(kAllPages), pagesGroup);
    currentPageButton = new QRadioButton(text(kCurrentPage), pagesGroup);
    pageListButton = new QRadioButton(text(kPageList), pagesGroup);
    pageListEdit = new QLineEdit(pagesGroup);
    pageListHint = new QLabel(text(kPageListHint), pagesGroup);
    pageListHint->setWordWrap(true);
    pageListEdit->setAccessibleName(QStringLiteral("Pagine"));
    pageListEdit->setAccessibleDescription(pageListHint->text());
    pageListHint->setMaximumWidth(220);
    allPagesButton->setChecked(true);
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(pageListButton);
    listRow->addWidget(pageListEdit, 1);
    auto* column = new QVBoxLayout(pagesGroup);
    column->addWidget(allPagesButton);
    column->addWidget(currentPageButton);
    column->addLayout(listRow);
    column->addWidget(pageListHint);
    connect(pageListButton, &QRadioButton::clicked, pageListEdit, [this] { pageListEdit->setFocus(); });
    pageListEdit->installEventFilter(this);
    return pagesGroup;
}

QWidget* PrintDialog::createCopiesGroup() {
    copiesGroup = new QGroupBox(text(kCopiesGroup), this);
    copiesLabel = new QLabel(text(kCopies), copiesGroup);
    copiesEdit = new QLineEdit(QStringLiteral("1"), copiesGroup);
    copiesEdit->setFixedWidth(40);
    copiesLabel->setBuddy(copiesEdit);
    copiesUpButton = arrowButton(copiesGroup, Qt::UpArrow, "Una copia in più");
    copiesDownButton = arrowButton(copiesGroup, Qt::DownArrow, "Una copia in meno");
    collateBox = new QCheckBox(copiesGroup);
    collateBox->setChecked(true);
    collateLabel = new QLabel(text(kCollate), copiesGroup);
    collateLabel->setBuddy(collateBox);
    collateLabel->installEventFilter(this);
    collatePicture = new CollatePicture(copiesGroup);

    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(copiesUpButton);
    arrows->addWidget(copiesDownButton);
    auto* copiesRow = new QHBoxLayout;
    copiesRow->addWidget(copiesLabel);
    copiesRow->addWidget(copiesEdit);
    copiesRow->addLayout(arrows);
    copiesRow->addStretch();
    auto* collateRow = new QHBoxLayout;
    collateRow->addWidget(collatePicture);
    collateRow->addWidget(collateBox);
    collateRow->addWidget(collateLabel);
    collateRow->addStretch();
    auto* column = new QVBoxLayout(copiesGroup);
    column->addLayout(copiesRow);
    column->addLayout(collateRow);

    connect(copiesUpButton, &QToolButton::clicked, this, &PrintDialog::copiesUp);
    connect(copiesDownButton, &QToolButton::clicked, this, &PrintDialog::copiesDown);
    connect(collateBox, &QCheckBox::toggled, collatePicture, &CollatePicture::setCollated);
    return copiesGroup;
}

QLayout* PrintDialog::createBottomRow() {
    printChoiceLabel = new QLabel(text(kPrintChoice), this);
    printChoiceBox = new QComboBox(this);
    printChoiceBox->addItems({text(kChoiceAll), text(kChoiceOdd), text(kChoiceEven)});
    printChoiceBox->setCurrentIndex(0);
    printChoiceLabel->setBuddy(printChoiceBox);
    okButton = new QPushButton(text(kOk), this);
    okButton->setDefault(true);
    cancelButton = new QPushButton(text(kCancel), this);
    auto* row = new QHBoxLayout;
    row->setSpacing(kChoiceGap);
    row->addWidget(printChoiceLabel);
    row->addWidget(printChoiceBox);
    row->addStretch();
    // The preview's sheet settings, on the printer chosen here, when the preview has them.
    if (sheetSettings_) {
        sheetSettingsButton = new QPushButton(QStringLiteral("Impostazioni foglio"), this);
        row->addWidget(sheetSettingsButton);
        connect(sheetSettingsButton, &QPushButton::clicked, this, [this] { sheetSettings_(this); });
    }
    row->addWidget(okButton);
    row->addWidget(cancelButton);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    return row;
}

// The platform's printers; the virtual printer at the end of the printer object's list is
// not one of them.
void PrintDialog::fillPrinters() {
    const auto& names = printer_.printerNames();
    const int platformCount = printer_.hasPlatformPrinters() ? printer_.defaultPrinterIndex() : 0;
    // The closed box shows the glyph as the item's icon; the open list draws it itself.
    const QIcon glyph(printerGlyph());
    printerBox->setIconSize(QSize(kPrinterGlyphWidth, kPrinterGlyphHeight));
    for (int i = 0; i < platformCount; ++i)
        printerBox->addItem(glyph, toQString(names[static_cast<std::size_t>(i)]));
    if (oldPrinterIndex < platformCount) {
        printerBox->setCurrentIndex(oldPrinterIndex);
    } else if (platformCount > 0) {
        // The virtual printer cannot print: the box offers the first printer that can, and
        // the output goes to it unless the dialog is cancelled.
        printerBox->setCurrentIndex(0);
        choosePrinter(0);
    }
}

void PrintDialog::setDefaults(int copies, bool collate) {
    setCopies(copies);
    collateBox->setChecked(collate);
}

std::string PrintDialog::pageList(int currentPage) const {
    if (allPagesButton->isChecked()) return {};
    if (currentPageButton->isChecked()) return std::to_string(currentPage);
    return platform::qt::fromQString(pageListEdit->text());
}

std::string PrintDialog::copiesText() const {
    return platform::qt::fromQString(copiesEdit->text());
}
bool PrintDialog::collate() const {
    return collateBox->isChecked();
}
printer::PageFilter PrintDialog::filter() const {
    return static_cast<printer::PageFilter>(printChoiceBox->currentIndex());
}

void PrintDialog::setCopies(int copies) {
    copiesEdit->setText(QString::number(copies));
}

void PrintDialog::copiesUp() {
    guarded([this] { setCopies(prepared::integerFromText(copiesText()) + 1); });
}

void PrintDialog::copiesDown() {
    guarded([this] {
        const int copies = prepared::integerFromText(copiesText());
        setCopies(copies >= 2 ? copies - 1 : 1);
    });
}

void PrintDialog::choosePrinter(int index) {
    guarded([this, index] { printer_.selectPrinter(index); });
}

void PrintDialog::showProperties() {
    guarded([this] { runPageSetupDialog(printer_, this); });
}

template <typename Step>
void PrintDialog::guarded(Step step) {
    try {
        step();
    } catch (const std::exception& e) {
        platform::qt::showError(e.what(), this);
    }
}

void PrintDialog::done(int result) {
    if (result != Accepted) guarded([this] { printer_.selectPrinter(oldPrinterIndex); });
    QDialog::done(result);
}

// Clicking the collate caption toggles the box; typing into the page list chooses it.
bool PrintDialog::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == collateLabel &&
        (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)) {
        collateBox->toggle();
        return true;
    }
    if (watched == pageListEdit && type == QEvent::FocusIn) pageListButton->setChecked(true);
    return QDialog::eventFilter(watched, event);
}

void PrintDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    copiesEdit->setFocus();
}

}  // namespace gui::preview
