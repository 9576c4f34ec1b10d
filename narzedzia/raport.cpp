#include "raport.h"

#include "bilans.h"
#include "html.h"
#include "model.h"
#include "nauka.h"
#include "pochodne.h"
#include "rozwiazanie_dokladne.h"
#include "rysunek.h"
#include "sprawdzenie.h"
#include "svg.h"
#include "wykres.h"

#include <algorithm>
#include <future>

namespace {

constexpr int szerokosc_rysunku = 1100, wysokosc_rysunku = 520, wysokosc_wykresu = 420;

const char* const styl = R"(
body { font-family: "Liberation Sans", Arial, sans-serif; margin: 2em auto; max-width: 1150px; color: #222; }
h1 { font-size: 1.6em; margin-bottom: 0.2em; }
h2 { border-bottom: 2px solid #444; padding-bottom: 0.2em; margin-top: 2em; }
table { border-collapse: collapse; margin: 0.8em 0; font-size: 0.92em; }
th, td { border: 1px solid #bbb; padding: 0.25em 0.6em; text-align: right; }
th { background: #e8e8e8; }
table.macierz td { border: none; padding: 0 0.4em; }
table.macierz { border-left: 2px solid #444; border-right: 2px solid #444; margin: 0; }
.blad { color: #a00; } .ostrzezenie { color: #8a5a00; } .dobrze { color: #070; }
svg { max-width: 100%; height: auto; border: 1px solid #ddd; }
.kolumny { display: flex; gap: 2em; flex-wrap: wrap; align-items: flex-start; }
nav a { margin-right: 1em; }
pre { background: #f4f4f4; padding: 0.6em; }
)";

// A picture inside the page: no XML declaration, ids of its own.
void svg(Strumien& o, const Rysunek& r, int szerokosc, int wysokosc, std::string_view przedrostek)
{
    OpcjeSvg opcje;
    opcje.deklaracja_xml = false;
    opcje.przedrostek = przedrostek;
    zapisz_svg(r, szerokosc, wysokosc, o, opcje);
}

int wiersze(Strumien& o, int ile)
{
    if (ile > najwiecej_wierszy_raportu)
        o << "<p>Pokazano " << najwiecej_wierszy_raportu << " pierwszych z " << ile
          << " wierszy; wszystkie daje <code>zenta-oblicz --csv</code>.</p>\n";
    return std::min(ile, najwiecej_wierszy_raportu);
}

void sprawdzenie(Strumien& o, std::span<const NaprawionaPodpora> naprawione,
                 const std::shared_future<Rozwiazanie>& z_kara)
{
    o << "<h2 id=\"sprawdzenie\">Sprawdzenie modelu</h2>\n";
    std::vector<Uwaga> uwagi = sprawdz_dane(naprawione);
    if (!sa_bledy(uwagi)) {
        const std::vector<Uwaga> po = sprawdz_wyniki(z_kara.get());
        uwagi.insert(uwagi.end(), po.begin(), po.end());
    }
    if (uwagi.empty()) {
        o << "<p class=\"dobrze\">Nie znaleziono usterek.</p>\n";
        return;
    }
    o << "<ul>\n";
    for (const Uwaga& u : uwagi)
        o << "<li class=\"" << (u.waga == Waga::blad ? "blad\">Błąd: " : "ostrzezenie\">Uwaga: ")
          << html(u.tekst) << "</li>\n";
    o << "</ul>\n";
}

void rysunek(Strumien& o)
{
    o << "<h2 id=\"rysunek\">Rysunek pręta</h2>\n<p>Tak, jak pokazuje go okno programu z włączonymi "
         "naprężeniami: kolor elementu to jego naprężenie, legenda po prawej.</p>\n";
    TablicaKolorow knapr{};
    Pasek_kol(knapr);
    svg(o, rysuj(UstawieniaWidoku{true, 1, &knapr}, szerokosc_rysunku, wysokosc_rysunku).rysunek,
        szerokosc_rysunku, wysokosc_rysunku, "r");
}

void dane(Strumien& o)
{
    o << "<h2 id=\"dane\">Dane</h2>\n<div class=\"kolumny\"><div>\n<h3>Elementy</h3>\n";
    const int ile_el = wiersze(o, il_elem);
    if (qx) {
        poczatek_tabeli(o, {"element", "węzły", "L", "A", "E", "α", "ΔT", "q"});
        for (int i = 1; i <= ile_el; ++i)
            wiersz_html(o, i, std::to_string(i) + "–" + std::to_string(i + 1),
                        LiczbaHtml{wielkosci_elementu(i).dlugosc}, LiczbaHtml{a[i]}, LiczbaHtml{e[i]},
                        LiczbaHtml{alp[i]}, LiczbaHtml{dt[i]}, LiczbaHtml{qx[i]});
    } else {
        poczatek_tabeli(o, {"element", "węzły", "L", "A", "E", "α", "ΔT"});
        for (int i = 1; i <= ile_el; ++i)
            wiersz_html(o, i, std::to_string(i) + "–" + std::to_string(i + 1),
                        LiczbaHtml{wielkosci_elementu(i).dlugosc}, LiczbaHtml{a[i]}, LiczbaHtml{e[i]},
                        LiczbaHtml{alp[i]}, LiczbaHtml{dt[i]});
    }
    koniec_tabeli(o);
    o << "</div><div>\n<h3>Węzły</h3>\n";
    const int ile_w = wiersze(o, il_wezl);
    poczatek_tabeli(o, {"węzeł", "x", "siła"});
    for (int j = 1; j <= ile_w; ++j)
        wiersz_html(o, j, LiczbaHtml{x[j]}, LiczbaHtml{si[j]});
    koniec_tabeli(o);
    o << "</div><div>\n<h3>Podpory</h3>\n";
    const int ile_p = wiersze(o, il_podpor);
    poczatek_tabeli(o, {"podpora", "węzeł", "wymuszenie u"});
    for (int k = 1; k <= ile_p; ++k)
        wiersz_html(o, k, nu[k], LiczbaHtml{u[k]});
    koniec_tabeli(o);
    if (ks) {
        o << "</div><div>\n<h3>Sprężyny</h3>\n";
        poczatek_tabeli(o, {"węzeł", "sztywność k"});
        for (int j = 1; j <= il_wezl; ++j)
            if (ks[j] != 0.0f)
                wiersz_html(o, j, LiczbaHtml{ks[j]});
        koniec_tabeli(o);
    }
    o << "</div></div>\n";
}

// Under a distributed load the stress runs linearly inside an element: its
// values at both ends, and where the displacement is largest.
void wnetrza_elementow(Strumien& o, int ile_el)
{
    o << "<h3>Wnętrza elementów (rozwiązanie ścisłe pod obciążeniem ciągłym)</h3>\n<p>σ elementu z tabeli "
         "wyżej to średnia ścisłej linii naprężeń; na końcach elementu ścisłe naprężenie różni się od niej o "
         "±q·L/(2·A).</p>\n";
    poczatek_tabeli(o, {"element", "σ na początku", "σ na końcu", "największe |u|", "w x"});
    for (int i = 1; i <= ile_el; ++i) {
        const Ekstremum u_max = ekstremum_przemieszczenia(i);
        wiersz_html(o, i, LiczbaHtml{naprezenie_w(i, 0)}, LiczbaHtml{naprezenie_w(i, 1)}, LiczbaHtml{u_max.u},
                    LiczbaHtml{u_max.x});
    }
    koniec_tabeli(o);
}

void wyniki(Strumien& o)
{
    o << "<h2 id=\"wyniki\">Wyniki</h2>\n<h3>Elementy</h3>\n";
    const int ile_el = wiersze(o, il_elem);
    poczatek_tabeli(o, {"element", "σ", "N = σ·A", "ε", "ε<sub>T</sub> = α·ΔT",
                        "ε<sub>m</sub> = ε − ε<sub>T</sub>", "ΔL"});
    for (int i = 1; i <= ile_el; ++i) {
        const WielkosciElementu w = wielkosci_elementu(i);
        wiersz_html(o, i, LiczbaHtml{stress[i]}, LiczbaHtml{w.sila}, LiczbaHtml{w.odksztalcenie},
                    LiczbaHtml{w.termiczne}, LiczbaHtml{w.mechaniczne}, LiczbaHtml{w.wydluzenie});
    }
    koniec_tabeli(o);
    if (qx)
        wnetrza_elementow(o, ile_el);
    o << "<div class=\"kolumny\"><div>\n<h3>Przemieszczenia węzłów</h3>\n";
    const int ile_w = wiersze(o, il_wezl);
    poczatek_tabeli(o, {"węzeł", "u"});
    for (int j = 1; j <= ile_w; ++j)
        wiersz_html(o, j, LiczbaHtml{f[j]});
    koniec_tabeli(o);
    o << "</div><div>\n<h3>Reakcje podpór</h3>\n";
    const int ile_p = wiersze(o, il_podpor);
    poczatek_tabeli(o, {"podpora", "węzeł", "reakcja"});
    for (int k = 1; k <= ile_p; ++k)
        wiersz_html(o, k, nu[k], LiczbaHtml{react[k]});
    koniec_tabeli(o);
    if (ks) {
        o << "</div><div>\n<h3>Siły sprężyn</h3>\n";
        poczatek_tabeli(o, {"węzeł", "siła −k·u"});
        for (int j = 1; j <= il_wezl; ++j)
            if (ks[j] != 0.0f)
                wiersz_html(o, j, LiczbaHtml{sila_sprezyny(j)});
        koniec_tabeli(o);
    }
    o << "</div></div>\n";
}

void wykresy(Strumien& o)
{
    o << "<h2 id=\"wykresy\">Wykresy</h2>\n";
    const std::vector<Wykres> w = rysuj_wykresy_osobno(
        {RodzajWykresu::sila, RodzajWykresu::naprezenie, RodzajWykresu::przemieszczenie}, szerokosc_rysunku,
        wysokosc_wykresu);
    const char* const przedrostki[] = {"n", "s", "u"};
    for (std::size_t k = 0; k < w.size(); ++k) {
        svg(o, w[k].rysunek, szerokosc_rysunku, wysokosc_wykresu, przedrostki[k]);
        o << "\n";
    }
}

void weryfikacja(Strumien& o, const Bilans& bilans)
{
    o << "<h2 id=\"weryfikacja\">Weryfikacja</h2>\n<p>Rozwiązanie niezależne: ten sam pręt rozwiązany w "
         "podwójnej "
         "precyzji, z przemieszczeniami podpór narzuconymi dokładnie zamiast kary. Różnice pokazują, ile "
         "wyniki zawdzięczają karze 1e10, a ile zapisowi liczb w pojedynczej precyzji.</p>\n<pre>";
    for (const std::string& w : opisz_bilans(bilans))
        o << html(w) << "\n";
    o << "</pre>\n";
}

void krok_po_kroku(Strumien& o)
{
    o << "<h2 id=\"nauka\">Krok po kroku</h2>\n";
    if (il_elem > najwiecej_elementow_nauki) {
        o << "<p>Obliczenia krok po kroku pokazujemy dla modeli do " << najwiecej_elementow_nauki
          << " elementów; ten ma " << il_elem << ".</p>\n";
        return;
    }
    opisz_krok_po_kroku(o);
}

} // namespace

bool zapisz_raport(Strumien& o, const std::string& nazwa_modelu,
                   std::span<const NaprawionaPodpora> naprawione, bool zmieniony)
{
    o << "<!DOCTYPE html>\n<html lang=\"pl\">\n<head>\n<meta charset=\"utf-8\">\n<title>ZENTA: "
      << html(nazwa_modelu) << "</title>\n<style>" << styl
      << "</style>\n</head>\n<body>\n<h1>ZENTA: raport obliczeń</h1>\n<p>MES dla prętów "
      << "rozciąganych i ściskanych. Model <b>" << html(nazwa_modelu) << "</b>"
      << (zmieniony ? ", zmieniony w oknie programu od wczytania z tego pliku" : "") << " (elementów: " << il_elem
      << ", węzłów: " << il_wezl << ", podpór: " << il_podpor
      << ").</p>\n<nav><a href=\"#sprawdzenie\">Sprawdzenie</a>"
      << "<a href=\"#rysunek\">Rysunek</a><a href=\"#dane\">Dane</a><a href=\"#wyniki\">Wyniki</a>"
      << "<a href=\"#wykresy\">Wykresy</a><a href=\"#weryfikacja\">Weryfikacja</a><a href=\"#nauka\">Krok po "
      << "kroku</a></nav>\n";
    // The penalised double solution (for the check and the verification) and
    // then the verification are found on a second thread while the data are
    // checked and the sections before the verification are written.
    const std::shared_future<Rozwiazanie> z_kara =
        std::async(std::launch::async, [] { return rozwiaz_w_podwojnej(Wiezy::kara); }).share();
    std::future<Bilans> bilans =
        std::async(std::launch::async, [z_kara] { return policz_bilans(z_kara.get()); });
    sprawdzenie(o, naprawione, z_kara);
    rysunek(o);
    dane(o);
    wyniki(o);
    wykresy(o);
    weryfikacja(o, bilans.get());
    krok_po_kroku(o);
    o << "</body>\n</html>\n";
    return o.zakoncz();
}
