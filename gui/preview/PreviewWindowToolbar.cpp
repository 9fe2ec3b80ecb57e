// The preview window's toolbar, scroll strips and zoom menu, and the buttons shown for the
// report.
#include <QActionGroup>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/preview/PageBox.h"
#include "gui/preview/PreviewHelpTexts.h"
#include "gui/preview/PreviewMemory.h"
#include "gui/preview/PreviewWindow.h"
#include "gui/preview/PrintDialogPictures.h"
#include "platform/UiText.h"
#include "platform/qt/QtConvert.h"
#include "printer/Printer.h"

namespace gui::preview {

namespace {

using platform::qt::toQString;

QString ui(int number) {
    return toQString(platform::uiText(number));
}

constexpr int kToolbarHeight = 33;
constexpr int kStripWidth = 16;
constexpr int kBottomStripHeight = 18;

struct ZoomItem {
    int tag;
    int textNumber;  // UI text, or 0 for the percentage itself
};

constexpr ZoomItem kZoomItems[] = {
    {200, 0}, {150, 0}, {100, 0}, {75, 0}, {50, 0}, {25, 0}, {10, 0}, {1, 53020}, {2, 53021}, {3, 53022},
};

QWidget* separator(QWidget* strip) {
    auto* s = new QWidget(strip);
    s->setFixedSize(8, 8);
    strip->layout()->addWidget(s);
    return s;
}

}  // namespace

QToolButton* PreviewWindow::addButton(QWidget* strip, const QString& hint, int tag) {
    auto* b = new QToolButton(strip);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::TabFocus);  // in the keyboard's reach, but a click leaves the focus
    b->setToolTip(hint);
    b->setAccessibleName(hint);  // most show only an icon
    b->setFixedHeight(kToolbarHeight - 4);
    b->setProperty("helpTag", tag);
    strip->layout()->addWidget(b);
    return b;
}

void PreviewWindow::buildToolbar(QWidget* strip) {
    strip->setFixedHeight(kToolbarHeight);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(0);
    QStyle* st = style();
    zoomBtn_ = addButton(strip, ui(53024), kTagZoom);
    zoomBtn_->setFixedWidth(53);
    separators_[0] = separator(strip);
    loadBtn_ = addButton(strip, ui(53025), kTagOpen);
    loadBtn_->setIcon(st->standardIcon(QStyle::SP_DialogOpenButton));
    saveBtn_ = addButton(strip, ui(53026), kTagSave);
    saveBtn_->setIcon(st->standardIcon(QStyle::SP_DialogSaveButton));
    printBtn_ = addButton(strip, ui(53027), kTagPrint);
    printBtn_->setIcon(QIcon(printerGlyph()));
    sheetSettingsBtn_ = addButton(strip, QStringLiteral("Impostazioni foglio"), 0);
    sheetSettingsBtn_->setText(QStringLiteral("Impostazioni foglio"));
    sheetSettingsBtn_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    separators_[1] = separator(strip);
    findBtn_ = addButton(strip, ui(53028), kTagFind);
    findBtn_->setIcon(st->standardIcon(QStyle::SP_FileDialogContentsView));
    helpBtn_ = addButton(strip, ui(53032), 0);
    helpBtn_->setText(QStringLiteral("?"));
    separators_[2] = separator(strip);
    exitBtn_ = addButton(strip, ui(53023), kTagExit);
    exitBtn_->setIcon(st->standardIcon(QStyle::SP_DialogCloseButton));
    pageSetupBtn_ = addButton(strip, QString(), kTagPrint);
    pageSetupBtn_->setAccessibleName(QStringLiteral("Imposta pagina"));
    pageSetupBtn_->setIcon(st->standardIcon(QStyle::SP_FileDialogDetailedView));
    row->addStretch(1);

    connect(zoomBtn_, &QToolButton::clicked, this, [this] { runAction(PreviewAction::ZoomMenu); });
    connect(loadBtn_, &QToolButton::clicked, this, &PreviewWindow::openPrepared);
    connect(saveBtn_, &QToolButton::clicked, this, &PreviewWindow::savePrepared);
    connect(printBtn_, &QToolButton::clicked, this, &PreviewWindow::printPages);
    connect(sheetSettingsBtn_, &QToolButton::clicked, this, [this] { openSheetSettings(); });
    connect(findBtn_, &QToolButton::clicked, this, qOverload<>(&PreviewWindow::find));
    connect(helpBtn_, &QToolButton::clicked, this, &PreviewWindow::startHelp);
    connect(exitBtn_, &QToolButton::clicked, this, [this] { runAction(PreviewAction::exit); });
}

