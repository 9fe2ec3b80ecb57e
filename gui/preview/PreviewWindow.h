// The preview window: the page area (PageBox) with the prepared pages, and a toolbar for zoom,
// opening and saving prepared-report files, printing, text search, help and closing. The
// window follows the page area's signals in its page counter and zoom button.
//
// The window borrows the prepared-pages store while it is open (attachPages) and gives it back
// around printing (handBack); when the window goes, the pages it holds are released and the
// store is left empty.
#pragma once

#include <QDialog>
#include <QString>
#include <memory>
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
class QToolButton;

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
    int pageCount() const { return pages_ ? pages_->count() : 0; }

    // connect, buttons, the first page at the zoom last chosen, stored bounds; then modal
    // (returns when closed) or not.
    int showPreview(prepared::PreparedPages& pages);
    void initButtons();

    // --- commands (toolbar, keys, menu); the page area's own moves go to it.
    void runAction(PreviewAction action);
    // A zoom menu tag: 1..3 the modes, else a percentage.
    void chooseZoom(int tag);
    void openPrepared();
    void savePrepared();
    void openFile(const QString& fileName);
    // PDF when `pdf`, else a prepared-report file with the extension ".frp".
    void saveFile(const QString& fileName, bool pdf);
    void printPages();
    void find();
    // Find without the dialog: the dialog's text, case box and origin.
    void find(const QString& text, bool caseSensitive, bool fromFirstPage);
    void searchAgain();
    void startHelp();

    void setFileDialogs(PreviewFileDialogs* dialogs) { fileDialogs_ = dialogs; }

    // --- the window's parts, for tests
    PageBox* pageBox() const { return box_; }
    QString pageText() const;
    QString zoomCaption() const;
    int checkedZoomTag() const;
    QMenu* zoomMenu() const { return menu_; }
    QToolButton* button(int helpTag) const;
    QToolButton* sheetSettingsButton() const { return sheetSettingsBtn_; }
    const prepared::TextSearchState& searchState() const { return search_; }
    int lastHelpTag() const { return lastHelpTag_; }
    bool inHelpMode() const { return helpMode_; }

protected:
    void done(int result) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // "Impostazioni foglio": the report's sheet settings over `parent` (this window when
    // null); the pages shown follow when they were prepared again.
    void openSheetSettings(QWidget* parent = nullptr);
    bool hasSheetSettings() const { return static_cast<bool>(options_.sheetSettings); }
    void buildToolbar(QWidget* strip);
    void buildMenu();
    void buildScrollStrips(QWidget* right, QWidget* bottom);
    QToolButton* addButton(QWidget* strip, const QString& hint, int tag);
    void showFromStart();
    void focusPageArea();
    void updatePageText();
    void showZoom(double zoom, ZoomMode mode);
    void showFoundText();
    void finishHelp(QPoint at, QPoint global);

    PreviewOptions options_;
    ShownPages shownPages_ = ShownPages::Prepared;  // a file opened replaces the prepared pages
    // What the shown pages are: the report's title, or the name of the file opened last.
    std::string documentTitle_;
    PrintService* printService_;
    std::unique_ptr<PreviewMemory> ownMemory_;  // when the program gave none
    PreviewMemory& memory_;
    prepared::PreparedPages* pages_ = nullptr;
    PreviewFileDialogs* fileDialogs_;
    prepared::TextSearchState search_;
    bool helpMode_ = false;
    int lastHelpTag_ = 0;

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
    QToolButton* pgUp_ = nullptr;
    QToolButton* pgDown_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QMenu* menu_ = nullptr;
    QActionGroup* zoomGroup_ = nullptr;
};

}  // namespace gui::preview
