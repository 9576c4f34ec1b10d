#include "m1d.h"

#include "plik_do_czytania.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>
#include <vector>

namespace {

static_assert(sizeof(float) == 4 && sizeof(int) == 4);
constexpr bool host_little_endian = std::endian::native == std::endian::little;

template <typename T>
void zamien_kolejnosc_bajtow(T* v, std::size_t ile)
{
    for (std::size_t k = 0; k < ile; ++k) {
        std::uint32_t b;
        std::memcpy(&b, v + k, 4);
        b = (b >> 24) | (b >> 8 & 0xff00) | (b << 8 & 0xff0000) | (b << 24);
        std::memcpy(v + k, &b, 4);
    }
}

template <typename T>
bool czytaj_tablice(ZrodloM1D& zrodlo, T* v, int ile)
{
    if (!zrodlo.czytaj(v + 1, std::size_t(ile) * 4))
        return false;
    if constexpr (!host_little_endian)
        zamien_kolejnosc_bajtow(v + 1, std::size_t(ile));
    return true;
}

bool czytaj_tablice_modelu(ZrodloM1D& zrodlo, Tablice& t)
{
    return czytaj_tablice(zrodlo, t.x, t.il_wezl) && czytaj_tablice(zrodlo, t.a, t.il_elem) &&
           czytaj_tablice(zrodlo, t.e, t.il_elem) && czytaj_tablice(zrodlo, t.nu, t.il_podpor) &&
           czytaj_tablice(zrodlo, t.u, t.il_podpor) && czytaj_tablice(zrodlo, t.dt, t.il_elem) &&
           czytaj_tablice(zrodlo, t.si, t.il_wezl) && czytaj_tablice(zrodlo, t.alp, t.il_elem);
}

// The analysis indexes nodes by these numbers: anything outside the bar is
// taken as node 1.
void popraw_wezly_podpor(Tablice& t, std::vector<NaprawionaPodpora>& naprawione)
{
    for (int p = 1; p <= t.il_podpor; ++p)
        if (t.nu[p] < 1 || t.nu[p] > t.il_wezl) {
            naprawione.push_back({p, t.nu[p]});
            t.nu[p] = 1;
        }
}

class ZrodloPamiec final : public ZrodloM1D {
public:
    explicit ZrodloPamiec(std::span<const std::byte> bajty) : reszta_(bajty) {}
    std::uint64_t rozmiar() const override { return reszta_.size(); }
    bool czytaj(void* cel, std::size_t bajty) override
    {
        if (bajty > reszta_.size())
            return false;
        if (bajty)
            std::memcpy(cel, reszta_.data(), bajty);
        reszta_ = reszta_.subspan(bajty);
        return true;
    }

private:
    std::span<const std::byte> reszta_;
};

// Reads straight into the model's arrays: one copy, as cheap as reading the
// file at all.
class ZrodloPlik final : public ZrodloM1D {
public:
    explicit ZrodloPlik(PlikDoCzytania& plik) : plik_(plik) {}
    std::uint64_t rozmiar() const override { return plik_.rozmiar(); }
    bool czytaj(void* cel, std::size_t bajty) override { return plik_.czytaj_wszystkie(cel, bajty); }

private:
    PlikDoCzytania& plik_;
};

std::int32_t liczba_z_bajtow(const unsigned char* b)
{
    return std::int32_t(std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
                        std::uint32_t(b[3]) << 24);
}

void bajty_z_liczby(std::int32_t v, unsigned char* b)
{
    const auto w = std::uint32_t(v);
    b[0] = (unsigned char)(w);
    b[1] = (unsigned char)(w >> 8);
    b[2] = (unsigned char)(w >> 16);
    b[3] = (unsigned char)(w >> 24);
}

template <typename T>
bool zapisz_tablice(const Ujscie& ujscie, const T* v, int ile)
{
    const std::size_t bajty = std::size_t(ile) * 4;
    if constexpr (host_little_endian) {
        return ujscie(v + 1, bajty);
    } else {
        std::vector<T> porcja;
        for (int od = 1; od <= ile; od += 65536) {
            const int ile_teraz = std::min(65536, ile - od + 1);
            porcja.assign(v + od, v + od + ile_teraz);
            zamien_kolejnosc_bajtow(porcja.data(), porcja.size());
            if (!ujscie(porcja.data(), porcja.size() * 4))
                return false;
        }
        return true;
    }
}

} // namespace

std::uint64_t dlugosc_m1d(int il_elem, int il_podpor)
{
    return 20 + 24 * std::uint64_t(std::int64_t{il_elem}) + 8 * std::uint64_t(std::int64_t{il_podpor});
}

