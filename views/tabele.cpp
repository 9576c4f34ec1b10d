#include "tabele.h"

#include "format.h"
#include "model.h"
#include "sprezyny_modelu.h"

#include <algorithm>
#include <climits>

namespace tabele {

std::string liczba(FormatLiczby format, double wartosc)
{
    char bufor[miejsce_na_liczbe];
    return std::string(bufor, zapisz_liczbe(bufor, wartosc, format));
}

std::string numer(int wartosc) { return std::to_string(wartosc); }

} // namespace tabele

namespace tabele {

namespace {

constexpr int wysokosc_czcionki = 16;
constexpr int wysokosc_wiersza = 20;

std::int64_t dzielenie_w_dol(std::int64_t a, std::int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

// Puts items at table coordinates into viewport coordinates, leaving out
// what the viewport does not show.
class Uklad {
public:
    explicit Uklad(const Widok& w) : w_(w) {}

    void tekst(int x, std::int64_t y, std::string t)
    {
        if (y + wysokosc_wiersza > w_.y && y < w_.y + w_.wysokosc)
            rysunek_.emplace_back(std::in_place_type<Tekst>, Tekst{x - w_.x, int(y - w_.y), std::move(t), wysokosc_czcionki, czarny, jasnoszary});
    }
    void linia(int x1, int x2, std::int64_t y)
    {
        if (y + 2 >= w_.y && y - 2 < w_.y + w_.wysokosc)
            rysunek_.emplace_back(std::in_place_type<Linia>, Linia{x1 - w_.x, int(y - w_.y), x2 - w_.x, int(y - w_.y), Pioro{czarny, 3}});
    }

    // Rows 1..ile at y = poczatek + 20·i that the viewport shows: each is
    // drawn by wiersz(i, y).
    template <typename F>
    void wiersze(std::int64_t poczatek, int ile, F wiersz)
    {
        const std::int64_t od = std::max<std::int64_t>(
            1, dzielenie_w_dol(w_.y - wysokosc_wiersza - poczatek, wysokosc_wiersza) + 1);
        const std::int64_t do_ = std::min<std::int64_t>(
            ile, dzielenie_w_dol(w_.y + w_.wysokosc - 1 - poczatek, wysokosc_wiersza));
        for (std::int64_t i = od; i <= do_; ++i)
            wiersz(int(i), poczatek + wysokosc_wiersza * i);
    }

    Rysunek wynik() && { return std::move(rysunek_); }

private:
    Widok w_;
    Rysunek rysunek_;
};

std::int64_t n() { return il_elem; }

// The tops of the headers of the blocks after the supports, each 30 pixels
// below the last row before it, as the supports' own header stands.
std::int64_t obciazenia_danych() { return 40 * n() + 20 * std::int64_t{il_podpor} + 195; }
std::int64_t sprezyny_danych() { return obciazenia_danych() + (z_obciazeniami() ? 40 + 20 * n() + 30 : 0); }
std::int64_t sprezyny_wynikow() { return 40 * n() + 20 * std::int64_t{il_podpor} + 185; }

int ile_sprezyn() { return int(wezly_ze_sprezynami().size()); }

// A block's two-line headers, its line, then its rows from 40 pixels below
// its top, as the supports' block has them.
template <typename F>
void blok_danych(Uklad& t, std::int64_t y, const char* const (&lewy)[2], const char* const (&prawy)[2],
                 int ile, F wiersz)
{
    t.tekst(5, y, lewy[0]);
    t.tekst(5, y + 15, lewy[1]);
    t.tekst(100, y, prawy[0]);
    t.tekst(100, y + 15, prawy[1]);
    t.linia(2, 410, y + 35);
    t.wiersze(y + 40, ile, wiersz);
}

} // namespace

bool z_obciazeniami() { return qx != nullptr; }
bool ze_sprezynami() { return ks && !wezly_ze_sprezynami().empty(); }

Rysunek tabela_danych(const Widok& widok)
{
    Uklad t(widok);
    t.tekst(5, 5, naglowek_element);
    t.tekst(100, 5, naglowek_pole[0]);
    t.tekst(100, 25, naglowek_pole[1]);
    t.tekst(200, 5, naglowek_modul[0]);
    t.tekst(200, 25, naglowek_modul[1]);
    t.tekst(280, 5, naglowek_rozszerzalnosc[0]);
    t.tekst(280, 25, naglowek_rozszerzalnosc[1]);
    t.tekst(350, 5, naglowek_temperatura[0]);
    t.tekst(350, 25, naglowek_temperatura[1]);
    t.tekst(5, 20 * n() + 55, naglowek_wezel);
    t.tekst(100, 20 * n() + 55, naglowek_sila);
    t.tekst(5, 40 * n() + 125, naglowek_utwierdzenie[0]);
    t.tekst(5, 40 * n() + 140, naglowek_utwierdzenie[1]);
    t.tekst(100, 40 * n() + 125, naglowek_wymuszenie[0]);
    t.tekst(100, 40 * n() + 140, naglowek_wymuszenie[1]);
    t.linia(2, 410, 44);
    t.linia(2, 410, 20 * n() + 73);
    t.linia(2, 410, 40 * n() + 160);
    t.wiersze(30, il_elem, [&](int i, std::int64_t y) {
        t.tekst(5, y, numer(i));
        t.tekst(100, y, liczba(format_danych, a[i]));
        t.tekst(200, y, liczba(format_danych, e[i]));
        t.tekst(280, y, liczba(format_danych, alp[i]));
        t.tekst(350, y, liczba(format_danych, dt[i]));
    });
    t.wiersze(20 * n() + 75, il_wezl, [&](int i, std::int64_t y) {
        t.tekst(5, y, numer(i));
        t.tekst(100, y, liczba(format_danych, si[i]));
    });
    t.wiersze(40 * n() + 165, il_podpor, [&](int i, std::int64_t y) {
        t.tekst(5, y, numer(nu[i]));
        t.tekst(100, y, liczba(format_danych, u[i]));
    });
    static constexpr const char* element[2] = {naglowek_element, ""};
    if (z_obciazeniami())
        blok_danych(t, obciazenia_danych(), element, naglowek_obciazenie, il_elem,
                    [&](int i, std::int64_t y) {
                        t.tekst(5, y, numer(i));
                        t.tekst(100, y, liczba(format_obciazenia, qx[i]));
                    });
    if (ze_sprezynami()) {
        const std::vector<int>& wezly = wezly_ze_sprezynami();
        blok_danych(t, sprezyny_danych(), naglowek_sprezyna, naglowek_sztywnosc, ile_sprezyn(),
                    [&](int s, std::int64_t y) {
                        const int j = wezly[std::size_t(s - 1)];
                        t.tekst(5, y, numer(j));
                        t.tekst(100, y, liczba(format_obciazenia, ks[j]));
                    });
    }
    return std::move(t).wynik();
}

std::optional<WierszDanych> wiersz_danych(std::int64_t y)
{
    using enum WierszDanych::Blok;
    const std::pair<WierszDanych::Blok, std::pair<std::int64_t, int>> bloki[] = {
        {element, {30, il_elem}},
        {wezel, {20 * n() + 75, il_wezl}},
        {podpora, {40 * n() + 165, il_podpor}},
        {obciazenie, {obciazenia_danych() + 40, z_obciazeniami() ? il_elem : 0}},
        {sprezyna, {sprezyny_danych() + 40, ze_sprezynami() ? ile_sprezyn() : 0}},
    };
    for (const auto& [blok, miejsce] : bloki) {
        const auto [poczatek, ile] = miejsce;
        const std::int64_t i = dzielenie_w_dol(y - poczatek + 2, wysokosc_wiersza);
        if (i >= 1 && i <= ile)
            return WierszDanych{blok, blok == sprezyna ? wezly_ze_sprezynami()[std::size_t(i - 1)] : int(i)};
    }
    return std::nullopt;
}

Rysunek tabela_wynikow(const Widok& widok)
{
    Uklad t(widok);
    t.tekst(5, 5, naglowek_element);
    t.tekst(100, 5, naglowek_naprezenie);
    t.tekst(5, 20 * n() + 70, naglowek_wezel);
    t.tekst(100, 20 * n() + 70, naglowek_przemieszczenie);
    t.tekst(5, 40 * n() + 140, naglowek_podpora);
    t.tekst(120, 40 * n() + 140, naglowek_reakcja);
    t.linia(2, 250, 28);
    t.linia(2, 250, 20 * n() + 88);
    t.linia(2, 250, 40 * n() + 158);
    t.wiersze(20, il_elem, [&](int i, std::int64_t y) {
        t.tekst(5, y, numer(i));
        t.tekst(100, y, liczba(format_naprezenia, stress[i]));
    });
    t.wiersze(20 * n() + 90, il_wezl, [&](int i, std::int64_t y) {
        t.tekst(5, y, numer(i));
        t.tekst(100, y, liczba(format_przemieszczenia, f[i]));
    });
    t.wiersze(40 * n() + 155, il_podpor, [&](int i, std::int64_t y) {
        t.tekst(5, y, numer(nu[i]));
        t.tekst(120, y, liczba(format_reakcji, react[i]));
    });
    if (ze_sprezynami()) {
        const std::int64_t y = sprezyny_wynikow();
        const std::vector<int>& wezly = wezly_ze_sprezynami();
        t.tekst(5, y, naglowek_sprezyna_wynik);
        t.tekst(120, y, naglowek_sila_sprezyny);
        t.linia(2, 250, y + 18);
        t.wiersze(y + 15, ile_sprezyn(), [&](int s, std::int64_t yw) {
            const int j = wezly[std::size_t(s - 1)];
            t.tekst(5, yw, numer(j));
            t.tekst(120, yw, liczba(format_reakcji, sila_sprezyny(j)));
        });
    }
    return std::move(t).wynik();
}

// The last row plus one row; many supports reach below the scroll range of
// 40·il_elem + 80 pixels that the windows otherwise give.
std::int64_t wysokosc_danych()
{
    if (ze_sprezynami())
        return sprezyny_danych() + 40 + 20 * std::int64_t{ile_sprezyn()} + wysokosc_wiersza;
    if (z_obciazeniami())
        return obciazenia_danych() + 40 + 20 * n() + wysokosc_wiersza;
    return 40 * n() + 165 + 20 * std::int64_t{il_podpor} + wysokosc_wiersza;
}
std::int64_t wysokosc_wynikow()
{
    if (ze_sprezynami())
        return sprezyny_wynikow() + 15 + 20 * std::int64_t{ile_sprezyn()} + wysokosc_wiersza;
    return 40 * n() + 155 + 20 * std::int64_t{il_podpor} + wysokosc_wiersza;
}

Przewijanie przewijanie(int elementy, std::int64_t wysokosc_tabeli, int wysokosc_okna)
{
    constexpr std::int64_t krok = 10;
    const std::int64_t podstawowe = (40 * std::int64_t{elementy} + 80) / krok;
    const std::int64_t potrzebne = (wysokosc_tabeli - wysokosc_okna + krok - 1) / krok;
    const std::int64_t piksele = std::max(podstawowe, potrzebne) * krok;
    const std::int64_t na_krok = std::max<std::int64_t>(krok, (piksele + INT_MAX - 1) / INT_MAX);
    return {int((piksele + na_krok - 1) / na_krok), int(na_krok)};
}

} // namespace tabele
