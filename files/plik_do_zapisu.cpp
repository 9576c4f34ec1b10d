#include "plik_do_zapisu.h"

#include "atrybuty_pliku.h"
#include "deskryptory_standardowe.h"
#include "plik_tymczasowy.h"
#include "powody.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace {

// An open descriptor, closed on the way out.
class Deskryptor {
public:
    explicit Deskryptor(int fd) : fd_(fd) {}
    ~Deskryptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Deskryptor(const Deskryptor&) = delete;
    Deskryptor& operator=(const Deskryptor&) = delete;
    int operator*() const { return fd_; }
    bool zamknij()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// The bytes of `tresc` into fd; errno of the first failed write stays in `blad`.
bool zapisz_do(int fd, const std::function<bool(const Ujscie&)>& tresc, int& blad)
{
    blad = 0;
    return tresc([fd, &blad](const void* dane, std::size_t bajty) {
        const auto* p = static_cast<const char*>(dane);
        while (bajty > 0) {
            const ssize_t n = ::write(fd, p, bajty);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                blad = n < 0 ? errno : ENOSPC;
                return false;
            }
            p += n;
            bajty -= std::size_t(n);
        }
        return true;
    });
}

bool porazka(std::string* powod, const std::string& tekst)
{
    if (powod)
        *powod = tekst;
    return false;
}

bool porazka_bledu(std::string* powod, int blad)
{
    blad = blad ? blad : EIO;
    return porazka(powod, blad == EACCES || blad == EPERM ? "brak uprawnień do zapisu" : powod_bledu(blad));
}

// Into what is already there, without truncating a FIFO or a device.
bool zapisz_na_miejscu(const std::string& sciezka, bool obetnij, const std::function<bool(const Ujscie&)>& tresc,
                       std::string* powod)
{
    // Without blocking: a FIFO nobody reads is refused rather than waited for.
    Deskryptor fd(::open(sciezka.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | (obetnij ? O_TRUNC : 0)));
    if (*fd < 0)
        return porazka_bledu(powod, errno);
    ::fcntl(*fd, F_SETFL, ::fcntl(*fd, F_GETFL) & ~O_NONBLOCK);
    int blad = 0;
    if (!zapisz_do(*fd, tresc, blad))
        return porazka_bledu(powod, blad);
    if (!fd.zamknij())
        return porazka_bledu(powod, errno);
    return true;
}

// The new file written whole, then put in the old one's place. Where it
// could not be made what the old one was (its owner, its ACL), or made at all
// in a folder we may not write in, the old one is written in place.
bool zapisz_i_podmien(const std::string& cel, const struct stat* dawny,
                      const std::function<bool(const Ujscie&)>& tresc, std::string* powod)
{
    auto nowy = std::make_unique<PlikTymczasowy>(cel, dawny ? dawny->st_mode & 0777 : 0666);
    const int fd = nowy->fd();
    if (fd < 0 && dawny && (nowy->blad() == EACCES || nowy->blad() == EPERM || nowy->blad() == EROFS))
        return zapisz_na_miejscu(cel, true, tresc, powod);
    if (fd < 0)
        return porazka_bledu(powod, nowy->blad());
    if (dawny && !przenies_atrybuty(cel, *dawny, fd)) {
        nowy.reset();
        return zapisz_na_miejscu(cel, true, tresc, powod);
    }
    int blad = 0;
    if (!zapisz_do(fd, tresc, blad))
        return porazka_bledu(powod, blad);
    return nowy->zastap_cel() || porazka_bledu(powod, nowy->blad());
}

// Where a new file at `sciezka` comes into being: through symbolic links to
// nothing yet, at the place the last one names, as the shell's `>` makes it.
// (stat has followed them already, with the kernel's rules for links in
// shared folders.)
std::string miejsce_nowego(std::string sciezka)
{
    char cel[PATH_MAX];
    for (int k = 0; k < 40; ++k) {
        const ssize_t n = ::readlink(sciezka.c_str(), cel, sizeof cel);
        if (n <= 0 || std::size_t(n) == sizeof cel)
            break;
        const std::string dokad(cel, std::size_t(n));
        sciezka = dokad.starts_with('/') ? dokad : folder_pliku(sciezka) + "/" + dokad;
    }
    return sciezka;
}

// The descriptor a name such as /dev/stdout or /proc/self/fd/3 stands for:
// opening it again could truncate a file the shell opened for appending.
int deskryptor_z_nazwy(std::string_view sciezka)
{
    if (sciezka == "/dev/stdout")
        return 1;
    if (sciezka == "/dev/stderr")
        return 2;
    for (const std::string_view przedrostek : {"/dev/fd/", "/proc/self/fd/"})
        if (sciezka.starts_with(przedrostek)) {
            const std::string_view numer = sciezka.substr(przedrostek.size());
            int fd = -1;
            if (std::from_chars(numer.data(), numer.data() + numer.size(), fd).ptr == numer.data() + numer.size())
                return fd;
        }
    return -1;
}

// One the process was started without holds /dev/null, not the output meant.
bool zapisz_do_deskryptora(int fd, const std::function<bool(const Ujscie&)>& tresc, std::string* powod)
{
    if (zamkniety_na_starcie(fd) || ::fcntl(fd, F_GETFD) < 0)
        return porazka_bledu(powod, EBADF);
    std::fflush(nullptr); // what went through stdio first stays first
    int blad = 0;
    return zapisz_do(fd, tresc, blad) || porazka_bledu(powod, blad);
}

bool nazwa_systemowa(const std::string& sciezka)
{
    return sciezka.starts_with("/dev/") || sciezka.starts_with("/proc/");
}

} // namespace

bool zapisz_bezpiecznie(const std::string& sciezka, const std::function<bool(const Ujscie&)>& tresc,
                        std::string* powod)
{
    if (const int fd = deskryptor_z_nazwy(sciezka); fd >= 0)
        return zapisz_do_deskryptora(fd, tresc, powod);
    struct stat st {};
    if (::stat(sciezka.c_str(), &st) != 0)
        return errno == ENOENT ? zapisz_i_podmien(miejsce_nowego(sciezka), nullptr, tresc, powod)
                               : porazka_bledu(powod, errno);
    if (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode))
        return zapisz_na_miejscu(sciezka, false, tresc, powod);
    if (!S_ISREG(st.st_mode))
        return porazka(powod, powod_rodzaju(st.st_mode));
    // What the shell's `>` may not write is not replaced either (root may, as there).
    if (::faccessat(AT_FDCWD, sciezka.c_str(), W_OK, AT_EACCESS) != 0)
        return porazka_bledu(powod, errno);
    if (nazwa_systemowa(sciezka) || st.st_nlink > 1)
        return zapisz_na_miejscu(sciezka, true, tresc, powod);
    // Through a symbolic link, the file it names is replaced and the link kept.
    char prawdziwa[PATH_MAX];
    const std::string cel = ::realpath(sciezka.c_str(), prawdziwa) ? std::string(prawdziwa) : sciezka;
    return zapisz_i_podmien(cel, &st, tresc, powod);
}
