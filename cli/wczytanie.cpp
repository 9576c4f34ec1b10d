#include "wczytanie.h"

#include "instalacja.h"
#include "kody.h"
#include "plik_do_czytania.h"
#include "tekst_modelu.h"


namespace {

// Read a piece at a time, as it is parsed: the text is never held whole.
OdczytModelu czytaj_tekst(const std::string& sciezka)
{
    OdczytModelu o;
    PlikDoCzytania plik(sciezka);
    if (!plik.otwarty()) {
        o.stan = {nie_mozna_otworzyc, "Nie można otworzyć pliku", {}};
        return o;
    }
    if (plik.rozmiar() > najwiekszy_model_tekstowy) {
        o.stan = {bledny_plik, "Błędny plik z danymi: model tekstowy może mieć najwyżej 1 GiB", {}};
        return o;
    }
    WynikTekstu w =
        czytaj_tekst_modelu([&plik](char* cel, std::size_t najwiecej) { return plik.czytaj(cel, najwiecej); },
                            plik.rozmiar());
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
