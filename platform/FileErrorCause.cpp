#include "platform/FileErrorCause.h"

#include <cerrno>

namespace platform {

namespace {

struct Cause {
    int errnoValue;
    const char* text;
};

constexpr Cause kCauses[] = {
    {ENOENT, "file non trovato"},
    {ENOTDIR, "cartella non trovata"},
    {EACCES, "permesso negato"},
    {EPERM, "operazione non permessa"},
    {EROFS, "disco in sola lettura"},
    {ENOSPC, "disco pieno"},
    {EDQUOT, "spazio su disco esaurito per questo utente"},
    {EISDIR, "\xC3\xA8 una cartella"},
    {EFBIG, "file troppo grande"},
    {EIO, "errore del disco"},
    {EMFILE, "troppi file aperti"},
    {ENFILE, "troppi file aperti"},
    {ENAMETOOLONG, "nome del file troppo lungo"},
    {ELOOP, "troppi collegamenti simbolici"},
    {EBUSY, "file in uso"},
    {ETXTBSY, "file in uso"},
    {EEXIST, "il file esiste gi\xC3\xA0"},
    {ENXIO, "dispositivo non disponibile"},
    {ENODEV, "dispositivo non disponibile"},
    {ENOMEM, "memoria esaurita"},
    {EXDEV, "cartella su un altro disco"},
};

}  // namespace

std::string fileErrorCause(int errnoValue) {
    for (const Cause& cause : kCauses)
        if (cause.errnoValue == errnoValue) return cause.text;
    return "errore di sistema " + std::to_string(errnoValue);
}

}  // namespace platform
