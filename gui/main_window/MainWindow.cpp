#include "gui/main_window/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QSpinBox>

#include "labels/TodaySelection.h"
#include "gui/main_window/DataGrid.h"
#include "gui/main_window/DataNavigator.h"
#include "gui/main_window/Dialogs.h"
#include "gui/main_window/MainWindowLook.h"
#include "gui/main_window/MemTableModel.h"
#include "gui/main_window/RadioGroup.h"
#include "gui/widgets/FlatButtons.h"
#include "gui/widgets/FlatEdit.h"

namespace app {

using namespace look;
using widgets::TFlatButton;
using widgets::TFlatEdit;
using widgets::TFlatSpeedButton;

namespace {

constexpr int kCodeLength = 16;
constexpr const char* kSoundCode = "Codice fiscale formalmente corretto";

void setBackground(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setTextColour(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}

QGroupBox* makeGroup(QWidget* parent, QRect bounds, const QString& caption, const QColor& colour) {
    auto* g = new QGroupBox(caption, parent);
    g->setGeometry(bounds);
    setBackground(g, colour);
    return g;
}

QLabel* makeLabel(QWidget* parent, int left, int top, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->move(left, top);
    l->adjustSize();
    return l;
}

// Every flat button of the window: yellow under the mouse, red when pressed, red frame.
template <class Button>
Button* makeButton(QWidget* parent, QRect bounds, const QString& caption, const QColor& face,
                   const QFont* font = nullptr, const QColor& textColour = Qt::black) {
    auto* b = new Button(parent);
    b->setGeometry(bounds);
    b->setCaption(caption);
    b->setColor(face);
    b->setColorFocused(kYellow);
    b->setColorDown(kRed);
    b->setColorBorder(kRed);
    if (font) b->setFont(*font);
    setTextColour(b, textColour);
    return b;
}

// Every flat edit of the window: red frame, capitals, at most 16 characters.
TFlatEdit* makeEdit(QWidget* parent, QRect bounds, const QColor& flat, const QFont& font) {
    auto* e = new TFlatEdit(parent);
    e->setFont(font);
    e->setGeometry(bounds.left(), bounds.top(), bounds.width(), e->height());
    e->setColorFlat(flat);
    e->setColorBorder(kRed);
    e->setCharCase(widgets::CharCase::Upper);
    e->setMaxLength(kCodeLength);
    setTextColour(e, kBlue);
    return e;
}

}  // namespace

TForm1::TForm1(LabelApp& app, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), app_(app), dialogs_(dialogs) {
    setWindowTitle(kMainCaption);
    setBackground(this, kSilver);
    setFont(makeFont("MS Sans Serif", 11));
    setGeometry(195, 126, 994, 755);
    printListModel_ = new MemTableModel(app_.printList(), "giorno", true, this);
    fiscalModel_ = new MemTableModel(app_.fiscalCodes(), "codice", false, this);
    buildFiscalGroup();
    const QFont exitFont = makeFont("Arial", 16, Bold | Italic);
    FlatButton2 = makeButton<TFlatButton>(this, {824, 32, 121, 49}, "&ESCI", kYellow, &exitFont, kRed);
    buildFreeCodesGroup();
    buildFileGroups();
    buildPrintListGroup();
    buildSeriesGroup();
    FlatButton2->raise();  // lies above the fiscal-code group
    setTabOrder();
    connectHandlers();
}

TForm1::~TForm1() = default;

void TForm1::buildFiscalGroup() {
    GroupBox5 = makeGroup(this, {16, 16, 953, 233}, "Codici Fiscali", kBeige);
    Label4 = makeLabel(GroupBox5, 112, 16, "Registra e controllo");
    FlatEdit1 = makeEdit(GroupBox5, {64, 32, 289, 35}, kPaleYellow, makeFont("Halvett", 24, Bold));
    const QFont salva = makeFont("Arial", 16, Bold | Italic);
    FlatButton8 = makeButton<TFlatButton>(GroupBox5, {152, 96, 121, 41}, "&Salva", kPaleBlue, &salva, kBlue);
    FlatButton8->setEnabled(false);
    Label2 = makeLabel(GroupBox5, 152, 216, "Ora in memoria");
    FlatEdit2 = makeEdit(GroupBox5, {56, 176, 297, 34}, kSilver, makeFont("Arial", 24, Italic));
    FlatButton11 = makeButton<TFlatButton>(GroupBox5, {360, 176, 41, 35}, "&I", kPaleBlue);

    DBGrid1 = new DataGrid(fiscalModel_, dialogs_, false, GroupBox5);
    DBGrid1->setGeometry(432, 16, 305, 129);
    DBGrid1->setFont(makeFont("Arial", 19, Italic));
    setTextColour(DBGrid1, kRed);
    DBGrid1->setColumnWidth(0, 220);
    DBGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    DBGrid1->setStyleSheet("QTableView::item { qproperty-alignment: AlignCenter; }");

    DBNavigator1 = new DataNavigator(app_.fiscalCodes(), dialogs_, GroupBox5);
    DBNavigator1->setGeometry(434, 147, 300, 25);
    Label5 = makeLabel(GroupBox5, 456, 216, "Ricerca");
    FlatEdit3 = makeEdit(GroupBox5, {432, 176, 297, 35}, kBeige, makeFont("Halvett", 24, Bold));

    FlatSpeedButton2 = makeButton<TFlatSpeedButton>(GroupBox5, {808, 88, 121, 25}, "-", kWhite);
    FlatSpeedButton1 = makeButton<TFlatSpeedButton>(GroupBox5, {808, 120, 121, 25}, "+", kWhite);
    for (auto* b : {FlatSpeedButton1, FlatSpeedButton2}) {
        b->setColorFocused(kGreen);
        b->setColorBorder(kNavy);
    }
    FlatSpeedButton2->setToolTip("Diminuisci dimenesione finestra");
    FlatSpeedButton1->setToolTip("Misura finestra Standard");
    FlatButton9 = makeButton<TFlatButton>(GroupBox5, {808, 160, 121, 49}, "Stampa C.&F.", kPaleBlue);
}

void TForm1::buildFreeCodesGroup() {
    GroupBox6 = makeGroup(this, {16, 256, 953, 69}, "Barcode Liberi", kBeige);
    FlatButton5 = makeButton<TFlatButton>(GroupBox6, {176, 24, 121, 35}, "&Reset", kPaleBlue);
    FlatEdit4 = makeEdit(GroupBox6, {304, 24, 289, 35}, kPaleYellow, makeFont("Halvett", 24, Bold));
    FlatButton4 = makeButton<TFlatButton>(GroupBox6, {608, 24, 121, 35}, "I&nserisci", kPaleBlue);
}

void TForm1::buildFileGroups() {
    GroupBox2 = makeGroup(this, {16, 334, 257, 193}, "Stampa Esenzioni", kBeige);
    FlatButton6 = makeButton<TFlatButton>(GroupBox2, {64, 64, 121, 41}, "Codici Esen&zioni", kPaleBlue);
    GroupBox4 = makeGroup(this, {712, 334, 257, 193}, "Ossigeno", kBeige);
    setTextColour(GroupBox4, kBlue);
    FlatButton7 = makeButton<TFlatButton>(GroupBox4, {72, 64, 121, 41}, "Codici &Ossigeno", kPaleBlue);
    GroupBox4->installEventFilter(this);
}

void TForm1::buildPrintListGroup() {
    GroupBox3 = makeGroup(this, {280, 334, 425, 193}, "", kMoneyGreen);
    DBGrid2 = new DataGrid(printListModel_, dialogs_, true, GroupBox3);
    DBGrid2->setGeometry(72, 18, 281, 121);
    DBGrid2->setFont(makeFont("Halvett", 15, Bold));
    QPalette p = DBGrid2->palette();
    p.setColor(QPalette::Base, kBlue);
    p.setColor(QPalette::Text, kWhite);
    DBGrid2->setPalette(p);
    DBGrid2->setColumnWidth(0, 173);
    const QFont printFont = makeFont("Arial", 15, Bold);
    FlatButton1 = makeButton<TFlatButton>(GroupBox3, {152, 144, 137, 33}, "Stam&pa Su Carta ", kYellow,
                                          &printFont, kRed);
}

void TForm1::buildSeriesGroup() {
    GroupBox1 = makeGroup(this, {16, 536, 953, 169}, "Stampa barcode Ricette", kBeige);
    const QFont bold = makeFont("MS Sans Serif", 11, Bold);
    RadioGroup1 = new RadioGroup({"53", "107", "161"}, 3, GroupBox1);
    RadioGroup1->setGeometry(64, 40, 281, 105);
    RadioGroup1->setFont(bold);
    RadioGroup1->setItemIndex(0);
    RadioGroup2 = new RadioGroup({"999mm", "99999"}, 2, GroupBox1);
    RadioGroup2->setGeometry(344, 40, 185, 105);
    RadioGroup2->setFont(bold);
    RadioGroup2->setItemIndex(0);

    ComboBox1 = new QComboBox(GroupBox1);
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setGeometry(544, 50, 150, 30);
    for (const char* month : kMonthNames) ComboBox1->addItem(month);
    ComboBox1->setCurrentIndex(0);
    SpinEdit1 = new QSpinBox(GroupBox1);
    SpinEdit1->setGeometry(571, 85, 121, 32);
    SpinEdit1->setRange(kFirstYear, kLastYear);
    SpinEdit1->setValue(kFirstYear);
    for (QWidget* w : std::initializer_list<QWidget*>{ComboBox1, SpinEdit1}) {
        w->setFont(makeFont("Arial", 19, Bold));
        QPalette pal = w->palette();
        pal.setColor(QPalette::Base, kGreen);
        pal.setColor(QPalette::Button, kGreen);
        pal.setColor(QPalette::Text, kYellow);
        pal.setColor(QPalette::ButtonText, kYellow);
        w->setPalette(pal);
    }
    FlatButton10 = makeButton<TFlatButton>(GroupBox1, {704, 48, 121, 41}, "C&alendario", kPaleBlue);
    FlatButton3 = makeButton<TFlatButton>(GroupBox1, {704, 96, 121, 41}, "&Codici", kPaleBlue);
}

void TForm1::setTabOrder() {
    QList<QWidget*> order{ComboBox1};
    for (int i = 0; i < RadioGroup1->count(); ++i) order << RadioGroup1->item(i);
    order << FlatButton3;
    for (int i = 0; i < RadioGroup2->count(); ++i) order << RadioGroup2->item(i);
    order << FlatButton10 << SpinEdit1 << FlatButton6 << DBGrid2 << FlatButton1 << FlatButton7
          << FlatEdit1 << DBGrid1;
    for (int b = 0; b < DataNavigator::ButtonCount; ++b)
        order << DBNavigator1->button(static_cast<DataNavigator::Button>(b));
    order << FlatEdit2 << FlatEdit3 << FlatButton8 << FlatButton9 << FlatButton11 << FlatEdit4
          << FlatButton4 << FlatButton5 << FlatButton2;
    for (int i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void TForm1::connectHandlers() {
    using B = widgets::FlatButtonBase;
    connect(FlatButton1, &B::clicked, this, &TForm1::FlatButton1Click);
    connect(FlatButton2, &B::clicked, this, &TForm1::Button2Click);
    connect(FlatButton3, &B::clicked, this, &TForm1::Button1Click);
    connect(FlatButton4, &B::clicked, this, &TForm1::Button3Click);
    connect(FlatButton5, &B::clicked, this, &TForm1::Button5Click);
    connect(FlatButton6, &B::clicked, this, &TForm1::Button4Click);
    connect(FlatButton7, &B::clicked, this, &TForm1::Button6Click);
    connect(FlatButton8, &B::clicked, this, &TForm1::Button7Click);
    connect(FlatButton9, &B::clicked, this, &TForm1::Button8Click);
    connect(FlatButton10, &B::clicked, this, &TForm1::FlatButton10Click);
    connect(FlatButton11, &B::clicked, this, &TForm1::FlatButton11Click);
    connect(FlatSpeedButton2, &B::clicked, this, &TForm1::BitBtn1Click);
    connect(FlatSpeedButton1, &B::clicked, this, &TForm1::BitBtn2Click);

    auto seek = [this](const QString& text) { run([&] { app_.seekFiscalCode(text.toStdString()); }); };
    connect(FlatEdit1, &QLineEdit::textChanged, this, seek);
    connect(FlatEdit3, &QLineEdit::textChanged, this, seek);
    connect(FlatEdit1, &TFlatEdit::doubleClicked, this, [this] { FlatEdit1->clear(); });
    connect(FlatEdit2, &TFlatEdit::doubleClicked, this, [this] { FlatEdit1->clear(); });
    connect(FlatEdit3, &TFlatEdit::doubleClicked, this, [this] { FlatEdit3->clear(); });
    connect(FlatEdit4, &TFlatEdit::doubleClicked, this, [this] { FlatEdit4->clear(); });
    connect(DBGrid1, &DataGrid::doubleClickedRow, this, &TForm1::DBGrid1DblClick);
    FlatEdit1->installEventFilter(this);
}

void TForm1::run(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& e) {
        dialogs_.message(this, QString::fromStdString(e.what()));
    }
}

void TForm1::setFormHeight(int h) {
    formHeight_ = h;
    // The heights count the title bar and frame, as the operator sees the window; before the
    // window manager has framed the window, a usual title bar height stands in.
    constexpr int kUsualFrame = 24;
    const int frame = std::max(kUsualFrame, frameGeometry().height() - geometry().height());
    resize(kFormWidth, h - frame);
}

void TForm1::FormActivate() {
    move(0, 0);
    setFormHeight(kFullHeight);
    run([this] {
        const std::string warning = app_.start();
        if (!warning.empty()) dialogs_.message(this, QString::fromStdString(warning));
    });
    const YearMonthSelection today = todaysSelection();
    SpinEdit1->setValue(today.year);
    ComboBox1->setCurrentIndex(today.monthIndex);
    ComboBox1->setFocus(Qt::OtherFocusReason);  // the first control of the tab order
}

MonthIndex TForm1::selectedMonth() const {
    // Typing over the month's text leaves no item selected.
    const int index = ComboBox1->findText(ComboBox1->currentText(), Qt::MatchExactly);
    if (index < 0) return std::nullopt;
    return index;
}

void TForm1::FlatButton1Click() {
    const ReportKind kind = app_.reportKind();
    if (kind == ReportKind::None || !print_) return;
    run([&] { print_(kind, this); });
}

void TForm1::Button1Click() {
    static constexpr SeriesLength kLengths[] = {SeriesLength::Short, SeriesLength::Medium, SeriesLength::Long};
    const SeriesLength length = kLengths[std::clamp(RadioGroup1->itemIndex(), 0, 2)];
    const ClosingKind closing = RadioGroup2->itemIndex() == 1 ? ClosingKind::AllNines : ClosingKind::YearBased;
    run([&] { app_.fillSeries(SpinEdit1->value(), selectedMonth(), length, closing); });
}

void TForm1::FlatButton10Click() {
    run([&] { app_.fillCalendar(SpinEdit1->value(), selectedMonth()); });
}

void TForm1::Button3Click() {
    run([&] {
        app_.insertLabel(FlatEdit4->text().toStdString());
        FlatEdit4->clear();
    });
}

void TForm1::FlatButton11Click() {
    run([&] { app_.insertLabel(FlatEdit2->text().toStdString()); });
}

void TForm1::Button4Click() {
    run([&] { app_.fillExemptions(); });
}

void TForm1::Button6Click() {
    run([&] { app_.fillOxygen(); });
}

void TForm1::Button5Click() {
    run([&] { app_.reset(); });
}

void TForm1::Button7Click() {
    run([&] {
        if (app_.saveFiscalCode(FlatEdit1->text().toStdString()) == SaveOutcome::Appended) FlatEdit1->clear();
        FlatButton8->setEnabled(false);
    });
}

void TForm1::Button8Click() {
    if (formHeight_ == kCompactHeight) setFormHeight(kFullHeight);
    run([&] { app_.fillFiscalCodes(); });
}

void TForm1::Button2Click() {
    bool saved = false;
    run([&] {
        app_.exitCommand();
        saved = true;
    });
    if (!saved) return;  // the list could not be written: stay open, nothing is lost
    closingSaved_ = true;
    close();
}

void TForm1::copyToClipboardAndShow(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    FlatEdit2->setText(clipboard->text());
}

void TForm1::FlatEdit1Exit() {
    const FiscalEditOutcome outcome = app_.fiscalEditFocusChanged(FlatEdit1->text().toStdString());
    if (outcome.message) {
        const QString text = outcome.message->empty() ? QString(kSoundCode)
                                                      : QString::fromStdString(*outcome.message);
        dialogs_.message(this, text);
    }
    FlatEdit1->setText(QString::fromStdString(outcome.editText));
    copyToClipboardAndShow(QString::fromStdString(outcome.clipboardText));
    if (outcome.enableSave) FlatButton8->setEnabled(true);
}

void TForm1::DBGrid1DblClick() {
    run([&] { copyToClipboardAndShow(QString::fromStdString(app_.currentFiscalCode())); });
}

void TForm1::FormClick() {
    move(pos().x(), 0);
    setFormHeight(kFullHeight);
    setFormHeight(kCompactHeight);
}

void TForm1::mousePressEvent(QMouseEvent* e) {
    QWidget::mousePressEvent(e);
    FormClick();
}

bool TForm1::eventFilter(QObject* watched, QEvent* e) {
    if (watched == FlatEdit1 && (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)) {
        const auto reason = static_cast<QFocusEvent*>(e)->reason();
        // A message box or another window taking the focus is not the operator leaving the edit.
        const bool windowSwitch = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
        if (!windowSwitch) QMetaObject::invokeMethod(this, &TForm1::FlatEdit1Exit, Qt::QueuedConnection);
    }
    if (watched == GroupBox4 && e->type() == QEvent::MouseButtonPress) FormClick();
    return QWidget::eventFilter(watched, e);
}

void TForm1::closeEvent(QCloseEvent* e) {
    if (closingSaved_) {
        e->accept();
        return;
    }
    // Any way of closing keeps the fiscal codes: write them when they changed.
    try {
        app_.onClose();
    } catch (const std::exception& err) {
        const QString question = QString::fromStdString(err.what()) +
                                 "\n\nChiudere comunque? Le modifiche ai codici fiscali andranno perse.";
        if (!dialogs_.confirm(this, question)) {
            e->ignore();
            return;
        }
    }
    e->accept();
}

}  // namespace app
