#include "cele_zapisu.h"

#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

const bool jako_nobody = ::geteuid() == 0;
constexpr unsigned nobody = 65534;

// All that a save must keep or change, through symbolic links.
StanCelu stan(const fs::path& p)
{
    struct stat st {};
    StanCelu s{{"dowiązanie", std::to_string(::lstat(p.c_str(), &st) == 0 && S_ISLNK(st.st_mode))}};
    if (::stat(p.c_str(), &st) != 0)
        return s;
    std::ifstream plik(S_ISREG(st.st_mode) ? p : fs::path()); // opened, a FIFO would wait for a writer
    s["treść"].assign(std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>());
    s["tryb"] = std::to_string(st.st_mode);
    s["właściciel"] = std::to_string(st.st_uid) + ":" + std::to_string(st.st_gid);
    s["dowiązania twarde"] = std::to_string(st.st_nlink);
    std::string nazwy(4096, '\0'), wartosc(4096, '\0');
    const ssize_t n = ::listxattr(p.c_str(), nazwy.data(), nazwy.size());
    for (std::size_t k = 0; n > 0 && k < std::size_t(n); k += std::strlen(nazwy.data() + k) + 1) {
        const ssize_t m = ::getxattr(p.c_str(), nazwy.data() + k, wartosc.data(), wartosc.size());
        s[std::string("atrybut ") + (nazwy.data() + k)] =
            wartosc.substr(0, std::size_t(std::max<ssize_t>(m, 0)));
    }
    return s;
}

// The saver's, or (swoj false) the tests' own user's.
bool daj(const fs::path& p, bool swoj = true)
{
    return !swoj || !jako_nobody || ::lchown(p.c_str(), nobody, nobody) == 0;
}

bool napisz(const fs::path& p, mode_t tryb, bool swoj = true)
{
    std::ofstream(p, std::ios::binary) << "stary";
    return daj(p, swoj) && ::chmod(p.c_str(), tryb) == 0;
}

} // namespace

std::string WrogiCel::przygotuj()
{
    if (!tworz(sciezka))
        return {};
    przed = std::make_shared<StanCelu>(stan(sciezka));
    return sciezka.string();
}

// A file that was not there before is judged by its bytes and link alone.
std::string WrogiCel::sprawdz(const std::string& nowe) const
{
    StanCelu po = stan(sciezka), w = *przed;
    if (powod.empty())
        w["treść"] = nowe;
    if (!przed->count("treść"))
        std::erase_if(po, [](const auto& p) { return p.first != "treść" && p.first != "dowiązanie"; });
    std::string uwagi;
    for (const auto& [co, wartosc] : po)
        if (w[co] != wartosc)
            uwagi += co + "; ";
    for (const auto& [co, wartosc] : w)
        if (!po.count(co))
            uwagi += co + "; ";
    for (const fs::directory_entry& p : fs::directory_iterator(sciezka.parent_path()))
        if (p.path().filename().string().starts_with(".zenta-"))
            uwagi += "pozostał " + p.path().filename().string() + "; ";
    fs::permissions(sciezka.parent_path(), fs::perms::owner_all, fs::perm_options::add); // for the cleanup
    return uwagi;
}

