#include "app/CommandLine.h"

#include <cstdio>
#include <map>
#include <string>

#include "app/Options.h"
#include "app/Subcommands.h"

namespace app {

namespace {

using Handler = int (*)(const Args&);

const std::map<std::string, Handler>& subcommands() {
    static const std::map<std::string, Handler> table = {
        {"labels", runLabels},    {"print", runPrint},     {"convert", runConvert},   {"show", runShow},
        {"check-cf", runCheckCf}, {"barcode", runBarcode}, {"template", runTemplate},
    };
    return table;
}

void printUsage() {
    std::fputs(
        "uso: quirelle [SOTTOCOMANDO ...]\n"
        "  (nessun argomento)             apre la finestra principale\n"
        "  labels KIND [OPZIONI]          la lista di stampa, un'etichetta per riga\n"
        "  print KIND [OPZIONI] -o FILE   prepara i fogli: FILE.pdf, FILE.frp, FILE.png\n"
        "  convert FILE.frp -o FILE       da report preparato a PDF o PNG\n"
        "  show FILE.frp                  anteprima di un report preparato\n"
        "  check-cf CODICE                controlla un codice fiscale\n"
        "  barcode --type T --text X ...  un simbolo (-o FILE.png|FILE.svg | --pattern)\n"
        "  template N -o FILE             il modello incorporato N (1-4)\n"
        "KIND: series, calendar, exemptions, oxygen, fiscal, free\n",
        stderr);
}

}  // namespace

int runCommandLine(int argc, char** argv) {
    if (argc < 2) return runMainWindow(argc, argv);
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        printUsage();
        return 0;
    }
    auto it = subcommands().find(name);
    if (it == subcommands().end()) {
        std::fprintf(stderr, "quirelle: sottocomando sconosciuto: %s\n", name.c_str());
        printUsage();
        return 2;
    }
    try {
        return it->second(Args(argv + 2, argv + argc));
    } catch (const UsageError& e) {
        std::fprintf(stderr, "quirelle %s: %s\n", name.c_str(), e.message.c_str());
        return 2;
    }
}

}  // namespace app
