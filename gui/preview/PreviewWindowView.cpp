// The preview window's desk: zoom and layout, scrolling, painting the pages, mouse and keys.
#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>
#include <exception>

#include "gui/preview/PageBox.h"
#include "gui/preview/PreviewMemory.h"
#include "gui/preview/PreviewWindow.h"
#include "platform/UiText.h"
#include "platform/qt/QPainterCanvas.h"
#include "platform/qt/QtConvert.h"

namespace gui::preview {

namespace {

const QColor kDeskGrey(128, 128, 128);
// Pages starting further below the view's top than this never count as in view.
constexpr int kInViewReach = 2000;

QRect toQRect(const platform::Rect& r) {
    return {r.left, r.top, r.width(), r.height()};
}

platform::Size paperPixels(const prepared::PreparedPage& page) {
    return {page.geometry.paperWidthPx, page.geometry.paperHeightPx};
}

}  // namespace

platform::Size PreviewWindow::boxSize() const {
    return {box_->width(), box_->height()};
}
int PreviewWindow::horizontalPosition() const {
    return hbar_->value();
}
int PreviewWindow::verticalPosition() const {
    return vbar_->value();
}

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

platform::Point PreviewWindow::deskPoint(QPoint at) const {
    return {at.x() + hbar_->value(), at.y() + vbar_->value()};
}

platform::Rect PreviewWindow::onScreen(const platform::Rect& desk) const {
    const int dx = hbar_->value(), dy = vbar_->value();
    return {desk.left - dx, desk.top - dy, desk.right - dx, desk.bottom - dy};
}

void PreviewWindow::checkZoomItem() {
    const int tag = mode_ == ZoomMode::Fixed ? zoomPercent(zoom_) : static_cast<int>(mode_);
    for (QAction* a : zoomGroup_->actions()) a->setChecked(a->data().toInt() == tag);
}

void PreviewWindow::refresh(bool reset) {
    const ZoomChoice last = memory_.lastZoom();
    zoom_ = last.zoom;
    mode_ = last.mode;
    checkZoomItem();
    if (reset) {
        currentPage_ = 1;
        lastH_ = lastV_ = 0;
        hbar_->setValue(0);
        vbar_->setValue(0);
    }
    updatePageText();
    relayout();
    releaseAllPages();
    box_->update();
}

void PreviewWindow::releaseAllPages() {
    if (!pages_) return;
    for (int i = 0; i < pages_->count(); ++i) pages_->release(i);
}

void PreviewWindow::relayout() {
    ready_ = false;
    highlight_.reset();
    std::vector<platform::Size> sizes;
    if (pages_) {
        sizes.reserve(static_cast<std::size_t>(pages_->count()));
        for (int i = 0; i < pages_->count(); ++i) sizes.push_back(paperPixels(pages_->page(i)));
    }
    const platform::Size box = boxSize();
    if (!sizes.empty()) {
        const platform::Size current =
            sizes[static_cast<std::size_t>(std::clamp(currentPage_ - 1, 0, int(sizes.size()) - 1))];
        zoom_ = zoomForMode(mode_, zoom_, current, box);
    }
    checkZoomItem();
    zoomBtn_->setText(QString::number(zoomPercent(zoom_)) + QLatin1Char('%'));
    layout_ = layoutDesk(sizes, zoom_, mode_, box);
    const QSignalBlocker hb(hbar_), vb(vbar_);
    hbar_->setRange(0, layout_.horizontalMax);
    vbar_->setRange(0, layout_.verticalMax);
    hbar_->setEnabled(layout_.horizontalMax > 0);
    vbar_->setEnabled(layout_.verticalMax > 0);
    lastH_ = hbar_->value();
    lastV_ = vbar_->value();
    ready_ = true;
    if (isVisible()) focusPageArea();
    showCurrentPage();
    box_->update();
}

void PreviewWindow::showCurrentPage() {
    if (!pages_ || currentPage_ < 1 || currentPage_ > int(layout_.bounds.size())) return;
    // The last pages cannot scroll to the top; the page chosen stays current all the same.
    const int chosen = currentPage_;
    vbar_->setValue(layout_.bounds[std::size_t(currentPage_ - 1)].top - kPageGap);
    if (currentPage_ != chosen) setCurrentPage(chosen);
}

void PreviewWindow::updatePageText() {
    if (!pages_) {
        pageLabel_->clear();
        box_->setAccessibleName(QString());
        return;
    }
    pageLabel_->setText(platform::qt::toQString(platform::uiText(55004)) + QLatin1Char(' ') +
                        QString::number(currentPage_) + QLatin1Char('/') + QString::number(pages_->count()));
    // What a screen reader says for the page area, kept current with the page shown.
    box_->setAccessibleName(QStringLiteral("Pagina %1 di %2").arg(currentPage_).arg(pages_->count()));
}

void PreviewWindow::chooseZoom(int tag) {
    if (!pages_) return;
    hbar_->setValue(0);
    if (tag >= 1 && tag <= 3) {
        mode_ = static_cast<ZoomMode>(tag);
    } else {
        mode_ = ZoomMode::Fixed;
        zoom_ = tag / 100.0;
    }
    relayout();
    memory_.setLastZoom({zoom_, mode_});
    box_->update();
}

void PreviewWindow::setCurrentPage(int page) {
    if (!pages_ || pages_->count() == 0) return;
    currentPage_ = std::clamp(page, 1, pages_->count());
    updatePageText();
}

void PreviewWindow::changePage(int delta) {
    if (!pages_) return;
    setCurrentPage(currentPage_ + delta);
    showCurrentPage();
}

void PreviewWindow::onVerticalScroll(int value) {
    highlight_.reset();
    box_->scroll(0, lastV_ - value);
    lastV_ = value;
    const int page = pageUnderViewTop(layout_.bounds, value);
    if (page >= 0 && page + 1 != currentPage_) setCurrentPage(page + 1);
}

void PreviewWindow::onHorizontalScroll(int value) {
    highlight_.reset();
    box_->scroll(lastH_ - value, 0);
    lastH_ = value;
}

void PreviewWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    relayout();
}

