#include "atrybuty_pliku.h"

#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <vector>

namespace {

bool przenies_wlasciciela(const struct stat& dawny, int fd)
{
    struct stat nowy {};
    if (::fstat(fd, &nowy) != 0)
        return false;
    return (nowy.st_uid == dawny.st_uid && nowy.st_gid == dawny.st_gid) ||
           ::fchown(fd, dawny.st_uid, dawny.st_gid) == 0;
}

// What `czytaj(bufor, rozmiar)` gives (a list of names or a value), asked
// again while it grows between the question of its size and the reading.
template <typename Czytaj>
bool przeczytaj(std::vector<char>& w, Czytaj czytaj)
{
    for (;;) {
        const ssize_t rozmiar = czytaj(nullptr, 0);
        if (rozmiar < 0)
            return false;
        w.resize(std::size_t(rozmiar));
        const ssize_t n = czytaj(w.data(), w.size());
        if (n >= 0) {
            w.resize(std::size_t(n));
            return true;
        }
        if (errno != ERANGE)
            return false;
    }
}

// A value the new file already has (a security label given to every new
// file) is left as it is: setting it again may be refused.
bool przenies_rozszerzony(const char* plik, const char* nazwa, int fd)
{
    std::vector<char> dawna, nowa;
    if (!przeczytaj(dawna, [&](void* b, std::size_t n) { return ::getxattr(plik, nazwa, b, n); }))
        return false;
    if (przeczytaj(nowa, [&](void* b, std::size_t n) { return ::fgetxattr(fd, nazwa, b, n); }) &&
        nowa == dawna)
        return true;
    return ::fsetxattr(fd, nazwa, dawna.data(), dawna.size(), 0) == 0;
}

std::vector<std::string_view> lista_nazw(const std::vector<char>& nazwy)
{
    std::vector<std::string_view> w;
    for (std::size_t k = 0; k < nazwy.size(); k += w.back().size() + 1)
        w.emplace_back(nazwy.data() + k);
    return w;
}

// Every attribute of the old file, and none besides: what the new one got
// from its folder (a default ACL) goes.
bool przenies_rozszerzone(const std::string& plik, int fd)
{
    std::vector<char> dawne, nowe;
    if (!przeczytaj(dawne, [&](char* b, std::size_t n) { return ::listxattr(plik.c_str(), b, n); }) ||
        !przeczytaj(nowe, [&](char* b, std::size_t n) { return ::flistxattr(fd, b, n); }))
        return errno == ENOTSUP; // a file system without them
    const std::vector<std::string_view> nazwy = lista_nazw(dawne);
    for (const std::string_view nazwa : nazwy)
        if (!przenies_rozszerzony(plik.c_str(), nazwa.data(), fd))
            return false;
    for (const std::string_view nazwa : lista_nazw(nowe))
        if (std::find(nazwy.begin(), nazwy.end(), nazwa) == nazwy.end() &&
            ::fremovexattr(fd, nazwa.data()) != 0)
            return false;
    return true;
}

} // namespace

// The owner first: a change of owner clears the set-user-ID bit, which the
// mode then gives back.
bool przenies_atrybuty(const std::string& dawny_plik, const struct stat& dawny, int fd)
{
    return przenies_wlasciciela(dawny, fd) && przenies_rozszerzone(dawny_plik, fd) &&
           ::fchmod(fd, dawny.st_mode & 07777) == 0;
}
