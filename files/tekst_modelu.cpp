#include "tekst_modelu.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <type_traits>
#include <vector>

namespace {

enum class Sekcja { elementy, obciazenia, podpory, x, a, e, nu, u, dt, si, alp };
enum class Dlugosc { liczba, wezly, elementy, podpory };

struct OpisSekcji {
    Sekcja sekcja;
    const char* nazwa;
    const char* bez_polskich_liter;
    Dlugosc dlugosc;
    const char* komentarz;
};

// In the order of an M1D file.
constexpr std::array<OpisSekcji, 11> sekcje{{
    {Sekcja::elementy, "elementy", "elementy", Dlugosc::liczba, nullptr},
    {Sekcja::obciazenia, "obciążenia", "obciazenia", Dlugosc::liczba, nullptr},
    {Sekcja::podpory, "podpory", "podpory", Dlugosc::liczba, nullptr},
    {Sekcja::x, "współrzędne", "wspolrzedne", Dlugosc::wezly, "współrzędna x każdego węzła"},
    {Sekcja::a, "pola", "pola", Dlugosc::elementy, "pole przekroju A każdego elementu"},
    {Sekcja::e, "moduły", "moduly", Dlugosc::elementy, "moduł Younga E każdego elementu"},
    {Sekcja::nu, "węzły_podpór", "wezly_podpor", Dlugosc::podpory, "węzeł każdej podpory"},
    {Sekcja::u, "wymuszenia", "wymuszenia", Dlugosc::podpory, "przemieszczenie wymuszone każdej podpory"},
    {Sekcja::dt, "temperatury", "temperatury", Dlugosc::elementy, "przyrost temperatury ΔT każdego elementu"},
    {Sekcja::si, "siły", "sily", Dlugosc::wezly, "siła skupiona w każdym węźle"},
    {Sekcja::alp, "rozszerzalności", "rozszerzalnosci", Dlugosc::elementy,
     "współczynnik rozszerzalności cieplnej α każdego elementu"},
}};

constexpr std::uint32_t nan_zwykly = 0x7fc00000u;
constexpr std::uint32_t nan_ujemny = 0xffc00000u;

// ---- writing ----

class Pisarz {
public:
    explicit Pisarz(std::FILE* out) : out_(out) {}
    void tekst(std::string_view t) { std::fwrite(t.data(), 1, t.size(), out_); }
    void calkowita(int v)
    {
        char b[16];
        tekst({b, std::size_t(std::to_chars(b, b + sizeof b, v).ptr - b)});
    }
    void rzeczywista(float v)
    {
        char b[32];
        if (std::isnan(v)) {
            const auto bity = std::bit_cast<std::uint32_t>(v);
            const int n = bity == nan_zwykly   ? std::snprintf(b, sizeof b, "nan")
                          : bity == nan_ujemny ? std::snprintf(b, sizeof b, "-nan")
                                               : std::snprintf(b, sizeof b, "nan(0x%08X)", unsigned(bity));
            tekst({b, std::size_t(n)});
            return;
        }
        tekst({b, std::size_t(std::to_chars(b, b + sizeof b, v).ptr - b)});
    }
    template <typename T>
    void wartosci(const T* v, int ile)
    {
        for (int k = 1; k <= ile; ++k) {
            if constexpr (std::is_same_v<T, int>)
                calkowita(v[k]);
            else
                rzeczywista(v[k]);
            tekst(k % 10 == 0 || k == ile ? "\n" : " ");
        }
    }

private:
    std::FILE* out_;
};

void zapisz_sekcje(Pisarz& p, const OpisSekcji& o, const Tablice& t)
{
    p.tekst("\n# ");
    p.tekst(o.komentarz);
    p.tekst("\n");
    p.tekst(o.nazwa);
    p.tekst("\n");
    switch (o.sekcja) {
    case Sekcja::x: p.wartosci(t.x, t.il_wezl); break;
    case Sekcja::a: p.wartosci(t.a, t.il_elem); break;
    case Sekcja::e: p.wartosci(t.e, t.il_elem); break;
    case Sekcja::nu: p.wartosci(t.nu, t.il_podpor); break;
    case Sekcja::u: p.wartosci(t.u, t.il_podpor); break;
    case Sekcja::dt: p.wartosci(t.dt, t.il_elem); break;
    case Sekcja::si: p.wartosci(t.si, t.il_wezl); break;
    case Sekcja::alp: p.wartosci(t.alp, t.il_elem); break;
    default: break;
    }
}

// ---- reading ----

struct Zebrana {
    int wiersz = 0; // of the keyword; 0 while the section has not appeared
    std::vector<float> rzeczywiste;
    std::vector<int> calkowite;
    std::vector<int> wiersze; // of each integer, for messages about node numbers
};

std::string cudzyslow(std::string_view s) { return "„" + std::string(s) + "”"; }

std::string w_wierszu(int wiersz, const std::string& tresc)
{
    return "wiersz " + std::to_string(wiersz) + ": " + tresc;
}

const OpisSekcji* sekcja_o_nazwie(std::string_view slowo)
{
    for (const OpisSekcji& o : sekcje)
        if (slowo == o.nazwa || slowo == o.bez_polskich_liter)
            return &o;
    return nullptr;
}

bool jest_calkowita(Sekcja s)
{
    return s == Sekcja::elementy || s == Sekcja::obciazenia || s == Sekcja::podpory || s == Sekcja::nu;
}

std::string_view bez_plusa(std::string_view s) { return s.size() > 1 && s[0] == '+' ? s.substr(1) : s; }

bool czytaj_calkowita(std::string_view s, int& v)
{
    s = bez_plusa(s);
    const auto [koniec, blad] = std::from_chars(s.data(), s.data() + s.size(), v);
    return blad == std::errc() && koniec == s.data() + s.size();
}

// nan(0xXXXXXXXX): a NaN given by its bit image.
std::optional<float> nan_z_bitow(std::string_view s)
{
    if (!s.starts_with("nan(0x") || !s.ends_with(")") || s.size() != 15)
        return std::nullopt;
    std::uint32_t bity = 0;
    const char* p = s.data() + 6;
    if (std::from_chars(p, p + 8, bity, 16).ptr != p + 8)
        return std::nullopt;
    const float v = std::bit_cast<float>(bity);
    return std::isnan(v) ? std::optional<float>(v) : std::nullopt;
}

// Empty when `s` is a real; otherwise why it is not.
std::string czytaj_rzeczywista(std::string_view s, float& v)
{
    if (s == "nan" || s == "-nan") {
        v = std::bit_cast<float>(s[0] == '-' ? nan_ujemny : nan_zwykly);
        return {};
    }
    if (s.starts_with("nan(")) {
        if (const auto n = nan_z_bitow(s)) {
            v = *n;
            return {};
        }
        return cudzyslow(s) + " nie jest wzorcem NaN (nan(0x) i osiem cyfr szesnastkowych)";
    }
    s = bez_plusa(s);
    const auto [koniec, blad] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (blad == std::errc::result_out_of_range)
        return "liczba " + cudzyslow(s) + " wykracza poza zakres liczb pojedynczej precyzji";
    if (blad == std::errc() && koniec == s.data() + s.size())
        return {};
    if (s.find(',') != std::string_view::npos)
        return cudzyslow(s) + " nie jest liczbą (część dziesiętną oddziela kropka, nie przecinek)";
    return cudzyslow(s) + " nie jest ani liczbą, ani nazwą sekcji";
}

class Czytelnik {
public:
    // Empty when all went well.
    std::string czytaj(std::string_view tekst)
    {
        if (tekst.starts_with("\xEF\xBB\xBF"))
            tekst.remove_prefix(3);
        int wiersz = 0;
        while (!tekst.empty()) {
            const std::size_t koniec = std::min(tekst.find('\n'), tekst.size());
            std::string_view linia = tekst.substr(0, koniec);
            tekst.remove_prefix(std::min(koniec + 1, tekst.size()));
            ++wiersz;
            linia = linia.substr(0, std::min(linia.find('#'), linia.size()));
            if (std::string b = czytaj_wiersz(linia, wiersz); !b.empty())
                return b;
        }
        return {};
    }

