// The preview window: prepared pages on a grey desk at a chosen zoom, with a toolbar for zoom,
// opening and saving prepared-report files, printing, text search, help and closing.
//
// The window borrows the prepared-pages store while it is open (attachPages) and gives it back
// around printing (handBack); when the window goes, the pages it holds are released and the
// store is left empty.
#pragma once

#include <QDialog>
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "gui/preview/PreviewKeys.h"
#include "gui/preview/PreviewLayout.h"
#include "gui/preview/PreviewOptions.h"
#include "gui/preview/PreviewServices.h"
#include "prepared/PreparedPages.h"
#include "prepared/TextSearch.h"

class QActionGroup;
class QLabel;
class QMenu;
class QScrollBar;
class QToolButton;
class QPainter;
class QRegion;

namespace gui::preview {

class PreviewFileDialogs;
class PageBox;

// Object name kept from the earlier windows (tests and settings find the window by it).
inline constexpr const char* kPreviewWindowObjectName = "TfrPreviewForm";

class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    // The services are borrowed: who prints the pages, and what the windows remember.
    explicit PreviewWindow(const PreviewOptions& options = {}, QWidget* parent = nullptr,
                           const PreviewServices& services = {});
    ~PreviewWindow() override;

    // --- the store exchange
    void attachPages(prepared::PreparedPages* pages);
    prepared::PreparedPages* handBack();
    prepared::PreparedPages* pages() const { return pages_; }

    // connect, buttons, reset refresh, stored bounds; then modal (returns when closed) or not.
    int showPreview(prepared::PreparedPages& pages);

    void initButtons();
    void refresh(bool reset);
    void relayout();
    void showCurrentPage();
    void updatePageText();

    // --- commands (toolbar, keys, menu)
    void runAction(PreviewAction action);
    // A zoom menu tag: 1..3 the modes, else a percentage.
    void chooseZoom(int tag);
    void previousPage() { changePage(-1); }
    void nextPage() { changePage(+1); }
    void openPrepared();
    void savePrepared();
    void openFile(const QString& fileName);
    // PDF when `pdf`, else a prepared-report file with the extension ".frp".
    void saveFile(const QString& fileName, bool pdf);
    void printPages();
    // "Impostazioni foglio": the report's sheet settings over `parent` (this window when
    // null); the pages shown follow when they were prepared again.
    void openSheetSettings(QWidget* parent = nullptr);
    bool hasSheetSettings() const { return static_cast<bool>(options_.sheetSettings); }
    void find();
    // Find without the dialog: the dialog's text, case box and origin.
    void find(const QString& text, bool caseSensitive, bool fromFirstPage);
    void searchAgain();
    void startHelp();

    void setFileDialogs(PreviewFileDialogs* dialogs) { fileDialogs_ = dialogs; }

    // What the shown pages are: the report's title, or the name of the file opened last.
    const std::string& documentTitle() const { return documentTitle_; }

    // --- state, for the window's parts and for tests
    int currentPage() const { return currentPage_; }
    int pageCount() const { return pages_ ? pages_->count() : 0; }
    double zoom() const { return zoom_; }
    ZoomMode zoomMode() const { return mode_; }
    const DeskLayout& layout() const { return layout_; }
    QString pageText() const;
    QString zoomCaption() const;
    int horizontalPosition() const;
    int verticalPosition() const;
    int checkedZoomTag() const;
    PageBox* pageBox() const { return box_; }
    QMenu* zoomMenu() const { return menu_; }
    QToolButton* button(int helpTag) const;
    QToolButton* sheetSettingsButton() const { return sheetSettingsBtn_; }
    const prepared::TextSearchState& searchState() const { return search_; }
    std::optional<platform::Rect> highlight() const { return highlight_; }
    int lastHelpTag() const { return lastHelpTag_; }
    bool inHelpMode() const { return helpMode_; }

    // --- the page box's events
    void paintDesk(QPainter& painter, const QRegion& region);
    void deskMousePress(QPoint at, Qt::MouseButton button, QPoint global);
    void deskMouseMove(QPoint at);
    void deskMouseRelease();
    void deskDoubleClick(QPoint at);
    void deskWheel(int notches);
    bool deskKey(int key, Qt::KeyboardModifiers modifiers);

    // The page box's size: the room pages are laid out in.
    platform::Size boxSize() const;

protected:
    void done(int result) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildToolbar(QWidget* strip);
    void buildMenu();
    void buildScrollStrips(QWidget* right, QWidget* bottom);
    QToolButton* addButton(QWidget* strip, const QString& hint, int tag);
    void focusPageArea();
    void changePage(int delta);
    void setCurrentPage(int page);
    void onVerticalScroll(int value);
    void onHorizontalScroll(int value);
    void checkZoomItem();
    platform::Point deskPoint(QPoint at) const;
    platform::Rect onScreen(const platform::Rect& desk) const;
    void releaseAllPages();
    void showFoundText();
    void finishHelp(QPoint at, QPoint global);

    PreviewOptions options_;
    ShownPages shownPages_ = ShownPages::Prepared;  // a file opened replaces the prepared pages
    std::string documentTitle_;
    PrintService* printService_;
    std::unique_ptr<PreviewMemory> ownMemory_;  // when the program gave none
    PreviewMemory& memory_;
    prepared::PreparedPages* pages_ = nullptr;
    PreviewFileDialogs* fileDialogs_;
    int currentPage_ = 1;
    double zoom_ = 1.0;
    ZoomMode mode_ = ZoomMode::Fixed;
    DeskLayout layout_;
    bool ready_ = false;
    prepared::TextSearchState search_;
    std::optional<platform::Rect> highlight_;  // desk pixels
    int wheelFactor_ = 1;
    bool dragging_ = false;
    QPoint dragFrom_;
    bool ignoreNextPress_ = false;
    bool helpMode_ = false;
    int lastHelpTag_ = 0;
    int lastH_ = 0, lastV_ = 0;

    PageBox* box_ = nullptr;
    QToolButton* zoomBtn_ = nullptr;
    QToolButton* loadBtn_ = nullptr;
    QToolButton* saveBtn_ = nullptr;
    QToolButton* printBtn_ = nullptr;
    QToolButton* findBtn_ = nullptr;
    QToolButton* helpBtn_ = nullptr;
    QToolButton* exitBtn_ = nullptr;
    QToolButton* pageSetupBtn_ = nullptr;
    QToolButton* sheetSettingsBtn_ = nullptr;
    QWidget* separators_[3] = {};
    QWidget* rightStrip_ = nullptr;
    QScrollBar* vbar_ = nullptr;
    QScrollBar* hbar_ = nullptr;
    QToolButton* pgUp_ = nullptr;
    QToolButton* pgDown_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QMenu* menu_ = nullptr;
    QActionGroup* zoomGroup_ = nullptr;
};

}  // namespace gui::preview
