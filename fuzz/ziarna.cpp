// Writes a handful of valid M1D files into the directory given: the seed
// corpus of the fuzzer.

#include "m1d.h"
#include "model.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Pret {
    std::vector<float> x, a, e, alp, dt, si;
    std::vector<std::pair<int, float>> podpory;
    int obciazenia = 1;
};

void zapisz(const Pret& p, const std::string& sciezka)
{
    const int ne = int(p.a.size());
    Tablice t = utworz_tablice(ne, int(p.podpory.size()), p.obciazenia);
    for (int j = 1; j <= ne + 1; ++j) {
        t.x[j] = p.x[std::size_t(j - 1)];
        t.si[j] = p.si[std::size_t(j - 1)];
    }
    for (int i = 1; i <= ne; ++i) {
        t.a[i] = p.a[std::size_t(i - 1)];
        t.e[i] = p.e[std::size_t(i - 1)];
        t.alp[i] = p.alp[std::size_t(i - 1)];
        t.dt[i] = p.dt[std::size_t(i - 1)];
    }
    for (int k = 1; k <= t.il_podpor; ++k) {
        t.nu[k] = p.podpory[std::size_t(k - 1)].first;
        t.u[k] = p.podpory[std::size_t(k - 1)].second;
    }
    std::ofstream plik(sciezka, std::ios::binary);
    zapisz_m1d(t, [&](const void* d, std::size_t n) {
        plik.write(static_cast<const char*>(d), std::streamsize(n));
        return bool(plik);
    });
    zwolnij_tablice(t);
}

} // namespace

int main(int argc, char** argv)
{
    const std::string katalog = argc > 1 ? argv[1] : ".";
    zapisz({{0, 1, 2}, {1, 1}, {2e5f, 2e5f}, {0, 0}, {0, 0}, {0, 0, 1000}, {{1, 0}}}, katalog + "/przyklad.M1D");
    zapisz({{0, 2}, {3}, {10}, {0}, {0}, {0, 6}, {{1, 0}}}, katalog + "/jeden.M1D");
    zapisz({{0, 1}, {1}, {2e5f}, {1e-3f}, {1}, {0, 0}, {{1, 0}, {2, 0}}}, katalog + "/cieplny.M1D");
    zapisz({{0, 1, 3, 4, 6}, {4, 3, 2, 1}, {2e5f, 2e5f, 7e4f, 2e5f}, {0, 0, 1.2e-5f, 0}, {0, 0, 30, 0},
            {0, 500, 0, -300, 0}, {{1, 0}, {5, 0.001f}}, 2},
           katalog + "/schodkowy.M1D");
    zapisz({{0, 1, 2, 3}, {1, 1, 1}, {1, 1, 1}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0, 0}, {{1, 0}, {2, 0}, {4, 0.01f}}},
           katalog + "/trzy_podpory.M1D");
    std::puts("ziarna zapisane");
    return 0;
}
