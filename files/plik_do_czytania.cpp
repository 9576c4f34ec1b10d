#include "plik_do_czytania.h"

#include "powody.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

PlikDoCzytania::PlikDoCzytania(const std::string& sciezka)
{
    const int fd = ::open(sciezka.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        // A socket cannot be opened at all: said as what it is, not by the errno.
        const int blad = errno;
        struct stat st {};
        powod_ = ::stat(sciezka.c_str(), &st) == 0 && !S_ISREG(st.st_mode) ? powod_rodzaju(st.st_mode)
                                                                           : powod_bledu(blad);
        return;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        powod_ = S_ISREG(st.st_mode) ? powod_bledu(errno) : powod_rodzaju(st.st_mode);
        ::close(fd);
        return;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    fd_ = fd;
    rozmiar_ = std::uint64_t(st.st_size);
}

PlikDoCzytania::~PlikDoCzytania()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::ptrdiff_t PlikDoCzytania::czytaj(char* cel, std::size_t najwiecej)
{
    for (;;) {
        const ssize_t n = ::read(fd_, cel, std::min<std::size_t>(najwiecej, std::size_t{1} << 30));
        if (n < 0 && errno == EINTR)
            continue;
        return n;
    }
}

bool PlikDoCzytania::od_poczatku() { return ::lseek(fd_, 0, SEEK_SET) == 0; }

bool PlikDoCzytania::czytaj_wszystkie(void* cel, std::size_t bajty)
{
    auto* p = static_cast<char*>(cel);
    while (bajty > 0) {
        const std::ptrdiff_t n = czytaj(p, bajty);
        if (n <= 0)
            return false; // an error, or the file shrank while being read
        p += n;
        bajty -= std::size_t(n);
    }
    return true;
}