void PreviewWindow::paintDesk(QPainter& painter, const QRegion& region) {
    if (!ready_) return;
    if (!pages_) {
        painter.fillRect(box_->rect(), palette().button());
        return;
    }
    QRegion grey = region;
    std::vector<platform::Rect> shown(std::size_t(pages_->count()));
    std::vector<bool> inView(shown.size());
    for (int i = 0; i < pages_->count(); ++i) {
        const platform::Rect r = onScreen(
            std::size_t(i) < layout_.bounds.size() ? layout_.bounds[std::size_t(i)] : platform::Rect{});
        shown[std::size_t(i)] = r;
        // The shadow lines lie one pixel right of and below the page: a repaint of only
        // their strip still counts as showing the page.
        const QRect withShadow = toQRect(r).adjusted(0, 0, 1, 1);
        inView[std::size_t(i)] = !(r.top > kInViewReach || r.bottom < 0) && region.intersects(withShadow);
        if (inView[std::size_t(i)]) grey -= QRect(r.left + 1, r.top + 1, r.width() - 2, r.height() - 2);
    }
    painter.setClipRegion(grey);
    painter.fillRect(box_->rect(), kDeskGrey);
    painter.setClipping(false);

    platform::qt::QPainterCanvas canvas(painter);
    for (int i = 0; i < pages_->count(); ++i) {
        prepared::PreparedPage& page = pages_->page(i);
        const platform::Rect& r = shown[std::size_t(i)];
        if (!inView[std::size_t(i)]) {
            pages_->release(i);  // a page out of sight holds no objects
            continue;
        }
        painter.setPen(Qt::black);
        painter.setBrush(Qt::white);
        painter.drawRect(r.left, r.top, r.width() - 1, r.height() - 1);
        painter.drawLine(r.left + 1, r.bottom, r.right, r.bottom);
        painter.drawLine(r.right, r.bottom, r.right, r.top + 1);
        try {
            painter.save();
            // Set through the canvas, so that objects which narrow the clip give this one back.
            canvas.setClipRect({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1});
            pages_->draw(i, canvas, prepared::pageContentRect(page, r, zoom_));
            canvas.clearClip();
            painter.restore();
        } catch (const std::exception&) {
            // A damaged page stream shows an empty page rather than ending the program.
            canvas.clearClip();
            painter.restore();
            pages_->release(i);
        }
    }
    if (highlight_) canvas.invertRect(onScreen(*highlight_));
}

