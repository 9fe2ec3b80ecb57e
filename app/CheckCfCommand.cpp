// quirelle check-cf CODE: the fiscal code check of the main window, on one code.
#include <cstdio>

#include "app/Options.h"
#include "app/Subcommands.h"
#include "app/core/FiscalCodeCheck.h"

namespace app {

int runCheckCf(const Args& args) {
    const Options options(args, {}, {});
    if (options.positional().size() != 1 || options.positional().front().empty())
        throw UsageError("uso: quirelle check-cf CODICE");
    const FiscalCodeCheck check = checkFiscalCode(options.positional().front());
    const bool sound = check.message.empty();
    std::printf("%s\n%s\n", sound ? kFiscalCodeSound : check.message.c_str(), check.code.c_str());
    return sound ? 0 : 1;
}

}  // namespace app
