#include "wczytanie.h"

#include "deskryptory_standardowe.h"
#include "instalacja.h"
#include "kody.h"
#include "plik_modelu.h"
#include "pom_mac.h"
#include "powody.h"

#include <unistd.h>

#include <cerrno>
#include <optional>

namespace {

std::string komunikat(const char* tekst, const std::string& sciezka, const std::string& powod)
{
    return std::string(tekst) + ": " + (sciezka == "-" ? "standardowe wejście" : sciezka) + ": " + powod;
}

OdczytModelu odrzucony(int kod, const char* tekst, const std::string& sciezka, const std::string& powod)
{
    OdczytModelu o;
    o.stan = {kod, komunikat(tekst, sciezka, powod), {}};
    return o;
}

// Either kind of file, by the status of its reading.
OdczytModelu z_odczytu(WynikOdczytu w, const std::string& sciezka)
{
    if (w.stan == Odczyt::brak_pamieci) // as any allocation of the model that fails
        nrerror("błąd allokacji w vector()");
    if (w.stan != Odczyt::ok)
        return odrzucony(w.stan == Odczyt::nie_mozna_otworzyc ? nie_mozna_otworzyc : bledny_plik,
                         w.stan == Odczyt::nie_mozna_otworzyc ? "Nie można otworzyć pliku" : "Błędny plik z danymi",
                         sciezka, w.powod);
    OdczytModelu o;
    o.tablice = w.tablice;
    o.stan.naprawione = std::move(w.naprawione);
    return o;
}

OdczytModelu z_pliku(const std::string& sciezka) { return z_odczytu(czytaj_plik_modelu(sciezka), sciezka); }

// Standard input is read whole first: a stream tells no length, and the
// arrays are made only for counts the bytes can back. An endless stream
// (/dev/zero piped in) stops at the text model's limit.
std::optional<std::string> cale_wejscie(std::string& powod)
{
    if (zamkniety_na_starcie(0)) {
        powod = powod_bledu(EBADF);
        return std::nullopt;
    }
    std::string t;
    char bufor[1 << 16];
    for (;;) {
        const ssize_t n = ::read(0, bufor, sizeof bufor);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            powod = powod_bledu(errno);
            return std::nullopt;
        }
        if (n == 0)
            return t;
        if (t.size() + std::size_t(n) > najwiekszy_model_tekstowy) {
            powod = "na standardowym wejściu jest więcej niż 1 GiB";
            return std::nullopt;
        }
        t.append(bufor, std::size_t(n));
    }
}

OdczytModelu z_wejscia()
{
    std::string powod;
    const std::optional<std::string> t = cale_wejscie(powod);
    if (!t)
        return odrzucony(nie_mozna_otworzyc, "Nie można otworzyć pliku", "-", powod);
    return z_odczytu(czytaj_model_z_bajtow(*t), "-");
}

} // namespace

OdczytModelu czytaj_model(const std::string& sciezka) { return sciezka == "-" ? z_wejscia() : z_pliku(sciezka); }

WczytanyModel wczytaj_model(const std::string& sciezka)
{
    OdczytModelu o = czytaj_model(sciezka);
    if (o.stan.kod == sukces)
        zainstaluj_model(o.tablice);
    return o.stan;
}
