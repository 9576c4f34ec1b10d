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

bool jest_komorka(Wielkosc co, int indeks)
{
    if (Pusty)
        return false;
    switch (co) {
    case Wielkosc::x:
    case Wielkosc::si: return indeks >= 1 && indeks <= il_wezl;
    case Wielkosc::a:
    case Wielkosc::e:
    case Wielkosc::alp:
    case Wielkosc::dt: return indeks >= 1 && indeks <= il_elem;
    case Wielkosc::nu:
    case Wielkosc::u: return indeks >= 1 && indeks <= il_podpor;
    case Wielkosc::il_obciaz: return true;
    }
    return false;
}

Zmiana::Zmiana() : pokolenie_(pokolenie_modelu) {}

void Zmiana::zapisz(Wielkosc co, int indeks, std::uint32_t nowa)
{
    if (pokolenie_ != pokolenie_modelu || !jest_komorka(co, indeks)) {
        niewazna_ = true;
        return;
    }
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

bool Zmiana::pasuje() const
{
    if (niewazna_ || pokolenie_ != pokolenie_modelu)
        return false;
    for (const Komorka& k : komorki_)
        if (!jest_komorka(k.co, k.indeks))
            return false;
    return true;
}

bool Zmiana::wykonaj() const
{
    if (!pasuje())
        return false;
    for (const Komorka& k : komorki_)
        wpisz(k.co, k.indeks, k.po);
    return true;
}

bool Zmiana::cofnij() const
{
    if (!pasuje())
        return false;
    for (auto k = komorki_.rbegin(); k != komorki_.rend(); ++k)
        wpisz(k->co, k->indeks, k->przed);
    return true;
}
