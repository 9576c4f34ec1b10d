#include "pret.h"

#include "m1d.h"
#include "tekst_modelu.h"

#include <algorithm>
#include <fstream>

Tablice zbuduj_tablice(const OpisPreta& opis)
{
    const int ne = int(opis.x.size()) - 1;
    Tablice t = utworz_tablice(ne, int(opis.podpory.size()), opis.il_obciaz);
    for (int j = 1; j <= t.il_wezl; ++j) {
        t.x[j] = opis.x[j - 1];
        t.si[j] = opis.si.empty() ? 0.0f : opis.si[j - 1];
        t.f[j] = t.si[j];
        t.s[j][1] = t.s[j][2] = 0.0f;
    }
    for (int i = 1; i <= ne; ++i) {
        t.a[i] = opis.a[i - 1];
        t.e[i] = opis.e[i - 1];
        t.alp[i] = opis.alp.empty() ? 0.0f : opis.alp[i - 1];
        t.dt[i] = opis.dt.empty() ? 0.0f : opis.dt[i - 1];
        t.stress[i] = 0.0f;
    }
    for (int p = 1; p <= t.il_podpor; ++p) {
        t.nu[p] = opis.podpory[p - 1].first;
        t.u[p] = opis.podpory[p - 1].second;
        t.react[p] = 0.0f;
    }
    if (!opis.q.empty() && dodaj_obciazenia_ciagle(t))
        std::copy(opis.q.begin(), opis.q.end(), t.qx + 1);
    if (!opis.k.empty() && dodaj_sprezyny(t))
        std::copy(opis.k.begin(), opis.k.end(), t.ks + 1);
    return t;
}

void usun_model()
{
    if (!Pusty)
        zwolnij_model();
}

void ustaw_model(const OpisPreta& opis)
{
    usun_model();
    zainstaluj_tablice(zbuduj_tablice(opis));
    Pusty = false;
}

OpisPreta pret_jednorodny(int n)
{
    OpisPreta opis;
    for (int j = 0; j <= n; ++j)
        opis.x.push_back(float(j));
    opis.a.assign(n, 1.0f);
    opis.e.assign(n, 100.0f);
    opis.si.assign(n + 1, 0.0f);
    opis.si.back() = 10.0f;
    opis.podpory = {{1, 0.0f}};
    return opis;
}

OpisPreta pret_ogrzany_miedzy_scianami()
{
    OpisPreta opis;
    opis.x = {0.0f, 1.0f};
    opis.a = {1.0f};
    opis.e = {200000.0f};
    opis.alp = {0.001f};
    opis.dt = {1.0f};
    opis.podpory = {{1, 0.0f}, {2, 0.0f}};
    return opis;
}

OpisPreta pret_losowy(int n, int co_ile_podpora, std::mt19937& los)
{
    std::uniform_real_distribution<float> dlugosc(0.1f, 3.0f), pole(0.5f, 20.0f), modul(1e3f, 3e5f),
        sila(-1e3f, 1e3f), temperatura(-50.0f, 50.0f), przemieszczenie(-0.01f, 0.01f);
    std::bernoulli_distribution obciazony(0.3);
    OpisPreta opis;
    // Beyond a hundred thousand nodes random lengths would round to zero in
    // float; whole-number coordinates stay exact up to 2^24.
    const bool dlugi = n > 100'000;
    float xj = dlugi ? 0.0f : std::uniform_real_distribution<float>(0.0f, 5.0f)(los);
    for (int j = 0; j <= n; ++j) {
        opis.x.push_back(xj);
        xj = dlugi ? float(j + 1) : xj + dlugosc(los);
        opis.si.push_back(obciazony(los) ? sila(los) : 0.0f);
    }
    for (int i = 0; i < n; ++i) {
        opis.a.push_back(pole(los));
        opis.e.push_back(modul(los));
        opis.alp.push_back(obciazony(los) ? 1.2e-5f : 0.0f);
        opis.dt.push_back(temperatura(los));
    }
    opis.podpory.push_back({1, 0.0f});
    for (int j = co_ile_podpora; j <= n + 1; j += co_ile_podpora)
        opis.podpory.push_back({j, przemieszczenie(los)});
    return opis;
}

OpisPreta pret_dwuelementowy()
{
    OpisPreta opis;
    opis.x = {0.0f, 1.0f, 3.0f};
    opis.a = {1.0f, 2.0f};
    opis.e = {100.0f, 100.0f};
    opis.si = {0.0f, 0.0f, 10.0f};
    opis.podpory = {{1, 0.0f}};
    return opis;
}

bool zapisz_plik_modelu(const OpisPreta& opis, const std::string& sciezka)
{
    Tablice t = zbuduj_tablice(opis);
    std::ofstream plik(sciezka, std::ios::binary);
    const bool zapisano = zapisz_m1d(t, [&](const void* d, std::size_t n) {
        plik.write(static_cast<const char*>(d), std::streamsize(n));
        return bool(plik);
    });
    zwolnij_tablice(t);
    return zapisano;
}

Ujscie do_napisu(std::string& cel)
{
    return [&cel](const void* dane, std::size_t bajty) {
        cel.append(static_cast<const char*>(dane), bajty);
        return true;
    };
}

std::vector<std::byte> bajty_m1d(const Tablice& t)
{
    std::string b;
    zapisz_m1d(t, do_napisu(b));
    const auto* p = reinterpret_cast<const std::byte*>(b.data());
    return {p, p + b.size()};
}

std::string tekst_modelu(const Tablice& t, std::span<const NaprawionaPodpora> naprawione)
{
    std::string tekst;
    Strumien s(do_napisu(tekst));
    zapisz_tekst_modelu(t, naprawione, s);
    return tekst;
}
