#include "wczytanie.h"

#include "instalacja.h"
#include "kody.h"
#include "plik_do_czytania.h"
#include "powody.h"
#include "tekst_modelu.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>

namespace {

enum class Rodzaj { m1d, tekst, nieznany };

Rodzaj rodzaj_z_nazwy(const std::string& sciezka)
{
    std::string koncowka = sciezka.substr(sciezka.size() - std::min<std::size_t>(sciezka.size(), 4));
    std::transform(koncowka.begin(), koncowka.end(), koncowka.begin(),
                   [](char c) { return char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    return koncowka == ".txt" ? Rodzaj::tekst : koncowka == ".m1d" ? Rodzaj::m1d : Rodzaj::nieznany;
}

// An M1D file's counts put a zero byte among its first twelve (a count would
// need over 16 million elements to have none); a text has none.
Rodzaj rodzaj_z_poczatku(std::string_view poczatek)
{
    return poczatek.substr(0, 12).find('\0') != std::string_view::npos ? Rodzaj::m1d : Rodzaj::tekst;
}

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

OdczytModelu z_tekstu(WynikTekstu w, const std::string& sciezka)
{
    if (!w.ok)
        return odrzucony(bledny_plik, "Błędny plik z danymi", sciezka, w.blad);
    OdczytModelu o;
    o.tablice = w.tablice;
    return o;
}

OdczytModelu z_m1d(WynikOdczytu w, const std::string& sciezka)
{
    if (w.stan != Odczyt::ok)
        return odrzucony(w.stan == Odczyt::nie_mozna_otworzyc ? nie_mozna_otworzyc : bledny_plik,
                         w.stan == Odczyt::nie_mozna_otworzyc ? "Nie można otworzyć pliku" : "Błędny plik z danymi",
                         sciezka, w.powod);
    OdczytModelu o;
    o.tablice = w.tablice;
    o.stan.naprawione = std::move(w.naprawione);
    return o;
}

// A file: its kind by name, or by a look at its beginning; a text is read a
// piece at a time as it is parsed, and never held whole.
OdczytModelu z_pliku(const std::string& sciezka)
{
    PlikDoCzytania plik(sciezka);
    if (!plik.otwarty())
        return odrzucony(nie_mozna_otworzyc, "Nie można otworzyć pliku", sciezka, plik.powod());
    Rodzaj rodzaj = rodzaj_z_nazwy(sciezka);
    if (rodzaj == Rodzaj::nieznany) {
        char poczatek[12];
        const std::ptrdiff_t ile = plik.czytaj(poczatek, sizeof poczatek);
        rodzaj = rodzaj_z_poczatku({poczatek, std::size_t(std::max<std::ptrdiff_t>(ile, 0))});
        plik.od_poczatku();
    }
    if (rodzaj == Rodzaj::m1d)
        return z_m1d(czytaj_plik_m1d(plik), sciezka);
    if (plik.rozmiar() > najwiekszy_model_tekstowy)
        return odrzucony(bledny_plik, "Błędny plik z danymi", sciezka, "model tekstowy może mieć najwyżej 1 GiB");
    return z_tekstu(czytaj_tekst_modelu([&plik](char* cel, std::size_t n) { return plik.czytaj(cel, n); },
                                        plik.rozmiar()),
                    sciezka);
}

// Standard input is read whole first: a stream tells no length, and the
// arrays are made only for counts the bytes can back. An endless stream
// (/dev/zero piped in) stops at the text model's limit.
std::optional<std::string> cale_wejscie(std::string& powod)
{
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
    if (rodzaj_z_poczatku(*t) == Rodzaj::m1d)
        return z_m1d(czytaj_m1d(std::as_bytes(std::span(t->data(), t->size()))), "-");
    return z_tekstu(czytaj_tekst_modelu(*t), "-");
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
