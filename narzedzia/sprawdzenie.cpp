#include "sprawdzenie.h"

#include "analiza.h"
#include "format.h"
#include "model.h"
#include "pochodne.h"
#include "podpory_po_wezlach.h"
#include "poza_zakresem.h"
#include "rodzaj_uwag.h"
#include "rozwiazanie_dokladne.h"

#include <algorithm>
#include <cmath>

namespace {

// E·A/L from here on is within a hundredfold of the penalty: supports give by a per cent or more.
constexpr double sztywnosc_za_duza = 1.0e8;
constexpr double odksztalcenie_za_duze = 0.01;
constexpr double rozdzielczosc_za_mala = 1.0e-3;

std::string g(double v) { return printf_liczby("%g", v); }

void sprawdz_skonczone(std::vector<Uwaga>& u, const char* kto, const char* co, const float* v, int ile)
{
    Rodzaj r(u, Waga::blad, std::string("wartości, które nie są liczbami skończonymi (") + co + ")");
    for (int k = 1; k <= ile; ++k)
        if (!std::isfinite(v[k]))
            r.dodaj([&] {
                return std::string(kto) + " " + std::to_string(k) + ": " + co + " nie jest liczbą skończoną (" +
                       g(v[k]) + ")";
            });
}

std::string wspolrzedna(int j)
{
    std::string t = "x";
    t += std::to_string(j);
    t += " = ";
    t += g(x[j]);
    return t;
}

void sprawdz_dlugosci(std::vector<Uwaga>& u)
{
    Rodzaj zerowe(u, Waga::blad, "elementy o długości zerowej");
    Rodzaj ujemne(u, Waga::ostrzezenie, "elementy o długości ujemnej");
    for (int i = 1; i <= il_elem; ++i) { // the texts are made only for what is reported
        if (x[i + 1] == x[i])
            zerowe.dodaj([i] {
                return "Element " + std::to_string(i) + ": długość zerowa (" + wspolrzedna(i) + ", " +
                       wspolrzedna(i + 1) + ")";
            });
        else if (x[i + 1] < x[i])
            ujemne.dodaj([i] {
                return "Element " + std::to_string(i) + ": długość ujemna (" + wspolrzedna(i + 1) + " < " +
                       wspolrzedna(i) + "); węzły powinny iść w kierunku rosnących x";
            });
    }
}

// A negative area or modulus is wrong whatever the other one is: two of them
// make a positive E·A and results of the opposite sign.
void sprawdz_znaki(std::vector<Uwaga>& u)
{
    Rodzaj zerowe(u, Waga::blad, "elementy o E·A = 0");
    Rodzaj pola(u, Waga::blad, "elementy o ujemnym polu przekroju", true);
    Rodzaj moduly(u, Waga::blad, "elementy o ujemnym module Younga", true);
    for (int i = 1; i <= il_elem; ++i) { // the texts are made only for what is reported
        const auto element = [i] { return "Element " + std::to_string(i) + ": "; };
        if (double(e[i]) * a[i] == 0)
            zerowe.dodaj([&] { return element() + "E·A = 0 (element nie ma sztywności)"; });
        if (a[i] < 0)
            pola.dodaj([&] { return element() + "pole przekroju A = " + g(a[i]) + " < 0"; });
        if (e[i] < 0)
            moduly.dodaj([&] { return element() + "moduł Younga E = " + g(e[i]) + " < 0"; });
    }
}

std::string porownanie_z_kara(double eal)
{
    if (eal < kara)
        return "jest tylko " + g(kara / eal) + " razy mniejsze od kary 1e10: podpory ustąpią widocznie " +
               "(błąd rzędu " + printf_liczby("%.2g", 100 * eal / kara) + " %)";
    if (eal == kara)
        return "jest równe karze 1e10: podpory ustąpią o tyle, o ile odkształci się element";
    return "jest " + g(eal / kara) + " razy większe od kary 1e10: podpory ustąpią bardziej, " +
           "niż odkształci się element";
}

void sprawdz_sztywnosc_wobec_kary(std::vector<Uwaga>& u)
{
    int najsztywniejszy = 0;
    double najwieksza = 0;
    for (int i = 1; i <= il_elem; ++i) {
        const double eal = double(e[i]) * a[i] / std::fabs(double(x[i + 1]) - x[i]);
        if (std::isfinite(float(eal)) && eal > najwieksza) { // beyond float's range: an error of its own
            najwieksza = eal;
            najsztywniejszy = i;
        }
    }
    if (najwieksza >= sztywnosc_za_duza)
        u.push_back({Waga::ostrzezenie,
                     "Element " + std::to_string(najsztywniejszy) + ": E·A/L = " + g(najwieksza) + " " +
                         porownanie_z_kara(najwieksza) + "; zmień jednostki, np. MPa i mm zamiast Pa i m",
                     true});
}

void sprawdz_naprawione(std::vector<Uwaga>& u, std::span<const NaprawionaPodpora> naprawione)
{
    Rodzaj r(u, Waga::ostrzezenie, "podpory z numerem węzła spoza pręta", true);
    for (const NaprawionaPodpora& n : naprawione)
        r.dodaj([&] {
            return "Podpora " + std::to_string(n.podpora) + ": w pliku węzeł " + std::to_string(n.numer_w_pliku) +
                   " spoza 1.." + std::to_string(il_wezl) + "; przyjęto węzeł 1";
        });
}

// "2 podpory", "5 podpór", "22 podpory"
std::string podpory(std::size_t ile)
{
    const std::size_t jednosci = ile % 10, dziesiatki = ile % 100 / 10;
    return std::to_string(ile) + (jednosci >= 2 && jednosci <= 4 && dziesiatki != 1 ? " podpory" : " podpór");
}

void sprawdz_wspolne_wezly(std::vector<Uwaga>& u)
{
    const std::vector<int> kolejnosc = podpory_po_wezlach();
    Rodzaj r(u, Waga::ostrzezenie, "węzły z kilkoma podporami", true);
    for (std::size_t k = 0; k < kolejnosc.size();) {
        std::size_t koniec = k + 1;
        while (koniec < kolejnosc.size() && nu[kolejnosc[koniec]] == nu[kolejnosc[k]])
            ++koniec;
        if (koniec - k > 1)
            r.dodaj([&] {
                std::string ktore, wartosci;
                for (std::size_t m = k; m < koniec; ++m) {
                    const char* przecinek = m > k ? ", " : "";
                    ktore.append(przecinek).append(std::to_string(kolejnosc[m]));
                    wartosci.append(przecinek).append(g(::u[kolejnosc[m]]));
                }
                return "Węzeł " + std::to_string(nu[kolejnosc[k]]) + ": " + podpory(koniec - k) + " (" + ktore +
                       ") z wymuszeniami " + wartosci + "; kary się sumują, węzeł przyjmie ich średnią";
            });
        k = koniec;
    }
}

void sprawdz_odksztalcenia(std::vector<Uwaga>& u)
{
    Rodzaj r(u, Waga::ostrzezenie, "elementy z odkształceniem ponad 1 %");
    for (int i = 1; i <= il_elem; ++i) {
        const WielkosciElementu w = wielkosci_elementu(i);
        const double najwieksze = std::fmax(std::fabs(w.odksztalcenie), std::fabs(w.mechaniczne));
        if (najwieksze > odksztalcenie_za_duze)
            r.dodaj([&] {
                return "Element " + std::to_string(i) + ": odkształcenie " + printf_liczby("%.3g", 100 * najwieksze) +
                       " % przekracza 1 % (teoria liniowa; czy jednostki E, A, sił i długości są spójne?)";
            });
    }
}

struct Odstepstwo {
    double wzgledne = 0; // largest difference over the largest value
    int gdzie = 0;
};

// What the model's loads make of its elements, whatever the results: the
// stresses E·α·ΔT, force over area and E times a prescribed displacement over
// length, the forces that go with them, and the displacements of a chain of
// all elements under the largest force and heat. A result that is exactly 0
// is judged against these, not against its own rounding noise.
struct SkalaModelu {
    double naprezenie = 0, sila = 0, przemieszczenie = 0;
};

SkalaModelu skala_modelu()
{
    double sila = 0, wymuszenie = 0, ciagle = 0;
    for (int j = 1; j <= il_wezl; ++j)
        sila = std::fmax(sila, std::fabs(double(si[j])));
    for (int i = 1; qx && i <= il_elem; ++i)
        ciagle += std::fabs(double(qx[i]) * dlugosc_ze_znakiem(i));
    sila = std::fmax(sila, ciagle); // the whole distributed load is a force the bar carries somewhere
    for (int k = 1; k <= il_podpor; ++k)
        wymuszenie = std::fmax(wymuszenie, std::fabs(double(::u[k])));
    SkalaModelu s{0, sila, wymuszenie};
    for (int i = 1; i <= il_elem; ++i) {
        const double l = std::fabs(dlugosc_ze_znakiem(i)), ea = std::fabs(double(e[i]) * a[i]);
        const double termiczne = std::fabs(odksztalcenie_termiczne(i));
        const double odksztalcenie = std::fmax(termiczne, wymuszenie / l);
        const double naprezenie = std::fmax(std::fabs(double(e[i])) * odksztalcenie, sila / std::fabs(double(a[i])));
        s.naprezenie = std::fmax(s.naprezenie, naprezenie);
        s.sila = std::fmax(s.sila, ea * odksztalcenie);
        if (const double wydluzenie = (sila / ea + termiczne) * l; std::isfinite(wydluzenie))
            s.przemieszczenie += wydluzenie;
    }
    return s;
}

// The largest difference over the largest value, or over `skala` when that is larger.
template <typename Podwojna>
Odstepstwo odstepstwo(const float* zenta, Podwojna podwojna, int ile, double skala = 0)
{
    double najwieksza = 0;
    Odstepstwo o;
    for (int k = 1; k <= ile; ++k) {
        const double w = podwojna(k);
        skala = std::fmax(skala, std::fabs(w));
        const double d = std::fabs(double(zenta[k]) - w);
        if (d > najwieksza) {
            najwieksza = d;
            o.gdzie = k;
        }
    }
    o.wzgledne = skala > 0 ? najwieksza / skala : 0;
    return o;
}

// The same penalised system in double: what differs is the float32 storage.
void sprawdz_rozdzielczosc(std::vector<Uwaga>& u, const Rozwiazanie& podwojna)
{
    if (!podwojna.ok)
        return;
    const SkalaModelu skala = skala_modelu();
    const Odstepstwo q = odstepstwo(
        f, [&](int j) { return podwojna.przemieszczenia[std::size_t(j)]; }, il_wezl, skala.przemieszczenie);
    const Odstepstwo s = odstepstwo(stress, [&](int i) { return podwojna.naprezenie(i); }, il_elem, skala.naprezenie);
    if (std::fmax(q.wzgledne, s.wzgledne) <= rozdzielczosc_za_mala)
        return;
    const bool wezel = q.wzgledne >= s.wzgledne;
    const Odstepstwo& o = wezel ? q : s;
    const std::string gdzie =
        wezel ? "Węzeł " + std::to_string(o.gdzie) + ": przemieszczenie " + g(f[o.gdzie])
              : "Element " + std::to_string(o.gdzie) + ": naprężenie " + g(stress[o.gdzie]);
    const double wzorzec = wezel ? podwojna.przemieszczenia[std::size_t(o.gdzie)] : podwojna.naprezenie(o.gdzie);
    u.push_back(
        {Waga::ostrzezenie, gdzie + " różni się od obliczonego w podwójnej precyzji (" + g(wzorzec) + ") o " +
                                printf_liczby("%.2g", 100 * o.wzgledne) +
                                " % największego: model jest zbyt długi i smukły dla liczb pojedynczej "
                                "precyzji (więcej podpór albo mniej elementów)",
         true});
}

// A reaction is (u - u_node)·1e10 in floats: it cannot be finer than the
// spacing of floats at the node's displacement times the penalty.
void sprawdz_reakcje(std::vector<Uwaga>& uw)
{
    double skala = skala_modelu().sila;
    for (int k = 1; k <= il_podpor; ++k)
        skala = std::fmax(skala, std::fabs(double(react[k])));
    if (skala == 0) // nothing loads the bar: every reaction is exactly 0
        return;
    Rodzaj r(uw, Waga::ostrzezenie, "podpory z tak samo zgrubną reakcją");
    for (int k = 1; k <= il_podpor; ++k) {
        const float q = std::fabs(f[nu[k]]);
        const double krok = (double(std::nextafter(q, INFINITY)) - q) * kara;
        if (std::isfinite(krok) && krok > rozdzielczosc_za_mala * skala)
            r.dodaj([&] {
                return "Podpora " + std::to_string(k) + " (węzeł " + std::to_string(nu[k]) + "): reakcja " +
                       g(react[k]) + " jest znana tylko z dokładnością ±" + printf_liczby("%.3g", krok) +
                       " (przemieszczenie węzła " + g(f[nu[k]]) +
                       " w liczbach pojedynczej precyzji razy kara 1e10); --bilans pokaże skutek";
            });
    }
}

// A spring pulls back: a negative stiffness is a mistake. A bar without
// supports is held by its springs, and needs one that holds.
void sprawdz_sprezyny(std::vector<Uwaga>& u)
{
    Rodzaj r(u, Waga::blad, "sprężyny o ujemnej sztywności");
    bool trzyma = false;
    for (int j = 1; ks && j <= il_wezl; ++j) {
        trzyma = trzyma || ks[j] > 0.0f;
        if (ks[j] < 0.0f)
            r.dodaj([&] {
                return "Węzeł " + std::to_string(j) + ": sztywność sprężyny k = " + g(ks[j]) +
                       " jest ujemna (sprężyna ciągnie węzeł z powrotem, k ≥ 0)";
            });
    }
    if (il_podpor == 0 && !trzyma)
        u.push_back({Waga::blad, "Pręt nie ma podpór ani sprężyny o dodatniej sztywności: nic go nie trzyma"});
}

bool dane_skonczone(const std::vector<Uwaga>& u) { return !sa_bledy(u); }

} // namespace

