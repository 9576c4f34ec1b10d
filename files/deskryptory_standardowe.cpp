#include "deskryptory_standardowe.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace {

bool zamkniete[3] = {};

} // namespace

void zajmij_zamkniete_deskryptory_standardowe()
{
    for (int fd = 0; fd < 3; ++fd)
        if (::fcntl(fd, F_GETFD) < 0 && errno == EBADF)
            zamkniete[fd] = ::open("/dev/null", O_RDWR) == fd; // the lowest free number: this one
}

bool zamkniety_na_starcie(int fd) { return fd >= 0 && fd < 3 && zamkniete[fd]; }