void PreviewWindow::buildScrollStrips(QWidget* right, QWidget* bottom) {
    right->setFixedWidth(kStripWidth);
    bottom->setFixedHeight(kBottomStripHeight);
    auto* column = new QVBoxLayout(right);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    pgUp_ = new QToolButton(right);
    pgDown_ = new QToolButton(right);
    for (QToolButton* b : {pgUp_, pgDown_}) {
        b->setFixedSize(kStripWidth, kStripWidth);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRaise(true);
    }
    pgUp_->setArrowType(Qt::UpArrow);
    pgDown_->setArrowType(Qt::DownArrow);
    pgUp_->setAccessibleName(QStringLiteral("Pagina precedente"));
    pgDown_->setAccessibleName(QStringLiteral("Pagina successiva"));
    column->addWidget(box_->verticalBar(), 1);
    column->addSpacing(1);
    column->addWidget(pgUp_);
    column->addWidget(pgDown_);
    column->addSpacing(kStripWidth);  // the corner beside the bottom strip

    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    pageLabel_ = new QLabel(bottom);
    pageLabel_->setFrameShape(QFrame::Panel);
    pageLabel_->setFrameShadow(QFrame::Sunken);
    pageLabel_->setFixedWidth(110);
    pageLabel_->setAlignment(Qt::AlignCenter);
    pageLabel_->setProperty("helpTag", kTagPageText);
    row->addWidget(pageLabel_);
    row->addWidget(box_->horizontalBar(), 1);
    row->addSpacing(kStripWidth);

    connect(pgUp_, &QToolButton::clicked, box_, &PageBox::previousPage);
    connect(pgDown_, &QToolButton::clicked, box_, &PageBox::nextPage);
}

void PreviewWindow::buildMenu() {
    menu_ = new QMenu(this);
    zoomGroup_ = new QActionGroup(menu_);
    zoomGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const ZoomItem& item : kZoomItems) {
        const QString text =
            item.textNumber ? ui(item.textNumber) : QString::number(item.tag) + QLatin1Char('%');
        QAction* a = menu_->addAction(text);
        a->setCheckable(true);
        a->setData(item.tag);
        a->setChecked(item.tag == 100);
        zoomGroup_->addAction(a);
        connect(a, &QAction::triggered, this, [this, tag = item.tag] { chooseZoom(tag); });
    }
    // Page-editing items: no page editor exists, so they stay hidden.
    menu_->addSeparator()->setVisible(false);
    for (int number : {53029, 53030, 53031}) menu_->addAction(ui(number))->setVisible(false);
}

void PreviewWindow::initButtons() {
    const unsigned b = options_.buttons;
    zoomBtn_->setVisible(b & pbZoom);
    separators_[0]->setVisible(b & pbZoom);
    loadBtn_->setVisible(b & pbLoad);
    saveBtn_->setVisible(b & pbSave);
    printBtn_->setVisible(b & pbPrint);
    findBtn_->setVisible(b & pbFind);
    helpBtn_->setVisible(b & pbHelp);
    exitBtn_->setVisible(b & pbExit);
    separators_[2]->setVisible((b & pbFind) || (b & pbHelp));
    pageSetupBtn_->setVisible(b & pbPageSetup);
    sheetSettingsBtn_->setVisible(hasSheetSettings());
    const bool printers = pages_ && pages_->printer().hasPlatformPrinters();
    printBtn_->setEnabled(printers);
    pageSetupBtn_->setEnabled(printers);
    switch (options_.initialZoom) {
        case PreviewZoom::pzPageWidth:
            memory_.setLastZoom({memory_.lastZoom().zoom, ZoomMode::PageWidth});
            break;
        case PreviewZoom::pzOnePage:
            memory_.setLastZoom({memory_.lastZoom().zoom, ZoomMode::WholePage});
            break;
        case PreviewZoom::pzTwoPages:
            memory_.setLastZoom({memory_.lastZoom().zoom, ZoomMode::TwoPages});
            break;
        case PreviewZoom::pzDefault:
            break;
    }
}

QToolButton* PreviewWindow::button(int helpTag) const {
    for (QToolButton* b : {zoomBtn_, loadBtn_, saveBtn_, printBtn_, findBtn_, exitBtn_})
        if (b->property("helpTag").toInt() == helpTag) return b;
    return nullptr;
}

}  // namespace gui::preview
