#include "app/SheetOptions.h"

#include <cstdio>
#include <string>

#include "printer/qt/PdfFilePrinter.h"
#include "printer/qt/PrinterOffsetSettings.h"

namespace app {

const std::vector<OptionSpec>& sheetOptions() {
    static const std::vector<OptionSpec> options = {
        {"start", "N", "prima etichetta del primo foglio (1 - etichette per foglio; predefinita 1)"},
        {"copies", "K", "copie di ogni etichetta, una dopo l'altra (1-99; predefinite 1)"},
    };
    return options;
}

OptionSpec offsetOption() {
    return {"offset", "X,Y",
            "sposta la stampa di X e Y millimetri (da -10.0 a +10.0; predefinito quello salvato per "
            "la stampa su file)"};
}

void applySheetOptions(const Options& options, int labelsPerSheet, preparation::PrepareOptions& prepare) {
    const int start = options.intValue("--start", 1, std::max(labelsPerSheet, 1)).value_or(1);
    prepare.blankPositions = start - 1;
    prepare.copiesPerRecord = options.intValue("--copies", 1, preparation::kMaxCopiesPerRecord).value_or(1);
}

printer::PageOffset outputOffset(const Options& options, const char* command) {
    if (const auto text = options.value("--offset")) {
        const auto offset = printer::parsePageOffset(*text);
        if (!offset)
            throw UsageError("valore non valido per --offset: " + *text +
                             " (ammesso X,Y in millimetri, ciascuno da -10.0 a +10.0)");
        return *offset;
    }
    printer::qt::PrinterOffsetSettings settings;
    const printer::qt::OffsetReading reading = settings.read(printer::qt::kPdfFilePrinterName);
    if (reading.damaged)
        std::fprintf(stderr, "quirelle %s: %s\n", command,
                     printer::qt::damagedOffsetMessage(printer::qt::kPdfFilePrinterName).c_str());
    return reading.offset;
}

}  // namespace app
