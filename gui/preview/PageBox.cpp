// The page area's state: the pages, the zoom, the layout, the current page and the scrolling.
#include "gui/preview/PageBox.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

#include "gui/preview/PreviewHelpTexts.h"
#include "prepared/PreparedPages.h"

namespace gui::preview {

namespace {

constexpr int kSmallStep = 10;
constexpr int kLargeStep = 200;
constexpr int kInitialScrollMax = 32000;

QScrollBar* scrollBar(Qt::Orientation orientation, QWidget* parent) {
    auto* bar = new QScrollBar(orientation, parent);
    bar->setRange(0, kInitialScrollMax);
    bar->setSingleStep(kSmallStep);
    bar->setPageStep(kLargeStep);
    // Entering a bar leaves the focus with the page area.
    bar->setFocusPolicy(Qt::NoFocus);
    return bar;
}

// The scrolling keys: lines (the bar's small step) and screens (its large step).
struct ScrollStep {
    PreviewAction action;
    Qt::Orientation bar;
    int lines;
    int screens;
};

constexpr ScrollStep kScrollSteps[] = {
    {PreviewAction::LineUp, Qt::Vertical, -1, 0},     {PreviewAction::LineDown, Qt::Vertical, +1, 0},
    {PreviewAction::LineLeft, Qt::Horizontal, -1, 0}, {PreviewAction::LineRight, Qt::Horizontal, +1, 0},
    {PreviewAction::ScreenUp, Qt::Vertical, 0, -1},   {PreviewAction::ScreenDown, Qt::Vertical, 0, +1},
};

platform::Size paperPixels(const prepared::PreparedPage& page) {
    return {page.geometry.paperWidthPx, page.geometry.paperHeightPx};
}

}  // namespace

PageBox::PageBox(QWidget* parent)
    : QWidget(parent), hbar_(scrollBar(Qt::Horizontal, this)), vbar_(scrollBar(Qt::Vertical, this)) {
    setProperty("helpTag", kTagPageBox);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // Every pixel is painted here; no background erase before painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(vbar_, &QScrollBar::valueChanged, this, &PageBox::onVerticalScroll);
    connect(hbar_, &QScrollBar::valueChanged, this, &PageBox::onHorizontalScroll);
}

int PageBox::horizontalPosition() const {
    return hbar_->value();
}
int PageBox::verticalPosition() const {
    return vbar_->value();
}

void PageBox::showFromStart(ZoomChoice zoom) {
    zoom_ = zoom.zoom;
    mode_ = zoom.mode;
    currentPage_ = 1;
    lastH_ = lastV_ = 0;
    hbar_->setValue(0);
    vbar_->setValue(0);
    announcePage();
    relayout();
    releaseAllPages();
    update();
}

void PageBox::showFirstPage() {
    currentPage_ = 1;
    relayout();
    announcePage();
}

void PageBox::chooseZoom(ZoomChoice zoom) {
    if (!pages_) return;
    hbar_->setValue(0);
    zoom_ = zoom.zoom;
    mode_ = zoom.mode;
    relayout();
}

void PageBox::releaseAllPages() {
    if (!pages_) return;
    for (int i = 0; i < pages_->count(); ++i) pages_->release(i);
}

void PageBox::relayout() {
    ready_ = false;
    highlight_.reset();
    std::vector<platform::Size> sizes;
    if (pages_) {
        sizes.reserve(static_cast<std::size_t>(pages_->count()));
        for (int i = 0; i < pages_->count(); ++i) sizes.push_back(paperPixels(pages_->page(i)));
    }
    const platform::Size box = viewSize();
    if (!sizes.empty()) {
        const platform::Size current =
            sizes[static_cast<std::size_t>(std::clamp(currentPage_ - 1, 0, int(sizes.size()) - 1))];
        zoom_ = zoomForMode(mode_, zoom_, current, box);
    }
    layout_ = layoutDesk(sizes, zoom_, mode_, box);
    const QSignalBlocker hb(hbar_), vb(vbar_);
    hbar_->setRange(0, layout_.horizontalMax);
    vbar_->setRange(0, layout_.verticalMax);
    hbar_->setEnabled(layout_.horizontalMax > 0);
    vbar_->setEnabled(layout_.verticalMax > 0);
    lastH_ = hbar_->value();
    lastV_ = vbar_->value();
    ready_ = true;
    emit zoomChanged(zoom_, mode_);
    showCurrentPage();
    update();
}

void PageBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void PageBox::showCurrentPage() {
    if (!pages_ || currentPage_ < 1 || currentPage_ > int(layout_.bounds.size())) return;
    // The last pages cannot scroll to the top; the page chosen stays current all the same.
    const int chosen = currentPage_;
    vbar_->setValue(layout_.bounds[std::size_t(currentPage_ - 1)].top - kPageGap);
    if (currentPage_ != chosen) setCurrentPage(chosen);
}

void PageBox::setCurrentPage(int page) {
    if (!pages_ || pages_->count() == 0) return;
    currentPage_ = std::clamp(page, 1, pages_->count());
    announcePage();
}

void PageBox::announcePage() {
    // What a screen reader says for the page area, kept current with the page shown.
    setAccessibleName(pages_ ? QStringLiteral("Pagina %1 di %2").arg(currentPage_).arg(pages_->count())
                             : QString());
    emit currentPageChanged(currentPage_);
}

void PageBox::turnPage(int delta) {
    if (!pages_) return;
    setCurrentPage(currentPage_ + delta);
    showCurrentPage();
}

void PageBox::onVerticalScroll(int value) {
    highlight_.reset();
    scroll(0, lastV_ - value);
    lastV_ = value;
    const int page = pageUnderViewTop(layout_.bounds, value);
    if (page >= 0 && page + 1 != currentPage_) setCurrentPage(page + 1);
}

void PageBox::onHorizontalScroll(int value) {
    highlight_.reset();
    scroll(lastH_ - value, 0);
    lastH_ = value;
}

void PageBox::showFound(int pageIndex, const platform::Rect& found) {
    if (pageIndex < 0 || pageIndex >= int(layout_.bounds.size())) return;
    const MatchScroll target =
        scrollToMatch(layout_.bounds[std::size_t(pageIndex)], found, zoom_, viewSize());
    vbar_->setValue(target.vertical);
    hbar_->setValue(target.horizontal);
    // Scrolling picks the page under the view's top; the match's page stays current.
    setCurrentPage(pageIndex + 1);
    highlight_ = target.highlight;
    update();
}

bool PageBox::moveView(PreviewAction action) {
    for (const ScrollStep& step : kScrollSteps) {
        if (step.action != action) continue;
        QScrollBar* bar = step.bar == Qt::Vertical ? vbar_ : hbar_;
        bar->setValue(bar->value() + step.lines * bar->singleStep() + step.screens * bar->pageStep());
        return true;
    }
    switch (action) {
        case PreviewAction::PreviousPage:
            previousPage();
            return true;
        case PreviewAction::NextPage:
            nextPage();
            return true;
        case PreviewAction::FirstLine:
            vbar_->setValue(0);
            return true;
        case PreviewAction::LastPage:
            if (pages_) {
                setCurrentPage(pages_->count());
                showCurrentPage();
            }
            return true;
        default:
            return false;
    }
}

void PageBox::keyPressEvent(QKeyEvent* event) {
    if (moveView(previewKeyAction(event->key(), event->modifiers() & Qt::ControlModifier)))
        event->accept();
    else
        QWidget::keyPressEvent(event);  // the window's commands
}

}  // namespace gui::preview
