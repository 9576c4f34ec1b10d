#include "cele_zapisu.h"

#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

namespace fs = std::filesystem;

namespace {

std::string tresc(const fs::path& sciezka)
{
    std::ifstream plik(sciezka, std::ios::binary);
    return {std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>()};
}

struct stat stan(const fs::path& sciezka)
{
    struct stat st {};
    ::stat(sciezka.c_str(), &st);
    return st;
}

// The saver's file, or (swoj false) one of the tests' own user.
void napisz(const fs::path& sciezka, mode_t tryb, bool swoj)
{
    std::ofstream(sciezka, std::ios::binary) << "stary";
    const Zapisujacy kto = zapisujacy();
    if (swoj && kto.jest_ktos_inny && ::chown(sciezka.c_str(), kto.uid, kto.gid) != 0)
        std::abort();
    ::chmod(sciezka.c_str(), tryb);
}

std::map<std::string, std::string> atrybuty(const fs::path& sciezka)
{
    std::map<std::string, std::string> w;
    std::string nazwy(4096, '\0'), wartosc(4096, '\0');
    const ssize_t n = ::listxattr(sciezka.c_str(), nazwy.data(), nazwy.size());
    for (std::size_t k = 0; n > 0 && k < std::size_t(n); k += std::strlen(nazwy.data() + k) + 1) {
        const ssize_t m = ::getxattr(sciezka.c_str(), nazwy.data() + k, wartosc.data(), wartosc.size());
        w[nazwy.data() + k] = wartosc.substr(0, std::size_t(std::max<ssize_t>(m, 0)));
    }
    return w;
}

// What is wrong: the names of the checks that failed.
class Uwagi {
public:
    Uwagi& oczekuj(bool ok, const char* co)
    {
        if (!ok)
            tekst_ += std::string(co) + "; ";
        return *this;
    }
    // With the check that no temporary was left anywhere in the folder.
    std::string koniec(const fs::path& folder)
    {
        for (const fs::directory_entry& p : fs::recursive_directory_iterator(folder))
            oczekuj(!p.path().filename().string().starts_with(".zenta-"), "pozostał plik tymczasowy");
        return tekst_;
    }

private:
    std::string tekst_;
};

} // namespace

Zapisujacy zapisujacy()
{
    if (::geteuid() == 0)
        return {65534, 65534, true};
    return {::geteuid(), ::getegid(), false};
}

