#include "zmiana.h"

#include "model.h"
#include "pom_mac.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

std::uint64_t zmiany = 0;

// Where the cell lies in the held model: a float or an int, 4 bytes either
// way; null for a cell of an array the model does not have yet.
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
    case Wielkosc::qx: return qx ? &qx[indeks] : nullptr;
    case Wielkosc::ks: return ks ? &ks[indeks] : nullptr;
    case Wielkosc::il_obciaz: break;
    }
    return &il_obciaz;
}

std::uint32_t odczytaj(Wielkosc co, int indeks)
{
    std::uint32_t bity = std::bit_cast<std::uint32_t>(0.0f);
    if (const void* p = adres(co, indeks))
        std::memcpy(&bity, p, sizeof bity);
    return bity;
}

void wpisz(Wielkosc co, int indeks, std::uint32_t bity) { std::memcpy(adres(co, indeks), &bity, sizeof bity); }

} // namespace

std::uint64_t licznik_zmian() { return zmiany; }

void zaznacz_zmiane() { ++zmiany; }

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
    case Wielkosc::dt:
    case Wielkosc::qx: return indeks >= 1 && indeks <= il_elem;
    case Wielkosc::ks: return indeks >= 1 && indeks <= il_wezl;
    case Wielkosc::nu:
    case Wielkosc::u: return indeks >= 1 && indeks <= il_podpor;
    case Wielkosc::il_obciaz: return true;
    }
    return false;
}

Zmiana::Zmiana() : pokolenie_(pokolenie_modelu) { najwyzszy_.fill(-1); }

Zmiana::Komorka* Zmiana::znajdz(Wielkosc co, int indeks)
{
    if (indeks > najwyzszy_[std::size_t(co)])
        return nullptr;
    for (Komorka& k : komorki_)
        if (k.co == co && k.indeks == indeks)
            return &k;
    return nullptr;
}

void Zmiana::zapisz(Wielkosc co, int indeks, std::uint32_t nowa)
{
    if (pokolenie_ != pokolenie_modelu || !jest_komorka(co, indeks)) {
        niewazna_ = true;
        return;
    }
    if (Komorka* k = znajdz(co, indeks)) {
        k->po = nowa;
        return;
    }
    const std::uint32_t teraz = odczytaj(co, indeks);
    if (teraz == nowa)
        return;
    komorki_.push_back({co, indeks, teraz, nowa});
    int& najwyzszy = najwyzszy_[std::size_t(co)];
    najwyzszy = std::max(najwyzszy, indeks);
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

// The arrays the edit writes into and the model does not have yet, all 0;
// none of them when the memory for one cannot be had.
bool Zmiana::przydziel_tablice()
{
    const auto potrzebna = [this](Wielkosc co, const float* tablica) {
        return !tablica && najwyzszy_[std::size_t(co)] >= 0;
    };
    Tablice t = biezace_tablice();
    const bool q = potrzebna(Wielkosc::qx, qx), k = potrzebna(Wielkosc::ks, ks);
    if ((q && !dodaj_obciazenia_ciagle(t)) || (k && !dodaj_sprezyny(t))) {
        if (q && t.qx)
            uwolnij_wektor(t.qx, 1, il_elem);
        return false;
    }
    qx = t.qx;
    ks = t.ks;
    przydzielone_qx_ = q;
    przydzielone_ks_ = k;
    return true;
}

// Once undone, what the edit made holds only zeros again: no edit after it
// is done while it is undone.
void Zmiana::zwolnij_przydzielone()
{
    if (przydzielone_qx_) {
        uwolnij_wektor(qx, 1, il_elem);
        qx = nullptr;
    }
    if (przydzielone_ks_) {
        uwolnij_wektor(ks, 1, il_wezl);
        ks = nullptr;
    }
    przydzielone_qx_ = przydzielone_ks_ = false;
}

bool Zmiana::wykonaj()
{
    if (!pasuje() || !przydziel_tablice())
        return false;
    for (const Komorka& k : komorki_)
        wpisz(k.co, k.indeks, k.po);
    ++zmiany;
    return true;
}

bool Zmiana::cofnij()
{
    if (!pasuje())
        return false;
    for (auto k = komorki_.rbegin(); k != komorki_.rend(); ++k)
        wpisz(k->co, k->indeks, k->przed);
    zwolnij_przydzielone();
    ++zmiany;
    return true;
}
