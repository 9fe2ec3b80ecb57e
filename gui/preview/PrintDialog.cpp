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

#include "platform/UiText.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/QtConvert.h"
#include "prepared/PageList.h"
#include "printer/Printer.h"
#include "gui/preview/PrintDialogPictures.h"

namespace preview {

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

QString text(int number) { return toQString(platform::uiText(number)); }

QToolButton* arrowButton(QWidget* parent, Qt::ArrowType arrow) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFixedSize(16, 11);
    button->setAutoRepeat(true);
    return button;
}

}  // namespace

TfrPrintForm::TfrPrintForm(TfrPrinter& printer, QWidget* parent)
    : QDialog(parent), OldIndex(printer.PrinterIndex()), printer_(printer) {
    setObjectName(QStringLiteral("TfrPrintForm"));
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
    E1->setFocus();
}

QWidget* TfrPrintForm::createPrinterGroup() {
    GroupBox1 = new QGroupBox(text(kPrinterGroup), this);
    Label4 = new QLabel(text(kPrinterName), GroupBox1);
    CB1 = new QComboBox(GroupBox1);
    CB1->setObjectName(QStringLiteral("CB1"));
    CB1->setItemDelegate(new PrinterItemDelegate(CB1));
    CB1->setMinimumWidth(260);
    Label4->setBuddy(CB1);
    PropButton = new QPushButton(text(kProperties), GroupBox1);
    auto* row = new QHBoxLayout(GroupBox1);
    row->addWidget(Label4);
    row->addWidget(CB1, 1);
    row->addWidget(PropButton);
    connect(CB1, &QComboBox::activated, this, &TfrPrintForm::choosePrinter);
    connect(PropButton, &QPushButton::clicked, this, &TfrPrintForm::showProperties);
    return GroupBox1;
}

QWidget* TfrPrintForm::createPagesGroup() {
    GroupBox2 = new QGroupBox(text(kPagesGroup), this);
    RB1 = new QRadioButton(text(kAllPages), GroupBox2);
    RB2 = new QRadioButton(text(kCurrentPage), GroupBox2);
    RB3 = new QRadioButton(text(kPageList), GroupBox2);
    E2 = new QLineEdit(GroupBox2);
    Label2 = new QLabel(text(kPageListHint), GroupBox2);
    Label2->setWordWrap(true);
    Label2->setMaximumWidth(220);
    RB1->setChecked(true);
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(RB3);
    listRow->addWidget(E2, 1);
    auto* column = new QVBoxLayout(GroupBox2);
    column->addWidget(RB1);
    column->addWidget(RB2);
    column->addLayout(listRow);
    column->addWidget(Label2);
    connect(RB3, &QRadioButton::clicked, E2, [this] { E2->setFocus(); });
    E2->installEventFilter(this);
    return GroupBox2;
}

QWidget* TfrPrintForm::createCopiesGroup() {
    GroupBox3 = new QGroupBox(text(kCopiesGroup), this);
    Label1 = new QLabel(text(kCopies), GroupBox3);
    E1 = new QLineEdit(QStringLiteral("1"), GroupBox3);
    E1->setFixedWidth(40);
    Label1->setBuddy(E1);
    UpButton = arrowButton(GroupBox3, Qt::UpArrow);
    DownButton = arrowButton(GroupBox3, Qt::DownArrow);
    CollateCB = new QCheckBox(GroupBox3);
    CollateCB->setChecked(true);
    Label3 = new QLabel(text(kCollate), GroupBox3);
    Label3->setBuddy(CollateCB);
    Label3->installEventFilter(this);
    PB1 = new CollatePicture(GroupBox3);

    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(UpButton);
    arrows->addWidget(DownButton);
    auto* copiesRow = new QHBoxLayout;
    copiesRow->addWidget(Label1);
    copiesRow->addWidget(E1);
    copiesRow->addLayout(arrows);
    copiesRow->addStretch();
    auto* collateRow = new QHBoxLayout;
    collateRow->addWidget(PB1);
    collateRow->addWidget(CollateCB);
    collateRow->addWidget(Label3);
    collateRow->addStretch();
    auto* column = new QVBoxLayout(GroupBox3);
    column->addLayout(copiesRow);
    column->addLayout(collateRow);

    connect(UpButton, &QToolButton::clicked, this, &TfrPrintForm::copiesUp);
    connect(DownButton, &QToolButton::clicked, this, &TfrPrintForm::copiesDown);
    connect(CollateCB, &QCheckBox::toggled, PB1, &CollatePicture::setCollated);
    return GroupBox3;
}

