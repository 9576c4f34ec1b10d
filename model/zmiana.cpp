#include "zmiana.h"

#include "model.h"

#include <bit>
#include <cstring>

namespace {

// Where the cell lies in the held model: a float or an int, 4 bytes either way.
void* adres(Wielkosc co, int indeks)
{
    static_assert(sizeof(float) == sizeof(std::uint32_t) && sizeof(int) == sizeof(std::uint32_t));
    switch (co) {
    case Wielkosc::x: return &x[indeks];
    case Wielkosc::a: return &a[indeks];
    case Wielkosc::e: return &e[indeks];
    case Wielkosc::alp: return &alp[indeks];
    case Wielkosc::dt: return &dt[indeks];
    case Wielkosc::si: return &si[indeks];
    case Wielkosc::nu: return &nu[indeks];
    case Wielkosc::u: return &u[indeks];
    case Wielkosc::il_obciaz: break;
    }
    return &il_obciaz;
}

std::uint32_t odczytaj(Wielkosc co, int indeks)
{
    std::uint32_t bity;
    std::memcpy(&bity, adres(co, indeks), sizeof bity);
    return bity;
}

void wpisz(Wielkosc co, int indeks, std::uint32_t bity) { std::memcpy(adres(co, indeks), &bity, sizeof bity); }

} // namespace

void Zmiana::zapisz(Wielkosc co, int indeks, std::uint32_t nowa)
{
    for (Komorka& k : komorki_)
        if (k.co == co && k.indeks == indeks) {
            k.po = nowa;
            return;
        }
    const std::uint32_t teraz = odczytaj(co, indeks);
    if (teraz != nowa)
        komorki_.push_back({co, indeks, teraz, nowa});
}

void Zmiana::ustaw(Wielkosc co, int indeks, float nowa) { zapisz(co, indeks, std::bit_cast<std::uint32_t>(nowa)); }

void Zmiana::ustaw(Wielkosc co, int indeks, int nowa) { zapisz(co, indeks, std::bit_cast<std::uint32_t>(nowa)); }

void Zmiana::wykonaj() const
{
    for (const Komorka& k : komorki_)
        wpisz(k.co, k.indeks, k.po);
}

void Zmiana::cofnij() const
{
    for (auto k = komorki_.rbegin(); k != komorki_.rend(); ++k)
        wpisz(k->co, k->indeks, k->przed);
}
