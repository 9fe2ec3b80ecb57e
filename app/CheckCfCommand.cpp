// quirelle check-cf CODE: the fiscal code check of the main window, on one code.
#include <cctype>
#include <cstdio>
#include <string>

#include "app/Options.h"
#include "app/Subcommands.h"
#include "labels/FiscalCodeCheck.h"

namespace app {

namespace {

// The window's fiscal code edit takes upper-case input only; the code is checked as it would hold it.
std::string asTyped(std::string code) {
    for (char& c : code)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return code;
}

}  // namespace

int runCheckCf(const Args& args) {
    const Options options(args, {"check-cf", "CODICE",
                                 "Controlla un codice fiscale: riga 1 l'esito, riga 2 il codice dopo "
                                 "l'eventuale correzione.",
                                 {}});
    if (options.positional().size() != 1 || options.positional().front().empty())
        throw UsageError("uso: quirelle check-cf CODICE");
    const labels::FiscalCodeCheck check = labels::checkFiscalCode(asTyped(options.positional().front()));
    const bool sound = check.message.empty();
    std::printf("%s\n%s\n", sound ? labels::kFiscalCodeSound : check.message.c_str(), check.code.c_str());
    return sound ? 0 : 1;
}

}  // namespace app
