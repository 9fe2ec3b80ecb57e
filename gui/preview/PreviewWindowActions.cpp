// The preview window's key commands, its zoom choice, and its toolbar and page counter
// following the page area.
#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include "gui/preview/PageBox.h"
#include "gui/preview/PreviewMemory.h"
#include "gui/preview/PreviewWindow.h"
#include "platform/UiText.h"
#include "platform/qt/QtConvert.h"

namespace gui::preview {

QString PreviewWindow::pageText() const {
    return pageLabel_->text();
}
QString PreviewWindow::zoomCaption() const {
    return zoomBtn_->text();
}

int PreviewWindow::checkedZoomTag() const {
    const QAction* a = zoomGroup_->checkedAction();
    return a ? a->data().toInt() : 0;
}

void PreviewWindow::showFromStart() {
    box_->showFromStart(memory_.lastZoom());
}

void PreviewWindow::updatePageText() {
    if (!pages_) {
        pageLabel_->clear();
        return;
    }
    pageLabel_->setText(platform::qt::toQString(platform::uiText(55004)) + QLatin1Char(' ') +
                        QString::number(box_->currentPage()) + QLatin1Char('/') +
                        QString::number(pages_->count()));
}

void PreviewWindow::showZoom(double zoom, ZoomMode mode) {
    const int tag = mode == ZoomMode::Fixed ? zoomPercent(zoom) : static_cast<int>(mode);
    for (QAction* a : zoomGroup_->actions()) a->setChecked(a->data().toInt() == tag);
    zoomBtn_->setText(QString::number(zoomPercent(zoom)) + QLatin1Char('%'));
    if (isVisible()) focusPageArea();
}

void PreviewWindow::chooseZoom(int tag) {
    if (!pages_) return;
    const bool mode = tag >= 1 && tag <= 3;
    box_->chooseZoom(mode ? ZoomChoice{box_->zoom(), static_cast<ZoomMode>(tag)}
                          : ZoomChoice{tag / 100.0, ZoomMode::Fixed});
    memory_.setLastZoom({box_->zoom(), box_->zoomMode()});
}

void PreviewWindow::runAction(PreviewAction action) {
    if (box_->moveView(action)) return;
    switch (action) {
        case PreviewAction::ZoomMenu:
            if (zoomBtn_->isVisible() || !isVisible())
                menu_->popup(zoomBtn_->mapToGlobal(QPoint(0, zoomBtn_->height())));
            break;
        case PreviewAction::exit:
            if (options_.modal)
                accept();
            else
                close();
            break;
        case PreviewAction::SearchAgain:
            searchAgain();
            break;
        case PreviewAction::Open:
            openPrepared();
            break;
        case PreviewAction::Save:
            savePrepared();
            break;
        case PreviewAction::Print:
            if (printBtn_->isEnabled()) printPages();
            break;
        case PreviewAction::Find:
            find();
            break;
        default:
            break;  // no page editor in this program; the page area's moves are done above
    }
}

}  // namespace gui::preview