namespace {

WynikOdczytu odrzucony(std::string powod)
{
    WynikOdczytu w;
    w.powod = std::move(powod);
    return w;
}

// "1 bajt", "2 bajty", "5 bajtów", "22 bajty", "12 bajtów"
std::string bajty(std::uint64_t ile)
{
    const std::uint64_t jednosci = ile % 10, dziesiatki = ile % 100 / 10;
    const char* slowo = ile == 1                                            ? " bajt"
                        : jednosci >= 2 && jednosci <= 4 && dziesiatki != 1 ? " bajty"
                                                                            : " bajtów";
    return std::to_string(ile) + slowo;
}

// Empty when the three counts can make a model.
std::string sprawdz_liczniki(int elementy, int obciazenia, int podpory)
{
    if (elementy < 1)
        return "liczba elementów " + std::to_string(elementy);
    if (elementy == INT_MAX)
        return "liczba elementów " + std::to_string(elementy) + " jest za duża";
    if (obciazenia < 1)
        return "liczba obciążeń " + std::to_string(obciazenia);
    if (podpory < 1)
        return "liczba podpór " + std::to_string(podpory);
    return {};
}

} // namespace

WynikOdczytu czytaj_m1d(ZrodloM1D& zrodlo)
{
    const std::uint64_t dostepne = zrodlo.rozmiar();
    unsigned char liczniki[12];
    if (dostepne < sizeof liczniki)
        return odrzucony("plik ma " + bajty(dostepne) + ", a same liczności zajmują 12");
    if (!zrodlo.czytaj(liczniki, sizeof liczniki))
        return odrzucony("plik skończył się wcześniej, niż podał system");
    const int elementy = liczba_z_bajtow(liczniki);
    const int obciazenia = liczba_z_bajtow(liczniki + 4);
    const int podpory = liczba_z_bajtow(liczniki + 8);
    if (std::string b = sprawdz_liczniki(elementy, obciazenia, podpory); !b.empty())
        return odrzucony(b);
    // Checked before anything is allocated: a short file claiming huge counts
    // is refused at once.
    if (dostepne < dlugosc_m1d(elementy, podpory))
        return odrzucony("plik ma " + bajty(dostepne) + ", a liczności wymagają " +
                         std::to_string(dlugosc_m1d(elementy, podpory)));

    WynikOdczytu wynik;
    const std::optional<Tablice> przydzielone = sprobuj_utworzyc_tablice(elementy, podpory, obciazenia);
    if (!przydzielone) {
        wynik.stan = Odczyt::brak_pamieci;
        wynik.powod = powod_braku_pamieci(elementy);
        return wynik;
    }
    Tablice t = *przydzielone;
    if (!czytaj_tablice_modelu(zrodlo, t)) {
        zwolnij_tablice(t);
        return odrzucony("plik skończył się wcześniej, niż podał system (zmienił się podczas czytania?)");
    }
    popraw_wezly_podpor(t, wynik.naprawione);
    std::copy(t.si + 1, t.si + t.il_wezl + 1, t.f + 1);
    wynik.stan = Odczyt::ok;
    wynik.tablice = t;
    return wynik;
}

std::string powod_braku_pamieci(long long elementy)
{
    return "za mało pamięci na model o " + std::to_string(elementy) + " elementach";
}

WynikOdczytu czytaj_m1d(std::span<const std::byte> bajty)
{
    ZrodloPamiec zrodlo(bajty);
    return czytaj_m1d(zrodlo);
}

WynikOdczytu czytaj_plik_m1d(const std::string& sciezka)
{
    PlikDoCzytania plik(sciezka);
    if (!plik.otwarty()) {
        WynikOdczytu wynik = odrzucony(plik.powod());
        wynik.stan = Odczyt::nie_mozna_otworzyc;
        return wynik;
    }
    return czytaj_plik_m1d(plik);
}

WynikOdczytu czytaj_plik_m1d(PlikDoCzytania& plik)
{
    if (!plik.od_poczatku())
        return odrzucony("nie można czytać pliku od początku");
    ZrodloPlik zrodlo(plik);
    return czytaj_m1d(zrodlo);
}

std::string czego_nie_zmiesci_m1d(const Tablice& t)
{
    const auto niezerowe = [](const float* v, int n) { return v && std::any_of(v + 1, v + n + 1, [](float w) { return w != 0.0f; }); };
    const bool q = niezerowe(t.qx, t.il_elem), k = niezerowe(t.ks, t.il_wezl);
    return q && k ? "obciążeń ciągłych ani sprężyn" : q ? "obciążeń ciągłych" : k ? "sprężyn" : "";
}

bool zapisz_m1d(const Tablice& t, const Ujscie& ujscie)
{
    if (!czego_nie_zmiesci_m1d(t).empty())
        return false;
    unsigned char liczniki[12];
    bajty_z_liczby(t.il_elem, liczniki);
    bajty_z_liczby(t.il_obciaz, liczniki + 4);
    bajty_z_liczby(t.il_podpor, liczniki + 8);
    return ujscie(liczniki, sizeof liczniki) && zapisz_tablice(ujscie, t.x, t.il_wezl) &&
           zapisz_tablice(ujscie, t.a, t.il_elem) && zapisz_tablice(ujscie, t.e, t.il_elem) &&
           zapisz_tablice(ujscie, t.nu, t.il_podpor) && zapisz_tablice(ujscie, t.u, t.il_podpor) &&
           zapisz_tablice(ujscie, t.dt, t.il_elem) && zapisz_tablice(ujscie, t.si, t.il_wezl) &&
           zapisz_tablice(ujscie, t.alp, t.il_elem);
}
