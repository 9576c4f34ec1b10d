#include "plik_do_zapisu.h"

#include "powody.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
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

bool porazka_bledu(std::string* powod, int blad) { return porazka(powod, powod_bledu(blad ? blad : EIO)); }

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

std::string katalog(const std::string& sciezka)
{
    const std::size_t ukosnik = sciezka.rfind('/');
    if (ukosnik == std::string::npos)
        return ".";
    return ukosnik == 0 ? "/" : sciezka.substr(0, ukosnik);
}

std::string nazwa(const std::string& sciezka)
{
    const std::size_t ukosnik = sciezka.rfind('/');
    return ukosnik == std::string::npos ? sciezka : sciezka.substr(ukosnik + 1);
}

// A new file beside `cel`, made here and nowhere else: its descriptor and
// name. Made with the old file's permissions, so that a private file is never
// readable by others while it is written.
int nowy_obok(const std::string& cel, mode_t tryb, std::string& tymczasowy)
{
    static std::atomic<unsigned> licznik{0};
    for (int proba = 0; proba < 100; ++proba) {
        tymczasowy = katalog(cel) + "/." + nazwa(cel) + ".zenta-" + std::to_string(::getpid()) + "-" +
                     std::to_string(licznik++);
        const int fd = ::open(tymczasowy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, tryb);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The new file written whole, then put in the old one's place.
bool zapisz_i_podmien(const std::string& cel, const struct stat* dawny,
                      const std::function<bool(const Ujscie&)>& tresc, std::string* powod)
{
    std::string tymczasowy;
    Deskryptor fd(nowy_obok(cel, dawny ? dawny->st_mode & 0777 : 0666, tymczasowy));
    if (*fd < 0) {
        const int blad = errno;
        // A folder we may not write in, over a file we may: written in place.
        if (dawny && (blad == EACCES || blad == EPERM || blad == EROFS) && ::access(cel.c_str(), W_OK) == 0)
            return zapisz_na_miejscu(cel, true, tresc, powod);
        return porazka_bledu(powod, blad);
    }
    if (dawny) {
        // Where the process may; a fortified fchown wants its result looked at.
        [[maybe_unused]] const int wlasciciel = ::fchown(*fd, dawny->st_uid, dawny->st_gid);
        ::fchmod(*fd, dawny->st_mode & 07777);
    }
    int blad = 0;
    const bool zapisano = zapisz_do(*fd, tresc, blad) && ::fsync(*fd) == 0 && fd.zamknij();
    if (zapisano && ::rename(tymczasowy.c_str(), cel.c_str()) == 0)
        return true;
    blad = blad ? blad : errno;
    ::unlink(tymczasowy.c_str());
    return porazka_bledu(powod, blad);
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

bool zapisz_do_deskryptora(int fd, const std::function<bool(const Ujscie&)>& tresc, std::string* powod)
{
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
    if (::stat(sciezka.c_str(), &st) != 0) {
        if (errno != ENOENT)
            return porazka_bledu(powod, errno);
        return zapisz_i_podmien(sciezka, nullptr, tresc, powod);
    }
    if (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode))
        return zapisz_na_miejscu(sciezka, false, tresc, powod);
    if (!S_ISREG(st.st_mode))
        return porazka(powod, powod_rodzaju(st.st_mode));
    if (nazwa_systemowa(sciezka) || st.st_nlink > 1)
        return zapisz_na_miejscu(sciezka, true, tresc, powod);
    // Through a symbolic link, the file it names is replaced and the link kept.
    char prawdziwa[PATH_MAX];
    const std::string cel = ::realpath(sciezka.c_str(), prawdziwa) ? std::string(prawdziwa) : sciezka;
    return zapisz_i_podmien(cel, &st, tresc, powod);
}
