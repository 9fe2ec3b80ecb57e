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
#include <QSpinBox>
#include <QToolButton>

#include "gui/main_window/DataGrid.h"
#include "gui/main_window/DataNavigator.h"
#include "gui/main_window/Dialogs.h"
#include "gui/main_window/LinePasteFilter.h"
#include "gui/main_window/MainWindowAccessibility.h"
#include "gui/main_window/MainWindowLook.h"
#include "gui/main_window/MemTableModel.h"
#include "gui/main_window/RadioGroup.h"
#include "gui/main_window/YearBox.h"
#include "gui/widgets/FlatButtons.h"
#include "gui/widgets/FlatEdit.h"
#include "labels/AppError.h"
#include "labels/CodeListFiles.h"
#include "labels/TextFile.h"
#include "labels/TodaySelection.h"

namespace gui::main_window {

using namespace look;
using gui::widgets::FlatButton;
using gui::widgets::FlatEdit;
using gui::widgets::FlatSpeedButton;

namespace {

constexpr int kCodeLength = 16;
constexpr const char* kSoundCode = "Codice fiscale formalmente corretto";
constexpr const char* kUnreadListKept =
    " La lista dei codici fiscali non sar\u00E0 salvata in cf0.txt, per non perdere quello che contiene.";

// Room left around ESCI and "+" when the window is made as small as it goes.
constexpr int kMinimumMargin = 8;

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The codes as the clipboard carries text: one a line.
QString oneCodeALine(const std::vector<std::string>& codes) {
    QString text;
    for (const std::string& code : codes) text += fromUtf8(code) + '\n';
    return text;
}

// "Il codice nuovo è stato" / "I 2 codici nuovi sono stati" + what happened to them.
QString codesWere(std::size_t count, const QString& what) {
    return (count == 1 ? QString("Il codice nuovo \u00E8 stato ")
                       : QString("I %1 codici nuovi sono stati ").arg(count)) +
           what;
}

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

// Whether the grid has the focus or not, its selected row reads white on navy.
void setSelectionColours(QWidget* grid) {
    QPalette p = grid->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(g, QPalette::Highlight, kSelection);
        p.setColor(g, QPalette::HighlightedText, kSelectedText);
    }
    grid->setPalette(p);
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
    b->setText(caption);
    b->setColor(face);
    b->setColorFocused(kYellow);
    b->setColorDown(kRed);
    b->setColorBorder(kRed);
    if (font) b->setFont(*font);
    setTextColour(b, textColour);
    return b;
}

// Every flat edit of the window: red frame, capitals, at most 16 characters.
FlatEdit* makeEdit(QWidget* parent, QRect bounds, const QColor& flat, const QFont& font) {
    auto* e = new FlatEdit(parent);
    e->setFont(font);
    e->setGeometry(bounds.left(), bounds.top(), bounds.width(), e->height());
    e->setColorFlat(flat);
    e->setColorBorder(kRed);
    e->setCharCase(gui::widgets::CharCase::Upper);
    e->setMaxLength(kCodeLength);
    setTextColour(e, kBlue);
    return e;
}

}  // namespace

