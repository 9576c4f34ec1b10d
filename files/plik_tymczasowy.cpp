#include "plik_tymczasowy.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <utility>

namespace {

bool tylko_nazwane = false;

// ---- the named temporary removed when a signal ends the process ----

constexpr int sygnaly_konca[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int ile_sygnalow = int(std::size(sygnaly_konca));

// What the handler reads: written only while the flag is down.
char w_toku[PATH_MAX];
volatile std::sig_atomic_t jest_w_toku = 0;
struct sigaction dawne[ile_sygnalow];
bool przechwycony[ile_sygnalow] = {};

extern "C" void usun_w_toku(int sygnal)
{
    if (jest_w_toku)
        ::unlink(w_toku);
    jest_w_toku = 0;
    for (int k = 0; k < ile_sygnalow; ++k)
        if (sygnaly_konca[k] == sygnal)
            ::sigaction(sygnal, &dawne[k], nullptr);
    ::raise(sygnal); // what the signal was going to do, once the handler returns
}

bool ignorowany(const struct sigaction& a) { return !(a.sa_flags & SA_SIGINFO) && a.sa_handler == SIG_IGN; }

// A signal the process ignores (nohup) stays ignored.
void pilnuj(const std::string& nazwa)
{
    jest_w_toku = 0;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    if (nazwa.size() >= sizeof w_toku)
        return;
    std::memcpy(w_toku, nazwa.c_str(), nazwa.size() + 1);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    jest_w_toku = 1;
    for (int k = 0; k < ile_sygnalow; ++k) {
        if (przechwycony[k] || ::sigaction(sygnaly_konca[k], nullptr, &dawne[k]) != 0 || ignorowany(dawne[k]))
            continue;
        struct sigaction nowa {};
        nowa.sa_handler = usun_w_toku;
        sigfillset(&nowa.sa_mask);
        przechwycony[k] = ::sigaction(sygnaly_konca[k], &nowa, nullptr) == 0;
    }
}

void nie_pilnuj()
{
    const int blad = errno;
    jest_w_toku = 0;
    for (int k = 0; k < ile_sygnalow; ++k)
        if (std::exchange(przechwycony[k], false))
            ::sigaction(sygnaly_konca[k], &dawne[k], nullptr);
    errno = blad;
}

// ---- names ----

std::string nowa_nazwa(const std::string& folder)
{
    static std::atomic<unsigned> licznik{0};
    return folder + "/.zenta-" + std::to_string(::getpid()) + "-" + std::to_string(licznik++);
}

bool mozna_bez_nazwy()
{
    static const bool jest_proc = ::access("/proc/self/fd", X_OK) == 0; // linkat names the file through it
    return jest_proc && !tylko_nazwane;
}

} // namespace

std::string folder_pliku(const std::string& sciezka)
{
    const std::size_t ukosnik = sciezka.rfind('/');
    if (ukosnik == std::string::npos)
        return ".";
    return ukosnik == 0 ? "/" : sciezka.substr(0, ukosnik);
}

PlikTymczasowy::PlikTymczasowy(const std::string& cel, mode_t tryb) : cel_(cel)
{
    const std::string folder = folder_pliku(cel);
    if (mozna_bez_nazwy()) {
        fd_ = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, tryb);
        if (fd_ >= 0)
            return;
    }
    for (int proba = 0; proba < 100; ++proba) {
        const std::string nazwa = nowa_nazwa(folder);
        pilnuj(nazwa);
        fd_ = ::open(nazwa.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, tryb);
        if (fd_ >= 0) {
            nazwa_ = nazwa;
            return;
        }
        if (errno != EEXIST)
            break;
    }
    blad_ = errno;
    nie_pilnuj();
}

PlikTymczasowy::~PlikTymczasowy()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!nazwa_.empty())
        ::unlink(nazwa_.c_str());
    nie_pilnuj();
}

// Only a whole file gets a name, watched over from before it has it.
bool PlikTymczasowy::nadaj_nazwe()
{
    const std::string folder = folder_pliku(cel_), plik = "/proc/self/fd/" + std::to_string(fd_);
    for (int proba = 0; proba < 100; ++proba) {
        const std::string nazwa = nowa_nazwa(folder);
        pilnuj(nazwa);
        if (::linkat(AT_FDCWD, plik.c_str(), AT_FDCWD, nazwa.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            nazwa_ = nazwa;
            return true;
        }
        if (errno != EEXIST)
            break;
    }
    nie_pilnuj();
    return false;
}

bool PlikTymczasowy::porazka()
{
    blad_ = errno;
    return false;
}

bool PlikTymczasowy::zastap_cel()
{
    if (::fsync(fd_) != 0 || (nazwa_.empty() && !nadaj_nazwe()))
        return porazka();
    if (::close(std::exchange(fd_, -1)) != 0 || ::rename(nazwa_.c_str(), cel_.c_str()) != 0)
        return porazka();
    nazwa_.clear();
    nie_pilnuj();
    return true;
}

void tylko_nazwane_pliki_tymczasowe(bool tak) { tylko_nazwane = tak; }