    Zebrana& sekcja(Sekcja s) { return zebrane_[std::size_t(s)]; }

private:
    std::string czytaj_wiersz(std::string_view linia, int wiersz)
    {
        constexpr std::string_view odstepy = " \t\r\v\f";
        for (;;) {
            const std::size_t poczatek = linia.find_first_not_of(odstepy);
            if (poczatek == std::string_view::npos)
                return {};
            linia.remove_prefix(poczatek);
            const std::size_t dl = std::min(linia.find_first_of(odstepy), linia.size());
            if (std::string b = czytaj_slowo(linia.substr(0, dl), wiersz); !b.empty())
                return b;
            linia.remove_prefix(dl);
        }
    }

    std::string czytaj_slowo(std::string_view slowo, int wiersz)
    {
        if (const OpisSekcji* o = sekcja_o_nazwie(slowo)) {
            Zebrana& z = sekcja(o->sekcja);
            if (z.wiersz)
                return w_wierszu(wiersz, "sekcja " + cudzyslow(o->nazwa) +
                                             " powtórzona (pierwszy raz w wierszu " +
                                             std::to_string(z.wiersz) + ")");
            z.wiersz = wiersz;
            biezaca_ = o;
            return {};
        }
        if (!biezaca_) {
            float v;
            if (!czytaj_rzeczywista(slowo, v).empty())
                return w_wierszu(wiersz, cudzyslow(slowo) + " nie jest nazwą sekcji");
            return w_wierszu(wiersz, "wartość " + cudzyslow(slowo) + " stoi przed nazwą pierwszej sekcji");
        }
        Zebrana& z = sekcja(biezaca_->sekcja);
        if (jest_calkowita(biezaca_->sekcja)) {
            int v;
            if (!czytaj_calkowita(slowo, v))
                return w_wierszu(wiersz, "w sekcji " + cudzyslow(biezaca_->nazwa) +
                                             " oczekiwano liczby całkowitej, a jest " + cudzyslow(slowo));
            z.calkowite.push_back(v);
            z.wiersze.push_back(wiersz);
            return {};
        }
        float v;
        if (std::string b = czytaj_rzeczywista(slowo, v); !b.empty())
            return w_wierszu(wiersz, b);
        z.rzeczywiste.push_back(v);
        return {};
    }

