// The preview window's commands: open and save prepared reports, print, find and help.
#include <QApplication>
#include <QFileInfo>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolButton>
#include <QWhatsThis>
#include <exception>

#include "export/PreparedPageOutput.h"
#include "gui/preview/PageBox.h"
#include "gui/preview/PreviewFileDialogs.h"
#include "gui/preview/PreviewHelpTexts.h"
#include "gui/preview/PreviewWindow.h"
#include "gui/preview/PrintService.h"
#include "gui/preview/SearchDialog.h"
#include "platform/UiText.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/QtConvert.h"
#include "prepared/PreparedReportIo.h"

namespace preview {

namespace {

using platform::qt::fromQString;
using platform::qt::toQString;

QString reportFilter() {
    return toQString(platform::uiText(55211)) + QStringLiteral(" (*.frp)");
}
const QString kPdfFilter = QStringLiteral("PDF (*.pdf)");

// "a/b.txt" -> "a/b.frp"; a name without extension gains one.
QString withExtension(const QString& fileName, const QString& extension) {
    const QFileInfo info(fileName);
    const QString suffix = info.suffix();
    const QString stem = suffix.isEmpty() ? fileName : fileName.left(fileName.size() - suffix.size() - 1);
    return stem + extension;
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
        PreparedPages scratch(pages_->report(), &pages_->printer());
        loadPrepared(scratch, fromQString(fileName));
        pages_->loadFromStream(scratch.saveToBytes());
    } catch (const std::exception& e) {
        platform::qt::showError(e.what(), this);
        return;
    }
    search_ = {};
    currentPage_ = 1;
    relayout();
    updatePageText();
    showCurrentPage();
    box_->update();
}

void PreviewWindow::savePrepared() {
    if (!pages_) return;
    QString filter;
    const QString name = fileDialogs_->saveFileName(this, {reportFilter(), kPdfFilter}, filter);
    if (!name.isEmpty()) saveFile(name, filter == kPdfFilter);
}

void PreviewWindow::saveFile(const QString& fileName, bool pdf) {
    if (!pages_) return;
    PreparedPages* held = handBack();
    try {
        if (pdf) {
            std::string error;
            if (!writePagesPdf(*held, fromQString(withExtension(fileName, QStringLiteral(".pdf"))), error))
                platform::qt::showError(error, this);
        } else {
            preview::savePrepared(*held, fromQString(withExtension(fileName, QStringLiteral(".frp"))));
        }
    } catch (const std::exception& e) {
        platform::qt::showError(e.what(), this);
    }
    attachPages(held);
    box_->update();
}

void PreviewWindow::printPages() {
    PrintService* service = programPrintService();
    if (!pages_ || !service) return;
    PreparedPages* held = handBack();
    try {
        service->print(*held, this);
    } catch (const std::exception& e) {
        platform::qt::showError(e.what(), this);
    }
    attachPages(held);
    // The print dialog's "Impostazioni foglio" may have prepared the pages again.
    if (preparedWhilePrinting_) {
        preparedWhilePrinting_ = false;
        currentPage_ = std::clamp(currentPage_, 1, std::max(1, pages_->count()));
        refresh(true);
    }
    box_->update();
}

void PreviewWindow::openSheetSettings(QWidget* parent) {
    if (!options_.sheetSettings) return;
    // While printing the pages are handed back already; the print uses the new ones.
    PreparedPages* held = handBack();
    bool prepared = false;
    try {
        prepared = options_.sheetSettings(parent ? parent : this);
    } catch (const std::exception& e) {
        platform::qt::showError(e.what(), this);
    }
    attachPages(held);
    if (prepared && !pages_) preparedWhilePrinting_ = true;
    if (prepared && pages_) {
        currentPage_ = std::clamp(currentPage_, 1, std::max(1, pages_->count()));
        refresh(true);
    }
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
    beginSearch(search_, fromQString(text), caseSensitive, fromFirstPage, currentPage_ - 1);
    showFoundText();
}

void PreviewWindow::searchAgain() {
    if (!pages_ || search_.text.empty()) return;
    if (currentPage_ != search_.startPage + 1) {
        search_.startPage = currentPage_ - 1;
        search_.resumeIndex = 0;
    }
    showFoundText();
}

void PreviewWindow::showFoundText() {
    ready_ = false;
    bool found = false;
    try {
        found = findNext(*pages_, search_);
    } catch (const std::exception& e) {
        ready_ = true;
        platform::qt::showError(e.what(), this);
        return;
    }
    ready_ = true;
    if (!found) {
        box_->update();
        return;
    }
    setCurrentPage(search_.foundPage + 1);
    const MatchScroll target =
        scrollToMatch(layout_.bounds[std::size_t(search_.foundPage)], search_.foundRect, zoom_, boxSize());
    vbar_->setValue(target.vertical);
    hbar_->setValue(target.horizontal);
    // Scrolling picks the page under the view's top; the match's page stays current.
    setCurrentPage(search_.foundPage + 1);
    highlight_ = target.highlight;
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

}  // namespace preview