std::vector<WrogiCel> wrogie_cele(const fs::path& f)
{
    if (!daj(f))
        std::abort();
    const auto plik = [](mode_t tryb, bool swoj = true) {
        return [=](const fs::path& p) { return (swoj || jako_nobody) && napisz(p, tryb, swoj); };
    };
    const auto dowiazanie = [](const char* dokad) {
        return [dokad](const fs::path& p) {
            fs::create_symlink(dokad, p);
            return daj(p);
        };
    };
    const std::string bez_prawa = "brak uprawnień do zapisu";
    return {
        {"plik tylko do odczytu", f / "tylko_do_odczytu.M1D", plik(0444), bez_prawa},
        {"cudzy plik", f / "cudzy.M1D", plik(0644, false), bez_prawa},
        {"cudzy plik, który każdy może pisać", f / "wspolny.M1D", plik(0666, false)},
        {"ACL i atrybuty rozszerzone", f / "acl.M1D",
         [](const fs::path& p) {
             const bool acl = napisz(p, 0640) &&
                              !std::system(("setfacl -m u:12345:rw " + p.string() + " 2>/dev/null").c_str());
             return ::setxattr(p.c_str(), "user.zenta", "wartość", 9, 0) == 0 || acl;
         }},
        {"plik bez ACL w folderze z domyślnym ACL", f / "domyslny_acl" / "plik.M1D",
         [](const fs::path& p) {
             return fs::create_directory(p.parent_path()) && daj(p.parent_path()) && napisz(p, 0644) &&
                    !std::system(
                        ("setfacl -d -m u:12345:rw " + p.parent_path().string() + " 2>/dev/null").c_str());
         }},
        {"dowiązanie do pliku", f / "dowiazanie.M1D",
         [=](const fs::path& p) {
             return napisz(f / "wskazany.M1D", 0640) && dowiazanie("wskazany.M1D")(p);
         }},
        {"wiszące dowiązanie", f / "wiszace.M1D", dowiazanie("jeszcze_nie_ma.M1D")},
        {"pętla dowiązań", f / "petla.M1D", dowiazanie("petla.M1D"),
         "za dużo dowiązań symbolicznych (dowiązanie wskazuje samo na siebie?)"},
        {"katalog", f / "katalog.M1D", [](const fs::path& p) { return fs::create_directory(p) && daj(p); },
         "to jest katalog"},
        {"potok bez czytelnika", f / "potok.M1D",
         [](const fs::path& p) { return !::mkfifo(p.c_str(), 0644) && daj(p); },
         "nikt nie czyta z tego potoku"},
        {"twarde dowiązanie", f / "twardy.M1D",
         [f](const fs::path& p) {
             return napisz(p, 0640) && (fs::create_hard_link(p, f / "drugi.M1D"), true);
         }},
        {"plik w folderze tylko do odczytu", f / "zamkniety" / "plik.M1D",
         [](const fs::path& p) {
             return fs::create_directory(p.parent_path()) && daj(p.parent_path()) && napisz(p, 0644) &&
                    ::chmod(p.parent_path().c_str(), 0555) == 0;
         }},
        {"nazwa 255 bajtów", f / (std::string(251, 'n') + ".M1D"), [](const fs::path&) { return true; }},
        {"pełny dysk", f / "pelny.M1D", plik(0644), "plik przekroczyłby dozwolony rozmiar", true},
    };
}

JakoZapisujacy::JakoZapisujacy(bool pelny_dysk) : grupy_(std::size_t(::getgroups(0, nullptr)))
{
    if (::getgroups(int(grupy_.size()), grupy_.data()) < 0 ||
        (jako_nobody && (::setgroups(0, nullptr) != 0 || ::setegid(nobody) != 0 || ::seteuid(nobody) != 0)))
        std::abort();
    ::getrlimit(RLIMIT_FSIZE, &limit_);
    const rlimit limit{pelny_dysk ? 0 : limit_.rlim_cur, limit_.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, pelny_dysk ? SIG_IGN : SIG_DFL);
}

JakoZapisujacy::~JakoZapisujacy()
{
    ::setrlimit(RLIMIT_FSIZE, &limit_);
    std::signal(SIGXFSZ, SIG_DFL);
    ::umask(maska_);
    if (jako_nobody &&
        (::seteuid(0) != 0 || ::setegid(0) != 0 || ::setgroups(grupy_.size(), grupy_.data()) != 0))
        std::abort();
}

std::string jako_zapisujacy(bool pelny_dysk)
{
    return std::string(pelny_dysk ? "umask 077; ulimit -f 0; trap '' XFSZ; " : "umask 077; ") +
           (jako_nobody ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "");
}
