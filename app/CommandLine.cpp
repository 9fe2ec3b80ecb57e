#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "app/Options.h"
#include "app/Subcommands.h"

namespace app {

namespace {

using Handler = int (*)(const Args&);

const std::map<std::string, Handler>& subcommands() {
    static const std::map<std::string, Handler> table = {
        {"labels", runLabels},    {"print", runPrint},     {"convert", runConvert},   {"show", runShow},
        {"check-cf", runCheckCf}, {"barcode", runBarcode}, {"template", runTemplate},
        {"test-sheet", runTestSheet},
    };
    return table;
}

constexpr const char* kUsage =
    "uso: quirelle [SOTTOCOMANDO ...]\n"
    "  (nessun argomento)             apre la finestra principale nella cartella corrente\n"
    "  --desktop [FILE.frp]           come dal menu: la finestra principale nella cartella dei\n"
    "                                 codici (Documenti/Quirelle, o la cartella home se i codici\n"
    "                                 sono lì), oppure l'anteprima di FILE.frp\n"
    "  labels KIND [OPZIONI]          la lista di stampa, un'etichetta per riga\n"
    "  print KIND [OPZIONI] -o FILE   prepara i fogli: FILE.pdf, FILE.frp, FILE.png\n"
    "  convert FILE.frp -o FILE       da report preparato a PDF o PNG\n"
    "  show FILE.frp                  anteprima di un report preparato\n"
    "  check-cf CODICE                controlla un codice fiscale\n"
    "  barcode --type T --text X ...  un simbolo (-o FILE.png|FILE.svg | --pattern)\n"
    "  template N -o FILE             il modello incorporato N (1-4)\n"
    "  test-sheet [--template N] -o FILE.pdf  il foglio di prova per calibrare la stampante\n"
    "KIND: series, calendar, exemptions, oxygen, fiscal, free\n"
    "quirelle SOTTOCOMANDO --help mostra le opzioni di ciascuno; quirelle --version la versione.\n";

enum class TopLevel { Help, Version, Desktop, Subcommand, Error };

// The program's own options come before the subcommand; everything from the subcommand on
// belongs to it.
TopLevel parseTopLevel(int argc, char** argv, std::vector<std::string>& positional) {
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.addOption(QCommandLineOption(QStringList{"h", "help"}));
    parser.addOption(QCommandLineOption("version"));
    parser.addOption(QCommandLineOption("desktop"));
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        std::fprintf(stderr, "quirelle: opzione sconosciuta: %s\n",
                     unknown.isEmpty() ? argv[1] : dashed(unknown.front().toStdString()).c_str());
        return TopLevel::Error;
    }
    for (const QString& argument : parser.positionalArguments()) positional.push_back(argument.toStdString());
    if (parser.isSet("version")) return TopLevel::Version;
    if (parser.isSet("help") || parser.positionalArguments().value(0) == "help") return TopLevel::Help;
    if (parser.isSet("desktop")) return TopLevel::Desktop;
    return TopLevel::Subcommand;
}

}  // namespace

int runCommandLine(int argc, char** argv) {
    if (argc < 2) return runMainWindow(argc, argv);
    std::vector<std::string> positional;
    switch (parseTopLevel(argc, argv, positional)) {
        case TopLevel::Help:
            std::fputs(kUsage, stdout);
            return 0;
        case TopLevel::Version:
            std::printf("quirelle %s\n", QUIRELLE_VERSION);
            return 0;
        case TopLevel::Desktop:
            return runFromDesktop(argv, positional);
        case TopLevel::Error:
            std::fputs(kUsage, stderr);
            return 2;
        case TopLevel::Subcommand:
            break;
    }
    const std::string name = argv[1];
    auto it = subcommands().find(name);
    if (it == subcommands().end()) {
        std::fprintf(stderr, "quirelle: sottocomando sconosciuto: %s\n", name.c_str());
        std::fputs(kUsage, stderr);
        return 2;
    }
    try {
        return it->second(Args(argv + 2, argv + argc));
    } catch (const HelpRequested& help) {
        std::fputs(help.text.c_str(), stdout);
        return 0;
    } catch (const UsageError& e) {
        std::fprintf(stderr, "quirelle %s: %s\n", name.c_str(), e.message.c_str());
        return 2;
    }
}

}  // namespace app
