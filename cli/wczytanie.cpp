#include "wczytanie.h"

#include "instalacja.h"
#include "kody.h"
#include "tekst_modelu.h"

#include <fstream>
#include <iterator>
#include <optional>

namespace {

std::optional<std::string> zawartosc(const std::string& sciezka)
{
    std::ifstream plik(sciezka, std::ios::binary);
    if (!plik)
        return std::nullopt;
    std::string t((std::istreambuf_iterator<char>(plik)), std::istreambuf_iterator<char>());
    if (plik.bad())
        return std::nullopt;
    return t;
}

OdczytModelu czytaj_tekst(const std::string& sciezka)
{
    OdczytModelu o;
    const std::optional<std::string> tekst = zawartosc(sciezka);
    if (!tekst) {
        o.stan = {nie_mozna_otworzyc, "Nie można otworzyć pliku", {}};
        return o;
    }
    WynikTekstu w = czytaj_tekst_modelu(*tekst);
    if (!w.ok) {
        o.stan = {bledny_plik, "Błędny plik z danymi: " + w.blad, {}};
        return o;
    }
    o.tablice = w.tablice;
    return o;
}

} // namespace

bool jest_modelem_tekstowym(const std::string& sciezka)
{
    if (sciezka.size() < 4)
        return false;
    std::string koncowka = sciezka.substr(sciezka.size() - 4);
    for (char& c : koncowka)
        c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return koncowka == ".txt";
}

OdczytModelu czytaj_model(const std::string& sciezka)
{
    if (jest_modelem_tekstowym(sciezka))
        return czytaj_tekst(sciezka);
    WynikOdczytu w = czytaj_plik_m1d(sciezka);
    OdczytModelu o;
    if (w.stan == Odczyt::nie_mozna_otworzyc)
        o.stan = {nie_mozna_otworzyc, "Nie można otworzyć pliku", {}};
    else if (w.stan != Odczyt::ok)
        o.stan = {bledny_plik, "Błędny plik z danymi", {}};
    else {
        o.tablice = w.tablice;
        o.stan.naprawione = std::move(w.naprawione);
    }
    return o;
}

WczytanyModel wczytaj_model(const std::string& sciezka)
{
    OdczytModelu o = czytaj_model(sciezka);
    if (o.stan.kod == sukces)
        zainstaluj_model(o.tablice);
    return o.stan;
}
