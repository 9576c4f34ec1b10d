#include "powody.h"

#include <sys/stat.h>

#include <cerrno>

std::string powod_bledu(int blad)
{
    switch (blad) {
    case ENOENT: return "nie ma takiego pliku";
    case EACCES:
    case EPERM: return "brak uprawnień";
    case EROFS: return "system plików jest tylko do odczytu";
    case ENOSPC: return "brak miejsca na urządzeniu";
    case EDQUOT: return "brak miejsca na dysku (przydział wyczerpany)";
    case EFBIG: return "plik przekroczyłby dozwolony rozmiar";
    case ELOOP: return "za dużo dowiązań symbolicznych (dowiązanie wskazuje samo na siebie?)";
    case ENAMETOOLONG: return "za długa nazwa";
    case ENOTDIR: return "część ścieżki nie jest katalogiem";
    case EISDIR: return "to jest katalog";
    case ENXIO: return "nikt nie czyta z tego potoku";
    case EPIPE: return "odbiorca zamknął potok";
    case EIO: return "błąd wejścia-wyjścia";
    case EBADF: return "deskryptor jest zamknięty";
    default: return "błąd systemu " + std::to_string(blad);
    }
}

std::string powod_rodzaju(mode_t tryb)
{
    if (S_ISDIR(tryb))
        return "to jest katalog";
    if (S_ISFIFO(tryb))
        return "to jest potok (FIFO), nie plik";
    if (S_ISCHR(tryb) || S_ISBLK(tryb))
        return "to jest urządzenie, nie plik";
    if (S_ISSOCK(tryb))
        return "to jest gniazdo, nie plik";
    return "to nie jest zwykły plik";
}
