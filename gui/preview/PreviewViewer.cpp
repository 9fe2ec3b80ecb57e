#include "gui/preview/PreviewViewer.h"

#include <QApplication>

#include "gui/preview/PreviewWindow.h"
#include "gui/preview/ProgressWindow.h"
#include "platform/UiText.h"
#include "platform/qt/QtConvert.h"

namespace gui::preview {

QString previewCaption(const std::string& title) {
    std::string caption = platform::uiText(55207);
    if (!title.empty()) caption += " - " + title;
    return platform::qt::toQString(caption);
}

void PreviewViewer::showPreparedPages(report::Report&, prepared::PreparedPages& pages) {
    if (pages.count() == 0) return;
    PreviewWindow form(options_, parent_, services_);
    form.setWindowTitle(previewCaption(options_.title));
    form.showPreview(pages);
    QCoreApplication::processEvents();
}

bool prepareAndShowPreview(report::Report& report, prepared::PreparedPages& pages,
                           const PreviewOptions& preview, preparation::PrepareOptions prepare,
                           QWidget* parent, const PreviewServices& services) {
    if (!prepare.progressDisplay) prepare.progressDisplay = &programProgressForm();
    if (prepare.title.empty()) prepare.title = preview.title;
    PreviewViewer viewer(preview, parent, services);
    return preparation::prepareAndShow(report, pages, &viewer, prepare);
}

}  // namespace gui::preview