MainWindow::MainWindow(labels::LabelApp& app, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), app_(app), dialogs_(dialogs) {
    setWindowTitle(kMainCaption);
    setBackground(this, kSilver);
    setFont(makeFont("MS Sans Serif", 11));
    setGeometry(195, 126, 994, 755);
    printListModel_ = new MemTableModel(app_.printList(), "giorno", true, this);
    // A code typed or pasted into the grid follows the rule of every code of the print list.
    printListModel_->setTextRule(
        [this](const std::string& text, int row) { return app_.printListCode(text, row); });
    fiscalModel_ = new MemTableModel(app_.fiscalCodes(), "codice", false, this);
    buildFiscalGroup();
    const QFont exitFont = makeFont("Arial", 16, Bold | Italic);
    exitButton = makeButton<FlatButton>(this, {824, 32, 121, 49}, "&ESCI", kYellow, &exitFont, kRed);
    buildFreeCodesGroup();
    buildFileGroups();
    buildPrintListGroup();
    buildSeriesGroup();
    exitButton->raise();  // lies above the fiscal-code group
    setTabOrder();
    connectHandlers();
    describeForAssistiveTechnology(*this);
    // Never smaller than what keeps ESCI and "+" (which gives the full height back) in reach.
    const QRect plus = fullHeightButton->geometry().translated(fiscalGroup->pos());
    setMinimumSize(std::max(exitButton->geometry().right(), plus.right()) + kMinimumMargin,
                   std::max(exitButton->geometry().bottom(), plus.bottom()) + kMinimumMargin);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildFiscalGroup() {
    fiscalGroup = makeGroup(this, {16, 16, 953, 233}, "Codici Fiscali", kBeige);
    fiscalEditLabel = makeLabel(fiscalGroup, 112, 16, "Registra e controllo");
    fiscalEdit = makeEdit(fiscalGroup, {64, 32, 289, 35}, kPaleYellow, makeFont("Halvett", 24, Bold));
    const QFont salva = makeFont("Arial", 16, Bold | Italic);
    saveButton = makeButton<FlatButton>(fiscalGroup, {152, 96, 121, 41}, "&Salva", kPaleBlue, &salva, kBlue);
    saveButton->setEnabled(false);
    inMemoryLabel = makeLabel(fiscalGroup, 152, 216, "Ora in memoria");
    inMemoryEdit = makeEdit(fiscalGroup, {56, 176, 297, 34}, kSilver, makeFont("Arial", 24, Italic));
    insertInMemoryButton = makeButton<FlatButton>(fiscalGroup, {360, 176, 41, 35}, "&I", kPaleBlue);

    fiscalGrid = new DataGrid(fiscalModel_, dialogs_, false, fiscalGroup);
    fiscalGrid->setGeometry(432, 16, 305, 129);
    fiscalGrid->setFont(makeFont("Arial", 19, Italic));
    setTextColour(fiscalGrid, kCodeRed);
    setSelectionColours(fiscalGrid);
    fiscalGrid->setColumnWidth(0, 220);
    fiscalGrid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    fiscalModel_->setAlignment(Qt::AlignCenter);

    fiscalNavigator = new DataNavigator(app_.fiscalCodes(), dialogs_, fiscalGroup);
    fiscalNavigator->setGeometry(434, 147, 300, 25);
    searchLabel = makeLabel(fiscalGroup, 456, 216, "Ricerca");
    searchEdit = makeEdit(fiscalGroup, {432, 176, 297, 35}, kBeige, makeFont("Halvett", 24, Bold));

    compactButton = makeButton<FlatSpeedButton>(fiscalGroup, {808, 88, 121, 25}, "-", kWhite);
    fullHeightButton = makeButton<FlatSpeedButton>(fiscalGroup, {808, 120, 121, 25}, "+", kWhite);
    for (auto* b : {fullHeightButton, compactButton}) {
        b->setColorFocused(kGreen);
        b->setColorBorder(kNavy);
    }
    compactButton->setToolTip("Diminuisci dimensione finestra (Alt+-)");
    fullHeightButton->setToolTip("Misura finestra standard (Alt++)");
    compactButton->setShortcut(Qt::ALT | Qt::Key_Minus);
    fullHeightButton->setShortcut(Qt::ALT | Qt::Key_Plus);
    printFiscalButton = makeButton<FlatButton>(fiscalGroup, {808, 160, 121, 49}, "Stampa C.&F.", kPaleBlue);
}

void MainWindow::buildFreeCodesGroup() {
    freeCodesGroup = makeGroup(this, {16, 256, 953, 69}, "Barcode Liberi", kBeige);
    resetButton = makeButton<FlatButton>(freeCodesGroup, {176, 24, 121, 35}, "&Reset", kPaleBlue);
    freeCodeEdit = makeEdit(freeCodesGroup, {304, 24, 289, 35}, kPaleYellow, makeFont("Halvett", 24, Bold));
    insertFreeCodeButton =
        makeButton<FlatButton>(freeCodesGroup, {608, 24, 121, 35}, "I&nserisci", kPaleBlue);
}

void MainWindow::buildFileGroups() {
    exemptionsGroup = makeGroup(this, {16, 334, 257, 193}, "Stampa Esenzioni", kBeige);
    exemptionsButton =
        makeButton<FlatButton>(exemptionsGroup, {64, 64, 121, 41}, "Codici Esen&zioni", kPaleBlue);
    oxygenGroup = makeGroup(this, {712, 334, 257, 193}, "Ossigeno", kBeige);
    setTextColour(oxygenGroup, kBlue);
    oxygenButton = makeButton<FlatButton>(oxygenGroup, {72, 64, 121, 41}, "Codici &Ossigeno", kPaleBlue);
    oxygenGroup->installEventFilter(this);
}

void MainWindow::buildPrintListGroup() {
    printListGroup = makeGroup(this, {280, 334, 425, 193}, "", kMoneyGreen);
    printListGrid = new DataGrid(printListModel_, dialogs_, true, printListGroup);
    printListGrid->setGeometry(72, 18, 281, 121);
    printListGrid->setFont(makeFont("Halvett", 15, Bold));
    QPalette p = printListGrid->palette();
    p.setColor(QPalette::Base, kBlue);
    p.setColor(QPalette::Text, kWhite);
    printListGrid->setPalette(p);
    setSelectionColours(printListGrid);
    printListGrid->setColumnWidth(0, 173);
    const QFont printFont = makeFont("Arial", 15, Bold);
    printButton = makeButton<FlatButton>(printListGroup, {152, 144, 137, 33}, "Stam&pa Su Carta ", kYellow,
                                         &printFont, kRed);
}

void MainWindow::buildSeriesGroup() {
    seriesGroup = makeGroup(this, {16, 536, 953, 169}, "Stampa barcode Ricette", kBeige);
    const QFont bold = makeFont("MS Sans Serif", 11, Bold);
    seriesLengthGroup = new RadioGroup({"53", "107", "161"}, 3, seriesGroup);
    seriesLengthGroup->setGeometry(64, 40, 281, 105);
    seriesLengthGroup->setFont(bold);
    seriesLengthGroup->setItemIndex(0);
    closingGroup = new RadioGroup({"999mm", "99999"}, 2, seriesGroup);
    closingGroup->setGeometry(344, 40, 185, 105);
    closingGroup->setFont(bold);
    closingGroup->setItemIndex(0);

    monthBox = new QComboBox(seriesGroup);
    monthBox->setEditable(true);
    monthBox->setInsertPolicy(QComboBox::NoInsert);
    monthBox->setGeometry(544, 50, 150, 30);
    for (const char* month : labels::kMonthNames) monthBox->addItem(month);
    monthBox->setCurrentIndex(0);
    yearBox = new YearBox(seriesGroup);
    yearBox->setGeometry(571, 85, 121, 32);
    yearBox->setRange(labels::kFirstYear, labels::kLastYear);
    yearBox->setValue(labels::kFirstYear);
    for (QWidget* w : std::initializer_list<QWidget*>{monthBox, yearBox}) {
        w->setFont(makeFont("Arial", 19, Bold));
        QPalette pal = w->palette();
        pal.setColor(QPalette::Base, kGreen);
        pal.setColor(QPalette::Button, kGreen);
        pal.setColor(QPalette::Text, kYellow);
        pal.setColor(QPalette::ButtonText, kYellow);
        w->setPalette(pal);
    }
    // Captions for the two selectors, which also name them for screen readers.
    monthLabel = makeLabel(seriesGroup, 546, 34, "&Mese");
    yearLabel = makeLabel(seriesGroup, 540, 94, "Anno");
    calendarButton = makeButton<FlatButton>(seriesGroup, {704, 48, 121, 41}, "C&alendario", kPaleBlue);
    seriesButton = makeButton<FlatButton>(seriesGroup, {704, 96, 121, 41}, "&Codici", kPaleBlue);
}

void MainWindow::setTabOrder() {
    QList<QWidget*> order{monthBox};
    for (int i = 0; i < seriesLengthGroup->count(); ++i) order << seriesLengthGroup->item(i);
    order << seriesButton;
    for (int i = 0; i < closingGroup->count(); ++i) order << closingGroup->item(i);
    order << calendarButton << yearBox << exemptionsButton << printListGrid << printButton << oxygenButton
          << fiscalEdit << fiscalGrid;
    for (int b = 0; b < DataNavigator::ButtonCount; ++b)
        order << fiscalNavigator->button(static_cast<DataNavigator::Button>(b));
    order << inMemoryEdit << searchEdit << saveButton << compactButton << fullHeightButton
          << printFiscalButton << insertInMemoryButton << freeCodeEdit << insertFreeCodeButton << resetButton
          << exitButton;
    for (int i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainWindow::connectHandlers() {
    using B = gui::widgets::FlatButtonBase;
    connect(printButton, &B::clicked, this, &MainWindow::onPrintClicked);
    connect(exitButton, &B::clicked, this, &MainWindow::onExitClicked);
    connect(seriesButton, &B::clicked, this, &MainWindow::onSeriesClicked);
    connect(insertFreeCodeButton, &B::clicked, this, &MainWindow::onInsertFreeCodeClicked);
    connect(resetButton, &B::clicked, this, &MainWindow::onResetClicked);
    connect(exemptionsButton, &B::clicked, this, &MainWindow::onExemptionsClicked);
    connect(oxygenButton, &B::clicked, this, &MainWindow::onOxygenClicked);
    connect(saveButton, &B::clicked, this, &MainWindow::onSaveClicked);
    connect(printFiscalButton, &B::clicked, this, &MainWindow::onPrintFiscalClicked);
    connect(calendarButton, &B::clicked, this, &MainWindow::onCalendarClicked);
    connect(insertInMemoryButton, &B::clicked, this, &MainWindow::onInsertInMemoryClicked);
    connect(compactButton, &B::clicked, this, &MainWindow::onCompactClicked);
    connect(fullHeightButton, &B::clicked, this, &MainWindow::onFullHeightClicked);

    auto seek = [this](const QString& text) { run([&] { app_.seekFiscalCode(text.toStdString()); }); };
    connect(fiscalEdit, &QLineEdit::textChanged, this, seek);
    connect(searchEdit, &QLineEdit::textChanged, this, seek);
    connect(fiscalEdit, &FlatEdit::doubleClicked, this, [this] { fiscalEdit->clear(); });
    connect(inMemoryEdit, &FlatEdit::doubleClicked, this, [this] { fiscalEdit->clear(); });
    connect(searchEdit, &FlatEdit::doubleClicked, this, [this] { searchEdit->clear(); });
    connect(freeCodeEdit, &FlatEdit::doubleClicked, this, [this] { freeCodeEdit->clear(); });
    connect(fiscalGrid, &DataGrid::rowChosen, this, &MainWindow::onFiscalCodeChosen);
    fiscalEdit->installEventFilter(this);
    auto* paste = new LinePasteFilter(freeCodeEdit);
    connect(paste, &LinePasteFilter::linesPasted, this, &MainWindow::onFreeCodeLinesPasted);
}

void MainWindow::run(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& e) {
        dialogs_.message(this, QString::fromStdString(e.what()));
    }
}

void MainWindow::setFormHeight(int h) {
    formHeight_ = h;
    // The heights count the title bar and frame, as the operator sees the window; before the
    // window manager has framed the window, a usual title bar height stands in.
    constexpr int kUsualFrame = 24;
    const int frame = std::max(kUsualFrame, frameGeometry().height() - geometry().height());
    resize(kFormWidth, h - frame);
}

void MainWindow::startUp() {
    move(0, 0);
    setFormHeight(kFullHeight);
    run([this] {
        const std::string warning = app_.start();
        if (!warning.empty()) dialogs_.message(this, fromUtf8(warning) + kUnreadListKept);
    });
    const labels::YearMonthSelection today = labels::todaysSelection();
    yearBox->setValue(today.year);
    monthBox->setCurrentIndex(today.monthIndex);
    monthBox->setFocus(Qt::OtherFocusReason);  // the first control of the tab order
}

labels::MonthIndex MainWindow::selectedMonth() const {
    // Typing over the month's text leaves no item selected.
    const int index = monthBox->findText(monthBox->currentText(), Qt::MatchExactly);
    if (index < 0) return std::nullopt;
    return index;
}

void MainWindow::onPrintClicked() {
    const labels::ReportKind kind = app_.reportKind();
    if (kind == labels::ReportKind::None || !print_) return;
    run([&] { print_(kind, this); });
}

void MainWindow::onSeriesClicked() {
    static constexpr labels::SeriesLength kLengths[] = {
        labels::SeriesLength::Short, labels::SeriesLength::Medium, labels::SeriesLength::Long};
    const labels::SeriesLength length = kLengths[std::clamp(seriesLengthGroup->itemIndex(), 0, 2)];
    const labels::ClosingKind closing =
        closingGroup->itemIndex() == 1 ? labels::ClosingKind::AllNines : labels::ClosingKind::YearBased;
    run([&] { app_.fillSeries(yearBox->value(), selectedMonth(), length, closing); });
}

void MainWindow::onCalendarClicked() {
    run([&] { app_.fillCalendar(yearBox->value(), selectedMonth()); });
}

void MainWindow::onInsertFreeCodeClicked() {
    run([&] {
        const QString text = freeCodeEdit->text();
        if (hasLineBreak(text))
            app_.insertLabelLines(text.toStdString());
        else
            app_.insertLabel(text.toStdString());
        freeCodeEdit->clear();
    });
    // The next code is typed at once, also after Alt+N.
    freeCodeEdit->setFocus(Qt::OtherFocusReason);
}

void MainWindow::onFreeCodeLinesPasted(const QString& text) {
    run([&] { app_.insertLabelLines(text.toStdString()); });
    freeCodeEdit->setFocus(Qt::OtherFocusReason);
}

void MainWindow::onInsertInMemoryClicked() {
    run([&] { app_.insertLabel(inMemoryEdit->text().toStdString()); });
}

void MainWindow::onExemptionsClicked() {
    run([&] { app_.fillExemptions(); });
}

void MainWindow::onOxygenClicked() {
    run([&] { app_.fillOxygen(); });
}

void MainWindow::onResetClicked() {
    run([&] { app_.reset(); });
}

void MainWindow::onSaveClicked() {
    run([&] {
        if (app_.saveFiscalCode(fiscalEdit->text().toStdString()) == labels::SaveOutcome::Appended)
            fiscalEdit->clear();
        saveButton->setEnabled(false);
    });
}

void MainWindow::onPrintFiscalClicked() {
    if (formHeight_ == kCompactHeight) setFormHeight(kFullHeight);
    run([&] { app_.fillFiscalCodes(); });
}

void MainWindow::onExitClicked() {
    if (closing_) return;
    closing_ = true;
    const bool leave = saveOrLetGo();
    closing_ = false;
    if (!leave) return;
    closingSaved_ = true;
    close();
}

// The fiscal codes are written; when that fails the operator chooses, as often as needed:
// retry, keep the new codes on the clipboard or in a file, leave without saving (confirmed),
// or go back to the window. The old cf0.txt is never written over by anything but a
// complete new list. True when the window may close.
bool MainWindow::saveOrLetGo() {
    QString failure = trySave();
    QString note;
    while (!failure.isEmpty()) {
        const labels::UnsavedCodes unsaved = app_.unsavedCodes();
        switch (dialogs_.failedSave(this, failure, note, !unsaved.added.empty())) {
            case FailedSaveChoice::Retry:
                failure = trySave();
                note.clear();
                break;
            case FailedSaveChoice::CopyToClipboard:
                QGuiApplication::clipboard()->setText(oneCodeALine(unsaved.added));
                note = codesWere(unsaved.added.size(), "copiati negli appunti.");
                break;
            case FailedSaveChoice::SaveToFile:
                if (const QString file = dialogs_.unsavedCodesFile(this); !file.isEmpty())
                    note = keepCodesInFile(unsaved.added, file);
                break;
            case FailedSaveChoice::LeaveWithoutSaving:
                if (dialogs_.confirm(this,
                                     "Uscire senza salvare? " + fromUtf8(labels::lostByLeaving(unsaved))))
                    return true;
                break;
            case FailedSaveChoice::Stay:
                return false;
        }
    }
    return true;
}

// "" when the fiscal codes were written (or needed no writing); what failed otherwise.
QString MainWindow::trySave() {
    try {
        app_.saveIfDirty();
        return {};
    } catch (const std::exception& e) {
        return fromUtf8(e.what());
    }
}

// Writes the codes to the operator's file; says what happened.
QString MainWindow::keepCodesInFile(const std::vector<std::string>& codes, const QString& file) {
    try {
        labels::replaceFileAtomically(file.toStdString(), labels::formatFiscalCodeList(codes));
    } catch (const labels::FileError& e) {
        return file + " non \u00E8 stato scritto: " + fromUtf8(e.cause) + ".";
    }
    return codesWere(codes.size(), "salvati in " + file + ".");
}

void MainWindow::copyToClipboardAndShow(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    inMemoryEdit->setText(clipboard->text());
}

void MainWindow::onFiscalEditFocusChanged() {
    const labels::FiscalEditOutcome outcome = app_.fiscalEditFocusChanged(fiscalEdit->text().toStdString());
    if (outcome.message) {
        const QString text =
            outcome.message->empty() ? QString(kSoundCode) : QString::fromStdString(*outcome.message);
        dialogs_.message(this, text);
    }
    fiscalEdit->setText(QString::fromStdString(outcome.editText));
    if (outcome.clipboardText)
        copyToClipboardAndShow(QString::fromStdString(*outcome.clipboardText));
    else
        inMemoryEdit->setText(fiscalEdit->text());
    if (outcome.enableSave) saveButton->setEnabled(true);
}

void MainWindow::onFiscalCodeChosen() {
    run([&] {
        const std::string code = app_.currentFiscalCode();
        if (!code.empty())
            copyToClipboardAndShow(QString::fromStdString(code));  // an empty row copies nothing
    });
}

void MainWindow::onBackgroundClicked() {
    move(pos().x(), 0);
    setFormHeight(kFullHeight);
    setFormHeight(kCompactHeight);
}

// Presses that a group, a label or a disabled button leave unhandled arrive here too; only
// one on the window's own background collapses it.
void MainWindow::mousePressEvent(QMouseEvent* e) {
    QWidget::mousePressEvent(e);
    if (!childAt(e->position().toPoint())) onBackgroundClicked();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == fiscalEdit && (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)) {
        const auto reason = static_cast<QFocusEvent*>(e)->reason();
        // A message box or another window taking the focus is not the operator leaving the edit.
        const bool windowSwitch = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
        // The check runs now, inside the focus change, so that it (and its box) is over before
        // the control that takes the focus acts on the press or key that moved it. A window
        // that is closing checks nothing: no box may outlive it.
        if (!windowSwitch && !closing_ && isVisible()) run([this] { onFiscalEditFocusChanged(); });
    }
    if (watched == oxygenGroup && e->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(e);
        if (!oxygenGroup->childAt(press->position().toPoint())) onBackgroundClicked();
    }
    return QWidget::eventFilter(watched, e);
}

void MainWindow::closeEvent(QCloseEvent* e) {
    if (closingSaved_ || closing_) {  // ESCI has saved, or its choice is still open
        e->setAccepted(closingSaved_);
        return;
    }
    // Any way of closing keeps the fiscal codes: write them when they changed.
    closing_ = true;
    closingSaved_ = saveOrLetGo();
    closing_ = closingSaved_;  // a window that closes checks nothing more
    e->setAccepted(closingSaved_);
}

}  // namespace gui::main_window
