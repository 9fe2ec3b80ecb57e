// The preview window's commands: open and save prepared reports, print, find and help.
#include <QApplication>
#include <QFileInfo>
#include <QMouseEvent>
#include <QToolButton>
#include <QWhatsThis>
#include <exception>
#include <stdexcept>
#include <utility>

#include "export/qt/PreparedPageOutput.h"
#include "gui/preview/PageBox.h"
#include "gui/preview/PreviewFileDialogs.h"
#include "gui/preview/PreviewHelpTexts.h"
#include "gui/preview/PreviewWindow.h"
#include "gui/preview/PrintService.h"
#include "gui/preview/SearchDialog.h"
#include "platform/Error.h"
#include "platform/UiText.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/QtConvert.h"
#include "prepared/PreparedReportIo.h"

namespace gui::preview {

namespace {

using platform::qt::fromQString;
using platform::qt::toQString;

QString reportFilter() {
    return toQString(platform::uiText(55211)) + QStringLiteral(" (*.frp)");
}
const QString kPdfFilter = QStringLiteral("PDF (*.pdf)");

enum class SavedType { Report, Pdf };

// The typed extension decides the type; a name with another extension or none keeps it and
// gets the extension of the type chosen in the dialog: "a.pdf" is PDF whatever the chosen
// type, "a.txt" becomes "a.txt.frp" under the report type.
std::pair<QString, SavedType> savedFile(const QString& fileName, SavedType chosen) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QStringLiteral("pdf")) return {fileName, SavedType::Pdf};
    if (suffix == QStringLiteral("frp")) return {fileName, SavedType::Report};
    return {fileName + (chosen == SavedType::Pdf ? QStringLiteral(".pdf") : QStringLiteral(".frp")), chosen};
}

}  // namespace

void PreviewWindow::openPrepared() {
    if (!pages_) return;
    const QString name = fileDialogs_->openFileName(this, reportFilter());
    if (!name.isEmpty()) openFile(name);
}

void PreviewWindow::openFile(const QString& fileName) {
    if (!pages_) return;
    try {
        // Read into a scratch store first: a damaged file leaves the shown report as it was.
        prepared::PreparedPages scratch(pages_->report(), &pages_->printer());
        prepared::loadPrepared(scratch, fromQString(fileName));
        pages_->loadFromStream(scratch.saveToBytes());
        shownPages_ = ShownPages::FromFile;
        documentTitle_ = fromQString(QFileInfo(fileName).completeBaseName());
    } catch (const std::exception& e) {
        platform::qt::showError("Il file \"" + fromQString(QFileInfo(fileName).fileName()) +
                                    "\" non \xC3\xA8 stato aperto: " + e.what() + ".",
                                this);
        return;
    }
    search_ = {};
    box_->showFirstPage();
}

void PreviewWindow::savePrepared() {
    if (!pages_) return;
    QString filter;
    const QString name = fileDialogs_->saveFileName(this, {reportFilter(), kPdfFilter}, filter);
    if (!name.isEmpty()) saveFile(name, filter == kPdfFilter);
}

void PreviewWindow::saveFile(const QString& fileName, bool pdf) {
    if (!pages_) return;
    try {
        const auto [name, type] = savedFile(fileName, pdf ? SavedType::Pdf : SavedType::Report);
        if (type == SavedType::Pdf) {
            std::string error;
            if (!export_::qt::writePagesPdf(*pages_, fromQString(name), error))
                platform::qt::showError(error, this);
        } else {
            prepared::savePrepared(*pages_, fromQString(name));
        }
    } catch (const std::exception& e) {
        platform::qt::showError(e.what(), this);
    }
    box_->update();
}

// The pages stay attached, so the page area keeps showing them behind the print dialog and
// the progress window; a page the print run released is loaded again when it is painted.
void PreviewWindow::printPages() {
    PrintService* service = printService_;
    if (!pages_ || !service) return;
    try {
        ShownDocument shown{box_->currentPage(), documentTitle_, {}};
        if (hasSheetSettings()) shown.sheetSettings = [this](QWidget* over) { openSheetSettings(over); };
        service->print(*pages_, shown, this);
    } catch (const std::exception& e) {
        platform::qt::showError(e.what(), this);
    }
    box_->update();
}

void PreviewWindow::openSheetSettings(QWidget* parent) {
    if (!options_.sheetSettings) return;
    // The pages stay drawn while the operator chooses: the first free label is read off them.
    // They are prepared again in the same store, and the window lets go of them only for that.
    // From the print dialog the print then uses the new pages, which show at once.
    prepared::PreparedPages* held = pages_;
    bool prepared = false;
    try {
        prepared = options_.sheetSettings(parent ? parent : this, shownPages_, [this] { handBack(); });
    } catch (const std::exception& e) {
        platform::qt::showError(e.what(), this);
    }
    attachPages(held);
    if (prepared && pages_) showFromStart();
    box_->update();
}

void PreviewWindow::find() {
    if (!pages_) return;
    SearchDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    find(dialog.text(), dialog.caseSensitive(), dialog.fromFirstPage());
}

void PreviewWindow::find(const QString& text, bool caseSensitive, bool fromFirstPage) {
    if (!pages_) return;
    prepared::beginSearch(search_, fromQString(text), caseSensitive, fromFirstPage, box_->currentPage() - 1);
    showFoundText();
}

void PreviewWindow::searchAgain() {
    if (!pages_ || search_.text.empty()) return;
    if (box_->currentPage() != search_.startPage + 1) {
        search_.startPage = box_->currentPage() - 1;
        search_.resumeIndex = 0;
    }
    showFoundText();
}

void PreviewWindow::showFoundText() {
    bool found = false;
    try {
        found = prepared::findNext(*pages_, search_);
    } catch (const std::exception& e) {
        platform::qt::showError(e.what(), this);
        return;
    }
    if (found)
        box_->showFound(search_.foundPage, search_.foundRect);
    else
        box_->update();
}

void PreviewWindow::startHelp() {
    helpMode_ = true;
    setCursor(Qt::WhatsThisCursor);
    grabMouse();
}

void PreviewWindow::mousePressEvent(QMouseEvent* event) {
    if (helpMode_) {
        finishHelp(event->position().toPoint(), event->globalPosition().toPoint());
        return;
    }
    QDialog::mousePressEvent(event);
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (helpMode_ && watched == box_ && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        finishHelp(box_->mapTo(this, press->position().toPoint()), press->globalPosition().toPoint());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void PreviewWindow::finishHelp(QPoint at, QPoint global) {
    helpMode_ = false;
    releaseMouse();
    unsetCursor();
    QWidget* target = childAt(at);
    if (!target || target == helpBtn_ || helpBtn_->isAncestorOf(target)) return;
    while (target && !target->property("helpTag").isValid()) target = target->parentWidget();
    if (!target) return;
    lastHelpTag_ = target->property("helpTag").toInt();
    const std::string text = previewHelpText(lastHelpTag_);
    if (!text.empty()) QWhatsThis::showText(global, toQString(text), this);
}

}  // namespace gui::preview
