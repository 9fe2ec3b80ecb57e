// quirelle test-sheet [--template N] -o FILE.pdf: the calibration test sheet of a label
// template (label outlines, centre crosses, millimetre rulers) with the file printer's offsets
// or those of --offset.
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "app/HeadlessGui.h"
#include "app/Options.h"
#include "app/ProgramServices.h"
#include "app/SheetOptions.h"
#include "app/Subcommands.h"
#include "export/qt/PreparedPageOutput.h"
#include "labels/LabelTemplate.h"
#include "labels/TestSheet.h"
#include "platform/FileNames.h"
#include "report/Report.h"

namespace app {

namespace {

constexpr int kDefaultDpi = 300;

CommandSpec testSheetCommand() {
    return {"test-sheet",
            "[--template N] -o FILE.pdf",
            "Il foglio di prova del modello: i contorni delle etichette, una croce al centro di\n"
            "ciascuna e i righelli in millimetri, spostati dello scostamento della stampa su file.",
            {{"template", "N", "il modello di etichette, 1-4 (predefinito 1)"},
             {"o", "FILE", "il file da scrivere: .pdf (o .png, un'immagine a 300 dpi)"},
             offsetOption()}};
}

bool isPng(const std::string& path) {
    const std::string ext = platform::lowerCaseExtension(path);
    if (ext == "pdf") return false;
    if (ext == "png") return true;
    throw UsageError("il file di uscita deve finire in .pdf o .png: " + path);
}

int fault(const std::string& message) {
    std::fprintf(stderr, "quirelle test-sheet: %s\n", message.c_str());
    return 1;
}

}  // namespace

int runTestSheet(const Args& args) {
    const Options options(args, testSheetCommand());
    if (!options.positional().empty())
        throw UsageError("argomento inatteso: " + options.positional().front());
    const int kind = options.intValue("--template", 1, labels::kLabelTemplateCount).value_or(1);
    const auto output = options.value("-o");
    if (!output || output->empty()) throw UsageError("serve -o FILE.pdf");
    const bool png = isPng(*output);
    const printer::PageOffset offset = outputOffset(options, "test-sheet");

    const auto guiApp = ensureGuiApplication();
    ProgramServices services(PrinterSource::VirtualOnly);
    try {
        report::Report labelTemplate;
        if (!labels::loadLabelTemplate(labelTemplate, kind)) return fault("modello non leggibile");
        prepared::PreparedPages pages(&labelTemplate, &services.printer());
        pages.imageCodec = &services.imageCodec();
        labels::buildTestSheet(labelTemplate, pages);
        std::string error;
        const bool written =
            png ? export_::qt::writePagesPng(pages, *output, kDefaultDpi, error, nullptr, offset)
                : export_::qt::writePagesPdf(pages, *output, error, offset);
        return written ? 0 : fault(error);
    } catch (const std::exception& e) {
        return fault(e.what());
    }
}

}  // namespace app
