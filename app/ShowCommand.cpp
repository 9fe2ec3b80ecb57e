// quirelle show: the preview window on a saved prepared report (.frp), until it is closed.
#include <QtGlobal>
#include <cstdio>
#include <exception>
#include <string>

#include "app/DesktopSession.h"
#include "app/Options.h"
#include "app/Subcommands.h"
#include "gui/preview/LabelSheetSettings.h"
#include "gui/preview/PreviewViewer.h"
#include "gui/preview/PreviewWindow.h"
#include "platform/qt/MessageBox.h"
#include "prepared/PreparedPages.h"
#include "prepared/PreparedReportIo.h"
#include "printer/qt/PrinterOffsetSettings.h"

namespace app {

namespace {

int fault(const std::string& message, ShowFaults shown = ShowFaults::OnTerminal) {
    std::fprintf(stderr, "quirelle show: %s\n", message.c_str());
    if (shown == ShowFaults::AlsoInBox) platform::qt::showError(message);
    return 1;
}

std::string fileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int runShow(const Args& args) {
    const Options options(
        args, {"show", "FILE.frp", "Mostra un report preparato nella finestra di anteprima.", {}});
    if (options.positional().size() != 1) throw UsageError("serve un solo file .frp da mostrare");
    return showPreparedReport(options.positional().front(), ShowFaults::OnTerminal);
}

int showPreparedReport(const std::string& path, ShowFaults shown) {
    // Without a display Qt would abort; say so instead.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return fault("serve uno schermo per mostrare l'anteprima");

    DesktopSession session;
    prepared::PreparedPages pages(nullptr, &session.services().printer());
    pages.imageCodec = &session.services().imageCodec();
    try {
        prepared::loadPrepared(pages, path);
    } catch (const std::exception& e) {
        return fault(path + ": " + e.what(), shown);
    }
    gui::preview::PreviewOptions previewOptions;
    previewOptions.title = fileNameOf(path);
    // The file's pages stay as they are; "Impostazioni foglio" sets the printers' offsets.
    printer::qt::PrinterOffsetSettings offsets;
    gui::preview::LabelSheetSettings sheet(session.services().printer(), offsets);
    previewOptions.sheetSettings = [&sheet](QWidget* owner, gui::preview::ShownPages,
                                            const std::function<void()>&) {
        return sheet.run(owner, gui::preview::ShownPages::FromFile);
    };
    gui::preview::PreviewWindow form(previewOptions, nullptr, session.previewServices());
    form.setWindowTitle(gui::preview::previewCaption(previewOptions.title));
    form.showPreview(pages);
    return 0;
}

}  // namespace app