std::vector<WrogiCel> wrogie_cele(const std::string& nowe, const fs::path& folder)
{
    const Zapisujacy kto = zapisujacy();
    if (kto.jest_ktos_inny && ::chown(folder.c_str(), kto.uid, kto.gid) != 0)
        std::abort();
    const auto plik = [folder](const char* nazwa, mode_t tryb, bool swoj) {
        return [=] {
            napisz(folder / nazwa, tryb, swoj);
            return (folder / nazwa).string();
        };
    };
    const auto tylko_cudzy = [kto](std::function<std::string()> przygotuj) {
        return kto.jest_ktos_inny ? przygotuj : [] { return std::string(); };
    };
    const auto stary_caly = [folder](const std::string& cel) {
        return Uwagi().oczekuj(tresc(cel) == "stary", "zmieniona treść").koniec(folder);
    };
    const auto nowy = [folder, nowe](const std::string& cel) {
        return Uwagi().oczekuj(tresc(cel) == nowe, "nie zapisany").koniec(folder);
    };
    // Kept for the check of the ACL row: the attributes and mode it was given.
    const auto dawne = std::make_shared<std::pair<std::map<std::string, std::string>, mode_t>>();
    const fs::path zamkniety = folder / "folder_tylko_do_odczytu";
    return {
        {"plik tylko do odczytu", plik("tylko_do_odczytu.M1D", 0444, true), "brak uprawnień do zapisu", false,
         [=](const std::string& cel) {
             return Uwagi().oczekuj((stan(cel).st_mode & 07777) == 0444, "zmieniony tryb").koniec(folder) +
                    stary_caly(cel);
         }},
        {"cudzy plik", tylko_cudzy(plik("cudzy.M1D", 0644, false)), "brak uprawnień do zapisu", false,
         [=](const std::string& cel) {
             return Uwagi().oczekuj(stan(cel).st_uid == ::geteuid(), "zmieniony właściciel").koniec(folder) +
                    stary_caly(cel);
         }},
        {"cudzy plik, który każdy może pisać", tylko_cudzy(plik("wspolny.M1D", 0666, false)), "", false,
         [=](const std::string& cel) {
             return Uwagi().oczekuj(stan(cel).st_uid == ::geteuid(), "zmieniony właściciel").koniec(folder) +
                    nowy(cel);
         }},
        {"ACL i atrybuty rozszerzone",
         [=] {
             const fs::path p = folder / "acl.M1D";
             napisz(p, 0640, true);
             const bool acl = std::system(("setfacl -m u:12345:rw " + p.string() + " 2>/dev/null").c_str()) == 0;
             const bool xattr = ::setxattr(p.c_str(), "user.zenta", "wartość", 9, 0) == 0;
             *dawne = {atrybuty(p), stan(p).st_mode};
             return acl || xattr ? p.string() : std::string();
         },
         "", false,
         [=](const std::string& cel) {
             return Uwagi()
                        .oczekuj(atrybuty(cel) == dawne->first, "inne atrybuty rozszerzone")
                        .oczekuj(stan(cel).st_mode == dawne->second, "zmieniony tryb")
                        .koniec(folder) +
                    nowy(cel);
         }},
        {"wiszące dowiązanie",
         [=] {
             fs::create_symlink("cel_dowiazania.M1D", folder / "dowiazanie.M1D");
             return (folder / "dowiazanie.M1D").string();
         },
         "", false,
         [=](const std::string& cel) {
             return Uwagi().oczekuj(fs::is_symlink(cel), "dowiązanie zastąpione").koniec(folder) +
                    nowy((folder / "cel_dowiazania.M1D").string());
         }},
        {"plik w folderze tylko do odczytu",
         [=] {
             fs::create_directory(zamkniety);
             napisz(zamkniety / "plik.M1D", 0644, true);
             if (kto.jest_ktos_inny && ::chown(zamkniety.c_str(), kto.uid, kto.gid) != 0)
                 std::abort();
             fs::permissions(zamkniety, fs::perms(0555));
             return (zamkniety / "plik.M1D").string();
         },
         "", false,
         [=](const std::string& cel) {
             const std::string uwagi = nowy(cel);
             fs::permissions(zamkniety, fs::perms(0755));
             return uwagi;
         }},
        {"nazwa 255 bajtów", [=] { return (folder / (std::string(251, 'n') + ".M1D")).string(); }, "", false, nowy},
        {"pełny dysk", plik("pelny.M1D", 0644, true), "plik przekroczyłby dozwolony rozmiar", true, stary_caly},
    };
}

JakoZapisujacy::JakoZapisujacy(bool pelny_dysk) : pelny_dysk_(pelny_dysk)
{
    const Zapisujacy kto = zapisujacy();
    if (kto.jest_ktos_inny) {
        grupy_.resize(std::size_t(::getgroups(0, nullptr)));
        ::getgroups(int(grupy_.size()), grupy_.data());
        zmieniony_ = true;
        if (::setgroups(0, nullptr) != 0 || ::setegid(kto.gid) != 0 || ::seteuid(kto.uid) != 0)
            std::abort();
    }
    if (pelny_dysk) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit r{};
        ::getrlimit(RLIMIT_FSIZE, &r);
        limit_ = r.rlim_cur;
        r.rlim_cur = 0;
        ::setrlimit(RLIMIT_FSIZE, &r);
    }
}

JakoZapisujacy::~JakoZapisujacy()
{
    if (pelny_dysk_) {
        rlimit r{};
        ::getrlimit(RLIMIT_FSIZE, &r);
        r.rlim_cur = rlim_t(limit_);
        ::setrlimit(RLIMIT_FSIZE, &r);
        std::signal(SIGXFSZ, SIG_DFL);
    }
    if (zmieniony_ && (::seteuid(0) != 0 || ::setegid(0) != 0 || ::setgroups(grupy_.size(), grupy_.data()) != 0))
        std::abort();
}

std::string jako_zapisujacy(const std::string& polecenie, bool pelny_dysk)
{
    const Zapisujacy kto = zapisujacy();
    return std::string(pelny_dysk ? "ulimit -f 0; trap '' XFSZ; " : "") +
           (kto.jest_ktos_inny ? "setpriv --reuid=" + std::to_string(kto.uid) + " --regid=" + std::to_string(kto.gid) +
                                     " --clear-groups "
                               : "") +
           polecenie;
}