std::vector<Uwaga> sprawdz_dane(std::span<const NaprawionaPodpora> naprawione)
{
    std::vector<Uwaga> u;
    sprawdz_skonczone(u, "Węzeł", "współrzędna x", x, il_wezl);
    sprawdz_skonczone(u, "Element", "pole przekroju A", a, il_elem);
    sprawdz_skonczone(u, "Element", "moduł Younga E", e, il_elem);
    sprawdz_skonczone(u, "Element", "współczynnik rozszerzalności α", alp, il_elem);
    sprawdz_skonczone(u, "Element", "przyrost temperatury ΔT", dt, il_elem);
    sprawdz_skonczone(u, "Węzeł", "siła", si, il_wezl);
    sprawdz_skonczone(u, "Podpora", "wymuszenie", ::u, il_podpor);
    if (qx)
        sprawdz_skonczone(u, "Element", "obciążenie ciągłe q", qx, il_elem);
    if (ks)
        sprawdz_skonczone(u, "Węzeł", "sztywność sprężyny k", ks, il_wezl);
    sprawdz_sprezyny(u);
    if (dane_skonczone(u)) {
        sprawdz_dlugosci(u);
        sprawdz_znaki(u);
        sprawdz_sztywnosc_wobec_kary(u);
        sprawdz_zakres_danych(u);
    }
    sprawdz_naprawione(u, naprawione);
    sprawdz_wspolne_wezly(u);
    return u;
}

