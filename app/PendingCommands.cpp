// Subcommands whose subsystems are still being built. Each moves to its own file when done.
#include <cstdio>

#include "app/Subcommands.h"

namespace app {

namespace {
[[maybe_unused]] int notYet(const char* what) {
    std::fprintf(stderr, "quirelle: %s non è ancora disponibile in questa versione\n", what);
    return 1;
}
}  // namespace

}  // namespace app
