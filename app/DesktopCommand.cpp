// quirelle --desktop [FILE.frp]: what the desktop entry runs, from the applications menu (no
// file) or from the file manager (a prepared report to preview).
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cstdio>
#include <filesystem>

#include "app/DesktopCodeFolder.h"
#include "app/Subcommands.h"

namespace app {

namespace {

std::filesystem::path localPath(const QString& path) {
    return path.isEmpty() ? std::filesystem::path()
                          : std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

int runFromDesktop(char** argv, const std::vector<std::string>& files) {
    if (files.size() > 1) {
        std::fputs("quirelle --desktop: un solo file .frp alla volta\n", stderr);
        return 2;
    }
    if (files.size() == 1) return showPreparedReport(files.front(), ShowFaults::AlsoInBox);
    // The window then works in the chosen folder exactly as after a start from a terminal
    // there; when the folder cannot be entered it stays where the desktop started it.
    const std::filesystem::path folder =
        desktopCodeFolder(localPath(QDir::homePath()),
                          localPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
    std::error_code error;
    std::filesystem::current_path(folder, error);
    return runMainWindow(1, argv);
}

}  // namespace app
