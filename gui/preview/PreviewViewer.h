// Showing prepared pages in the preview window, and preparing a report under the progress
// window before showing it: the window side of the report's prepareAndShow.
#pragma once

#include <QString>

#include "gui/preview/PreviewOptions.h"
#include "gui/preview/PreviewServices.h"
#include "preparation/Prepare.h"
#include "preparation/PreparedPagesViewer.h"

class QWidget;

namespace gui::preview {

// Caption of the preview: "Anteprima", and " - " with the title when there is one.
QString previewCaption(const std::string& title);

class PreviewViewer : public preparation::PreparedPagesViewer {
public:
    explicit PreviewViewer(PreviewOptions options = {}, QWidget* parent = nullptr,
                           PreviewServices services = {})
        : options_(std::move(options)), parent_(parent), services_(services) {}

    // Opens no window when there are no pages; else shows them (modally by default).
    void showPreparedPages(report::Report& report, prepared::PreparedPages& pages) override;

private:
    PreviewOptions options_;
    QWidget* parent_;
    PreviewServices services_;
};

// Prepares the report under the program's progress window, then previews the pages. True when
// the preparation succeeded.
bool prepareAndShowPreview(report::Report& report, prepared::PreparedPages& pages,
                           const PreviewOptions& preview = {}, preparation::PrepareOptions prepare = {},
                           QWidget* parent = nullptr, const PreviewServices& services = {});

}  // namespace gui::preview