void PreviewWindow::deskMousePress(QPoint at, Qt::MouseButton button, QPoint global) {
    if (helpMode_) {
        finishHelp(box_->mapTo(this, at), global);
        return;
    }
    if (button == Qt::RightButton) {
        menu_->popup(global);
        return;
    }
    if (button != Qt::LeftButton) return;
    if (ignoreNextPress_) {
        ignoreNextPress_ = false;
        return;
    }
    if (!pages_) return;
    const platform::Point desk = deskPoint(at);
    const int page = pageAtPoint(layout_.bounds, desk);
    if (page >= 0) {
        int cursor = 0;
        try {
            if (pages_->hitTest(page, toPagePixels(desk, layout_.bounds[std::size_t(page)], zoom_), cursor,
                                true))
                return;
        } catch (const std::exception&) {
            // A page that cannot be rebuilt has no objects to click.
        }
    }
    dragging_ = true;
    dragFrom_ = at;
    if (page >= 0) currentPage_ = page + 1;
    updatePageText();
}

void PreviewWindow::deskMouseMove(QPoint at) {
    if (dragging_) {
        const QPoint moved = at - dragFrom_;
        dragFrom_ = at;
        hbar_->setValue(hbar_->value() - moved.x());
        vbar_->setValue(vbar_->value() - moved.y());
        return;
    }
    if (!pages_ || !pages_->onMouseOverObject) return;
    const platform::Point desk = deskPoint(at);
    const int page = pageAtPoint(layout_.bounds, desk);
    int cursor = 0;
    bool taken = false;
    try {
        taken =
            page >= 0 && pages_->hitTest(page, toPagePixels(desk, layout_.bounds[std::size_t(page)], zoom_),
                                         cursor, false);
    } catch (const std::exception&) {}
    // The handler names a cursor shape by number; any shape it picks shows as the pointing hand.
    box_->setCursor(taken && cursor != 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void PreviewWindow::deskMouseRelease() {
    dragging_ = false;
}

void PreviewWindow::deskDoubleClick(QPoint at) {
    ignoreNextPress_ = true;
    dragging_ = false;
    if (!pages_) return;
    const int page = pageAtPoint(layout_.bounds, deskPoint(at));
    if (page >= 0) setCurrentPage(page + 1);
}

void PreviewWindow::deskWheel(int notches) {
    vbar_->setValue(vbar_->value() - notches * vbar_->singleStep() * wheelFactor_);
}

bool PreviewWindow::deskKey(int key, Qt::KeyboardModifiers modifiers) {
    const PreviewAction action = previewKeyAction(key, modifiers & Qt::ControlModifier);
    if (action == PreviewAction::None) return false;
    runAction(action);
    return true;
}

void PreviewWindow::runAction(PreviewAction action) {
    switch (action) {
        case PreviewAction::None:
            break;
        case PreviewAction::LineUp:
            vbar_->setValue(vbar_->value() - vbar_->singleStep());
            break;
        case PreviewAction::LineDown:
            vbar_->setValue(vbar_->value() + vbar_->singleStep());
            break;
        case PreviewAction::LineLeft:
            hbar_->setValue(hbar_->value() - hbar_->singleStep());
            break;
        case PreviewAction::LineRight:
            hbar_->setValue(hbar_->value() + hbar_->singleStep());
            break;
        case PreviewAction::ScreenUp:
            vbar_->setValue(vbar_->value() - vbar_->pageStep());
            break;
        case PreviewAction::ScreenDown:
            vbar_->setValue(vbar_->value() + vbar_->pageStep());
            break;
        case PreviewAction::PreviousPage:
            previousPage();
            break;
        case PreviewAction::NextPage:
            nextPage();
            break;
        case PreviewAction::FirstLine:
            vbar_->setValue(0);
            break;
        case PreviewAction::LastPage:
            if (pages_) {
                setCurrentPage(pages_->count());
                showCurrentPage();
            }
            break;
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
        case PreviewAction::EditPage:
            break;  // no page editor in this program
    }
}

}  // namespace gui::preview
