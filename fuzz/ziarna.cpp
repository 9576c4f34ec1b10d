// Writes a handful of valid M1D files into the directory given: the seed
// corpus of the fuzzer, with the models only a file can make (zero lengths,
// NaNs, infinities, huge values, supports piled on one node).

#include "pret.h"

#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace {

const float nan_ = std::numeric_limits<float>::quiet_NaN();
const float inf_ = std::numeric_limits<float>::infinity();

OpisPreta zmieniony(void (*zmiana)(OpisPreta&))
{
    OpisPreta opis = pret_jednorodny(4);
    zmiana(opis);
    return opis;
}

std::vector<OpisPreta> z_pliku()
{
    return {
        zmieniony([](OpisPreta& o) { o.x[2] = o.x[1]; }),
        zmieniony([](OpisPreta& o) { o.e[1] = 0.0f; }),
        zmieniony([](OpisPreta& o) { o.a = {-1.0f, -2.0f, 0.0f, -3.0f}; }),
        zmieniony([](OpisPreta& o) { o.x = {4.0f, 3.0f, 2.0f, 1.0f, 0.0f}; }),
        zmieniony([](OpisPreta& o) { o.x.assign(5, 2.0f); }),
        zmieniony([](OpisPreta& o) { o.x[3] = nan_; }),
        zmieniony([](OpisPreta& o) { o.a[0] = inf_; }),
        zmieniony([](OpisPreta& o) {
            o.si[2] = nan_;
            o.alp.assign(4, nan_);
            o.dt.assign(4, inf_);
        }),
        zmieniony([](OpisPreta& o) { o.podpory = {{1, inf_}}; }),
        zmieniony([](OpisPreta& o) { o.podpory = {{3, 0.0f}, {3, 0.1f}, {3, -0.1f}}; }),
        zmieniony([](OpisPreta& o) {
            o.e.assign(4, 3.0e38f);
            o.a.assign(4, 3.0e38f);
            o.si[4] = -3.0e38f;
        }),
    };
}

} // namespace

int main(int argc, char** argv)
{
    const std::string katalog = argc > 1 ? argv[1] : ".";
    OpisPreta cieplny = pret_jednorodny(1);
    cieplny.alp = {1e-3f};
    cieplny.dt = {1.0f};
    cieplny.podpory = {{1, 0.0f}, {2, 0.0f}};
    OpisPreta schodkowy;
    schodkowy.x = {0, 1, 3, 4, 6};
    schodkowy.a = {4, 3, 2, 1};
    schodkowy.e = {2e5f, 2e5f, 7e4f, 2e5f};
    schodkowy.alp = {0, 0, 1.2e-5f, 0};
    schodkowy.dt = {0, 0, 30, 0};
    schodkowy.si = {0, 500, 0, -300, 0};
    schodkowy.podpory = {{1, 0.0f}, {5, 0.001f}};
    schodkowy.il_obciaz = 2;
    OpisPreta trzy_podpory = pret_jednorodny(3);
    trzy_podpory.podpory = {{1, 0.0f}, {2, 0.0f}, {4, 0.01f}};

    bool ok = zapisz_plik_modelu(pret_dwuelementowy(), katalog + "/dwa.M1D");
    ok = zapisz_plik_modelu(pret_jednorodny(1), katalog + "/jeden.M1D") && ok;
    ok = zapisz_plik_modelu(cieplny, katalog + "/cieplny.M1D") && ok;
    ok = zapisz_plik_modelu(schodkowy, katalog + "/schodkowy.M1D") && ok;
    ok = zapisz_plik_modelu(trzy_podpory, katalog + "/trzy_podpory.M1D") && ok;
    int k = 0;
    for (const OpisPreta& opis : z_pliku())
        ok = zapisz_plik_modelu(opis, katalog + "/z_pliku_" + std::to_string(++k) + ".M1D") && ok;
    std::puts(ok ? "ziarna zapisane" : "nie można zapisać ziaren");
    return ok ? 0 : 1;
}
