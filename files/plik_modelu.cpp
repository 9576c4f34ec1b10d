#include "plik_modelu.h"

#include "koncowka_nazwy.h"
#include "plik_do_czytania.h"
#include "tekst_modelu.h"

#include <algorithm>
#include <span>

namespace {

enum class Rodzaj { m1d, tekst, nieznany };

Rodzaj rodzaj_z_nazwy(std::string_view sciezka)
{
    return konczy_sie_na(sciezka, ".txt") ? Rodzaj::tekst : konczy_sie_na(sciezka, ".m1d") ? Rodzaj::m1d : Rodzaj::nieznany;
}

// An M1D file's counts put a zero byte among its first twelve (a count would
// need over 16 million elements to have none); a text has none.
Rodzaj rodzaj_z_poczatku(std::string_view poczatek)
{
    return poczatek.substr(0, 12).find('\0') != std::string_view::npos ? Rodzaj::m1d : Rodzaj::tekst;
}

WynikOdczytu z_tekstu(WynikTekstu t)
{
    WynikOdczytu w;
    if (t.ok) {
        w.stan = Odczyt::ok;
        w.tablice = t.tablice;
    } else {
        w.stan = t.brak_pamieci ? Odczyt::brak_pamieci : Odczyt::bledny_plik;
        w.powod = std::move(t.blad);
    }
    return w;
}

WynikOdczytu za_duzy_tekst()
{
    WynikOdczytu w;
    w.powod = "model tekstowy może mieć najwyżej 1 GiB";
    return w;
}

} // namespace

bool nazwa_modelu_tekstowego(std::string_view sciezka) { return rodzaj_z_nazwy(sciezka) == Rodzaj::tekst; }

WynikOdczytu czytaj_plik_modelu(const std::string& sciezka, std::string* tekst)
{
    PlikDoCzytania plik(sciezka);
    if (!plik.otwarty()) {
        WynikOdczytu w;
        w.stan = Odczyt::nie_mozna_otworzyc;
        w.powod = plik.powod();
        return w;
    }
    Rodzaj rodzaj = rodzaj_z_nazwy(sciezka);
    if (rodzaj == Rodzaj::nieznany) {
        char poczatek[12];
        const std::ptrdiff_t ile = plik.czytaj(poczatek, sizeof poczatek);
        rodzaj = rodzaj_z_poczatku({poczatek, std::size_t(std::max<std::ptrdiff_t>(ile, 0))});
    }
    if (rodzaj == Rodzaj::m1d)
        return czytaj_plik_m1d(plik);
    if (plik.rozmiar() > najwiekszy_model_tekstowy)
        return za_duzy_tekst();
    plik.od_poczatku();
    return z_tekstu(czytaj_tekst_modelu(
        [&plik, tekst](char* cel, std::size_t n) {
            const std::ptrdiff_t ile = plik.czytaj(cel, n);
            if (tekst && ile > 0)
                tekst->append(cel, std::size_t(ile));
            return ile;
        },
        plik.rozmiar()));
}

WynikOdczytu czytaj_model_z_bajtow(std::string_view bajty)
{
    if (rodzaj_z_poczatku(bajty) == Rodzaj::m1d)
        return czytaj_m1d(std::as_bytes(std::span(bajty.data(), bajty.size())));
    if (bajty.size() > najwiekszy_model_tekstowy)
        return za_duzy_tekst();
    return z_tekstu(czytaj_tekst_modelu(bajty));
}