QLayout* TfrPrintForm::createBottomRow() {
    Label5 = new QLabel(text(kPrintChoice), this);
    CB2 = new QComboBox(this);
    CB2->addItems({text(kChoiceAll), text(kChoiceOdd), text(kChoiceEven)});
    CB2->setCurrentIndex(0);
    Label5->setBuddy(CB2);
    Button1 = new QPushButton(text(kOk), this);
    Button1->setDefault(true);
    Button2 = new QPushButton(text(kCancel), this);
    auto* row = new QHBoxLayout;
    row->setSpacing(kChoiceGap);
    row->addWidget(Label5);
    row->addWidget(CB2);
    row->addStretch();
    row->addWidget(Button1);
    row->addWidget(Button2);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    return row;
}

// The platform's printers; the virtual printer at the end of the printer object's list is
// not one of them.
void TfrPrintForm::fillPrinters() {
    const auto& names = printer_.PrinterNames();
    const int platformCount = printer_.HasPlatformPrinters() ? printer_.DefaultPrinterIndex() : 0;
    // The closed box shows the glyph as the item's icon; the open list draws it itself.
    const QIcon glyph(printerGlyph());
    CB1->setIconSize(QSize(kPrinterGlyphWidth, kPrinterGlyphHeight));
    for (int i = 0; i < platformCount; ++i) CB1->addItem(glyph, toQString(names[static_cast<std::size_t>(i)]));
    CB1->setCurrentIndex(OldIndex < platformCount ? OldIndex : -1);
}

void TfrPrintForm::setDefaults(int copies, bool collate) {
    setCopies(copies);
    CollateCB->setChecked(collate);
}

std::string TfrPrintForm::pageList(int currentPage) const {
    if (RB1->isChecked()) return {};
    if (RB2->isChecked()) return std::to_string(currentPage);
    return platform::qt::fromQString(E2->text());
}

std::string TfrPrintForm::copiesText() const { return platform::qt::fromQString(E1->text()); }
bool TfrPrintForm::collate() const { return CollateCB->isChecked(); }
PageFilter TfrPrintForm::filter() const { return static_cast<PageFilter>(CB2->currentIndex()); }

void TfrPrintForm::setCopies(int copies) { E1->setText(QString::number(copies)); }

void TfrPrintForm::copiesUp() {
    guarded([this] { setCopies(integerFromText(copiesText()) + 1); });
}

void TfrPrintForm::copiesDown() {
    guarded([this] {
        const int copies = integerFromText(copiesText());
        setCopies(copies >= 2 ? copies - 1 : 1);
    });
}

void TfrPrintForm::choosePrinter(int index) {
    guarded([this, index] { printer_.SelectPrinter(index); });
}

void TfrPrintForm::showProperties() {
    guarded([this] { printer_.PrinterSetupDialog(); });
}

template <typename Step>
void TfrPrintForm::guarded(Step step) {
    try {
        step();
    } catch (const std::exception& e) {
        platform::qt::showError(e.what(), this);
    }
}

void TfrPrintForm::done(int result) {
    if (result != Accepted) guarded([this] { printer_.SelectPrinter(OldIndex); });
    QDialog::done(result);
}

// Clicking the collate caption toggles the box; typing into the page list chooses it.
bool TfrPrintForm::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == Label3 && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)) {
        CollateCB->toggle();
        return true;
    }
    if (watched == E2 && type == QEvent::FocusIn) RB3->setChecked(true);
    return QDialog::eventFilter(watched, event);
}

void TfrPrintForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    E1->setFocus();
}

}  // namespace preview
