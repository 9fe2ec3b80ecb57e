// What every window of the program starts on: the guarded application object (an escaping
// exception becomes an error box), the program's names for its settings, the font
// substitutions, Qt's dialogs in Italian, the program services, the print dialog and the
// preview's remembered zoom. The main window and `quirelle show` both open theirs inside one.
#pragma once

#include "app/GuardedApplication.h"
#include "app/ProgramServices.h"
#include "gui/preview/PreviewMemory.h"
#include "gui/preview/PreviewServices.h"
#include "gui/preview/PrintDialogFlow.h"

namespace app {

class DesktopSession {
public:
    // argc and argv must outlive the session (Qt keeps them).
    DesktopSession(int& argc, char** argv);
    // For a window opened by a subcommand: the application sees only the program's name.
    DesktopSession();
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    ProgramServices& services() { return services_; }
    gui::preview::PrintDialogService& printing() { return printing_; }
    gui::preview::PreviewServices previewServices() { return {&printing_, &previewMemory_}; }

private:
    // Set before the application object exists, as Qt requires.
    struct ScalingPolicy {
        ScalingPolicy();
    };
    // Named, with its fonts and translations, before the services read the user's settings.
    struct ProgramApplication : GuardedApplication {
        ProgramApplication(int& argc, char** argv);
    };

    ScalingPolicy scaling_;
    ProgramApplication application_;
    ProgramServices services_{PrinterSource::Spooler};
    gui::preview::PrintDialogService printing_;
    gui::preview::PreviewMemory previewMemory_;
};

}  // namespace app
