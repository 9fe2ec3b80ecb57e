// The page area of the preview window: the prepared pages on a grey desk at a chosen zoom, in
// rows that fit the area, under two scroll bars. It keeps the zoom, the current page and the
// layout, paints the pages and answers the mouse, the wheel and the scrolling and paging keys;
// it tells the window when the page shown or the zoom changes, and when a right click asks for
// the zoom menu. Keys it does not take go on to the window.
#pragma once

#include <QWidget>
#include <optional>

#include "gui/preview/PreviewKeys.h"
#include "gui/preview/PreviewLayout.h"
#include "gui/preview/PreviewZoom.h"

class QScrollBar;

namespace prepared {
class PreparedPages;
}

namespace gui::preview {

class PageBox : public QWidget {
    Q_OBJECT
public:
    explicit PageBox(QWidget* parent);

    // The scroll bars, for the window to place beside and below the area.
    QScrollBar* horizontalBar() const { return hbar_; }
    QScrollBar* verticalBar() const { return vbar_; }

    // The pages shown are borrowed; none shows an empty area. Nothing is laid out again here.
    void setPages(prepared::PreparedPages* pages) { pages_ = pages; }
    // From the first page at the top left, at `zoom`, every page's objects let go.
    void showFromStart(ZoomChoice zoom);
    // New pages in the same store: the first page, at the zoom shown.
    void showFirstPage();
    // A zoom chosen by the operator; the view goes back to the left edge.
    void chooseZoom(ZoomChoice zoom);
    // Lays the pages out again for the area's size and the zoom mode.
    void relayout();

    // A scrolling or paging action (arrows, screen up and down, pages, first line, last page);
    // false, doing nothing, for any other action.
    bool moveView(PreviewAction action);
    void previousPage() { turnPage(-1); }
    void nextPage() { turnPage(+1); }
    // Brings a found text (page pixels on page `pageIndex`) into view and marks it.
    void showFound(int pageIndex, const platform::Rect& found);

    // Paints the part `region` of the area; the paint event's own work.
    void paint(QPainter& painter, const QRegion& region);

    int currentPage() const { return currentPage_; }
    double zoom() const { return zoom_; }
    ZoomMode zoomMode() const { return mode_; }
    const DeskLayout& layout() const { return layout_; }
    int horizontalPosition() const;
    int verticalPosition() const;
    platform::Size viewSize() const { return {width(), height()}; }
    // The found text, marked until the view moves; desk pixels.
    std::optional<platform::Rect> highlight() const { return highlight_; }

signals:
    // The page shown (1-based), also when only the page count changed.
    void currentPageChanged(int page);
    // After every layout: the zoom in force and the mode that gave it.
    void zoomChanged(double zoom, gui::preview::ZoomMode mode);
    void zoomMenuRequested(QPoint global);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setCurrentPage(int page);
    void announcePage();
    void turnPage(int delta);
    void showCurrentPage();
    void releaseAllPages();
    void onVerticalScroll(int value);
    void onHorizontalScroll(int value);
    platform::Point deskPoint(QPoint at) const;
    platform::Rect onScreen(const platform::Rect& desk) const;
    // Whether an object of page `page` under the desk point takes the pointer: its click
    // handler when `click`, else its hover handler, which names a cursor shape.
    bool objectTakes(int page, platform::Point desk, bool click, int& cursor);

    prepared::PreparedPages* pages_ = nullptr;
    QScrollBar* hbar_;
    QScrollBar* vbar_;
    int currentPage_ = 1;
    double zoom_ = 1.0;
    ZoomMode mode_ = ZoomMode::Fixed;
    DeskLayout layout_;
    bool ready_ = false;  // nothing is painted before the first layout
    std::optional<platform::Rect> highlight_;
    int lastH_ = 0, lastV_ = 0;  // the bars' values the area was last scrolled to
    bool dragging_ = false;
    QPoint dragFrom_;
    bool ignoreNextPress_ = false;
    int wheelRest_ = 0;
};

}  // namespace gui::preview
