#include "app/DesktopSession.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "gui/widgets/FocusRing.h"
#include "platform/qt/FontSubstitutions.h"
#include "platform/qt/MessageBox.h"

namespace app {

namespace {

int programArgc = 1;
char programName[] = "quirelle";
char* programArgv[] = {programName, nullptr};

void showUnexpectedError(const std::string& message) {
    platform::qt::showError(message);
}

// Qt's own dialogs (file, print, page setup) speak Italian like the rest of the program.
void loadItalianTranslations(QApplication& application) {
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Italian, QLocale::Italy), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

}  // namespace

// Fractional scale factors pass through unrounded, so fixed layouts keep their proportions at
// 125 % and 150 %.
DesktopSession::ScalingPolicy::ScalingPolicy() {
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

DesktopSession::ProgramApplication::ProgramApplication(int& argc, char** argv)
    : GuardedApplication(argc, argv, showUnexpectedError) {
    QApplication::setOrganizationName("Vellumo");
    QApplication::setApplicationName("Quirelle");
    // The installed icon's drawing, and the desktop entry's name so that the desktop pairs the
    // windows with the entry (Wayland has no other link between them).
    QApplication::setWindowIcon(QIcon(":/quirelle/icon.svg"));
    QGuiApplication::setDesktopFileName(QUIRELLE_APP_ID);
    platform::qt::registerFontSubstitutions();
    loadItalianTranslations(*this);
    gui::widgets::FocusRing::followFocus();  // a focus mark that shows on every control
}

DesktopSession::DesktopSession(int& argc, char** argv) : application_(argc, argv) {}

DesktopSession::DesktopSession() : DesktopSession(programArgc, programArgv) {}

}  // namespace app