std::vector<Uwaga> sprawdz_wyniki() { return sprawdz_wyniki(rozwiaz_w_podwojnej(Wiezy::kara)); }

std::vector<Uwaga> sprawdz_wyniki(const Rozwiazanie& z_kara)
{
    std::vector<Uwaga> u;
    if (wynik_nieliczbowy()) {
        sprawdz_zakres_wynikow(u);
        return u;
    }
    sprawdz_odksztalcenia(u);
    sprawdz_rozdzielczosc(u, z_kara);
    sprawdz_reakcje(u);
    return u;
}

std::vector<Uwaga> przyczyny_wynikow_nieliczbowych()
{
    std::vector<Uwaga> uwagi = sprawdz_dane({});
    if (!sa_bledy(uwagi)) {
        uwagi.clear();
        sprawdz_zakres_wynikow(uwagi);
    }
    std::erase_if(uwagi, [](const Uwaga& u) { return u.waga != Waga::blad; });
    return uwagi;
}

namespace {

std::optional<std::string> pierwszy_nieliczbowy(const char* co, const char* gdzie, const float* v, int ile)
{
    for (int k = 1; k <= ile; ++k)
        if (!std::isfinite(v[k]))
            return std::string(co) + " " + gdzie + " " + std::to_string(k) + " wynosi " +
                   (std::isnan(v[k]) ? "nan" : g(v[k])); // a NaN's sign means nothing
    return std::nullopt;
}

} // namespace

