// quirelle labels KIND [OPTIONS]: builds the print list with the main window's fill commands
// and prints it, one label text a line.
#include <cstdio>
#include <exception>
#include <string>

#include "app/LabelJobOptions.h"
#include "app/Options.h"
#include "app/Subcommands.h"
#include "labels/AppError.h"
#include "labels/LabelApp.h"
#include "labels/qt/QtFileLocker.h"
#include "labels/LabelJob.h"

namespace app {

namespace {

CommandSpec labelsCommand() {
    return {"labels", "KIND [OPZIONI]",
            "Scrive la lista di stampa, un'etichetta per riga.\n"
            "KIND: series, calendar, exemptions, oxygen, fiscal, free CODICE...",
            labelJobOptions()};
}

}  // namespace

int runLabels(const Args& args) {
    const Options options(args, labelsCommand());
    const LabelJob job = parseLabelJob(options);
    try {
        QtFileLocker locker;
        LabelApp labelApp(options.value("--dir").value_or("."), locker);
        runLabelJob(labelApp, job);
        for (const std::string& text : printListTexts(labelApp.printList()))
            std::printf("%s\n", text.c_str());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quirelle labels: %s\n", e.what());
        return 1;
    }
}

}  // namespace app
