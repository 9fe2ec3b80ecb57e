// Why a file could not be read or written, in the operator's words (Italian): the one
// translation of the system's error numbers that the window and the command line both use.
#pragma once

#include <string>

namespace platform {

// The cause for an errno value, e.g. ENOSPC -> "disco pieno"; an unlisted value gives
// "errore di sistema N".
std::string fileErrorCause(int errnoValue);

}  // namespace platform