std::optional<std::string> wynik_nieliczbowy()
{
    if (auto w = pierwszy_nieliczbowy("przemieszczenie", "węzła", f, il_wezl))
        return w;
    if (auto w = pierwszy_nieliczbowy("naprężenie", "w elemencie", stress, il_elem))
        return w;
    if (auto w = pierwszy_nieliczbowy("reakcja", "podpory", react, il_podpor))
        return w;
    for (int j = 1; ks && j <= il_wezl; ++j) // an infinite k on a node that stays put gives inf·0
        if (const double sila = sila_sprezyny(j); !std::isfinite(sila))
            return "siła sprężyny w węźle " + std::to_string(j) + " wynosi " + (std::isnan(sila) ? "nan" : g(sila));
    return std::nullopt;
}

std::vector<Uwaga> usterki_falszujace_wyniki(std::span<const NaprawionaPodpora> naprawione)
{
    std::vector<Uwaga> uwagi = sprawdz_dane(naprawione);
    if (!sa_bledy(uwagi)) {
        const std::vector<Uwaga> po = sprawdz_wyniki();
        uwagi.insert(uwagi.end(), po.begin(), po.end());
    }
    std::erase_if(uwagi, [](const Uwaga& u) { return !u.falszuje_wyniki; });
    return uwagi;
}

bool sa_bledy(const std::vector<Uwaga>& uwagi)
{
    return std::any_of(uwagi.begin(), uwagi.end(), [](const Uwaga& u) { return u.waga == Waga::blad; });
}