    std::array<Zebrana, sekcje.size()> zebrane_;
    const OpisSekcji* biezaca_ = nullptr;
};

std::string sprawdz_licznik(Czytelnik& c, const OpisSekcji& o, int minimum, int maksimum, int& licznik)
{
    const Zebrana& z = c.sekcja(o.sekcja);
    if (!z.wiersz)
        return "brak sekcji " + cudzyslow(o.nazwa);
    if (z.calkowite.size() != 1)
        return w_wierszu(z.wiersz, "po " + cudzyslow(o.nazwa) + " oczekiwano jednej liczby, a jest ich " +
                                       std::to_string(z.calkowite.size()));
    licznik = z.calkowite[0];
    if (licznik < minimum || licznik > maksimum)
        return w_wierszu(z.wiersz, "wartość " + cudzyslow(o.nazwa) + " musi wynosić od " +
                                       std::to_string(minimum) + " do " + std::to_string(maksimum) +
                                       ", a jest " + std::to_string(licznik));
    return {};
}

std::string sprawdz_dlugosc(Czytelnik& c, const OpisSekcji& o, int il_elem, int il_podpor)
{
    const Zebrana& z = c.sekcja(o.sekcja);
    if (!z.wiersz)
        return "brak sekcji " + cudzyslow(o.nazwa);
    const std::size_t ma = jest_calkowita(o.sekcja) ? z.calkowite.size() : z.rzeczywiste.size();
    const std::int64_t powinna = o.dlugosc == Dlugosc::wezly      ? std::int64_t{il_elem} + 1
                                 : o.dlugosc == Dlugosc::elementy ? il_elem
                                                                  : il_podpor;
    const char* czego = o.dlugosc == Dlugosc::wezly      ? "po jednej na węzeł"
                        : o.dlugosc == Dlugosc::elementy ? "po jednej na element"
                                                         : "po jednej na podporę";
    if (std::int64_t(ma) == powinna)
        return {};
    return w_wierszu(z.wiersz, "sekcja " + cudzyslow(o.nazwa) + " ma " + std::to_string(ma) +
                                   " wartości, a powinna mieć " + std::to_string(powinna) + " (" + czego +
                                   ")");
}

std::string sprawdz_wezly_podpor(Czytelnik& c, int il_wezl)
{
    const Zebrana& z = c.sekcja(Sekcja::nu);
    for (std::size_t k = 0; k < z.calkowite.size(); ++k)
        if (z.calkowite[k] < 1 || z.calkowite[k] > il_wezl)
            return w_wierszu(z.wiersze[k], "węzeł podpory " + std::to_string(z.calkowite[k]) +
                                               " spoza zakresu 1.." + std::to_string(il_wezl));
    return {};
}

template <typename T>
void przepisz(const std::vector<T>& z, T* cel)
{
    std::copy(z.begin(), z.end(), cel + 1);
}

Tablice zbuduj(Czytelnik& c, int il_elem, int il_obciaz, int il_podpor)
{
    Tablice t = utworz_tablice(il_elem, il_podpor, il_obciaz);
    przepisz(c.sekcja(Sekcja::x).rzeczywiste, t.x);
    przepisz(c.sekcja(Sekcja::a).rzeczywiste, t.a);
    przepisz(c.sekcja(Sekcja::e).rzeczywiste, t.e);
    przepisz(c.sekcja(Sekcja::nu).calkowite, t.nu);
    przepisz(c.sekcja(Sekcja::u).rzeczywiste, t.u);
    przepisz(c.sekcja(Sekcja::dt).rzeczywiste, t.dt);
    przepisz(c.sekcja(Sekcja::si).rzeczywiste, t.si);
    przepisz(c.sekcja(Sekcja::si).rzeczywiste, t.f);
    przepisz(c.sekcja(Sekcja::alp).rzeczywiste, t.alp);
    return t;
}

} // namespace

