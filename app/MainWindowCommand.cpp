// No subcommand: the main window in the current directory, until the operator closes it.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <filesystem>

#include "app/Subcommands.h"
#include "app/core/LabelApp.h"
#include "app/ui/Dialogs.h"
#include "app/ui/MainWindow.h"
#include "platform/qt/FontSubstitutions.h"

namespace app {

namespace {

// Qt's own dialogs (file, print, page setup) speak Italian like the rest of the program.
void loadItalianTranslations(QApplication& application) {
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Italian, QLocale::Italy), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

}  // namespace

int runMainWindow(int argc, char** argv) {
    // Fractional scale factors pass through unrounded, so the fixed 1024 x 768 layout keeps
    // its proportions at 125 % and 150 %.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Vellumo");
    QApplication::setApplicationName("Quirelle");
    platform::qt::registerFontSubstitutions();
    loadItalianTranslations(application);

    LabelApp labels(std::filesystem::current_path());
    MessageBoxDialogs dialogs;
    TForm1 form(labels, dialogs);
    form.FormActivate();
    form.show();
    return QApplication::exec();
}

}  // namespace app