bool zapisz_tekst_modelu(const Tablice& t, std::span<const NaprawionaPodpora> naprawione, std::FILE* out)
{
    Pisarz p(out);
    p.tekst("# ZENTA: model pręta (MES dla prętów rozciąganych i ściskanych).\n"
            "# '#' zaczyna komentarz. Sekcja to nazwa i po niej jej wartości.\n\n");
    const int liczniki[] = {t.il_elem, t.il_obciaz, t.il_podpor};
    for (int k = 0; k < 3; ++k) {
        p.tekst(sekcje[std::size_t(k)].nazwa);
        p.tekst(" ");
        p.calkowita(liczniki[k]);
        p.tekst("\n");
    }
    for (const NaprawionaPodpora& n : naprawione) {
        p.tekst("# podpora ");
        p.calkowita(n.podpora);
        p.tekst(": w pliku M1D węzeł ");
        p.calkowita(n.numer_w_pliku);
        p.tekst(" (spoza pręta), przyjęto węzeł 1\n");
    }
    for (std::size_t k = 3; k < sekcje.size(); ++k)
        zapisz_sekcje(p, sekcje[k], t);
    return std::fflush(out) == 0 && !std::ferror(out);
}

WynikTekstu czytaj_tekst_modelu(std::string_view tekst)
{
    WynikTekstu wynik;
    Czytelnik c;
    if (wynik.blad = c.czytaj(tekst); !wynik.blad.empty())
        return wynik;
    int il_elem = 0, il_obciaz = 0, il_podpor = 0;
    if (wynik.blad = sprawdz_licznik(c, sekcje[0], 1, INT_MAX - 1, il_elem); !wynik.blad.empty())
        return wynik;
    if (wynik.blad = sprawdz_licznik(c, sekcje[1], 1, INT_MAX, il_obciaz); !wynik.blad.empty())
        return wynik;
    if (wynik.blad = sprawdz_licznik(c, sekcje[2], 1, INT_MAX, il_podpor); !wynik.blad.empty())
        return wynik;
    for (std::size_t k = 3; k < sekcje.size(); ++k)
        if (wynik.blad = sprawdz_dlugosc(c, sekcje[k], il_elem, il_podpor); !wynik.blad.empty())
            return wynik;
    if (wynik.blad = sprawdz_wezly_podpor(c, il_elem + 1); !wynik.blad.empty())
        return wynik;
    wynik.tablice = zbuduj(c, il_elem, il_obciaz, il_podpor);
    wynik.ok = true;
    return wynik;
}
