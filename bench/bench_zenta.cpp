// Speed of the analysis against LAPACK's tridiagonal solve on the same band,
// of M1D reading and writing against cat and cp, of reading a text model (MB
// of text a second), and the memory a released model leaves resident.
//   build/bench/bench_zenta                  Google Benchmark cases
//   build/bench/bench_zenta --porownanie     the ratios, as ns per node, and the
//                                            cost of distributed loads and springs

#include "analiza.h"
#include "m1d.h"
#include "model.h"
#include "pret.h"
#include "przebudowa.h"
#include "tekst_modelu.h"
#include "wzorzec.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

extern "C" {
void spttrf_(const int* n, float* d, float* e, int* info);
void spttrs_(const int* n, const int* nrhs, const float* d, const float* e, float* b, const int* ldb,
             int* info);
}

namespace {

// A well-conditioned bar: a support every 1000 nodes.
OpisPreta pret_testowy(int wezly)
{
    std::mt19937 los(12345);
    return pret_losowy(wezly - 1, 1000, los);
}

void ustaw(int wezly)
{
    if (!Pusty && il_wezl == wezly)
        return;
    ustaw_model(pret_testowy(wezly));
}

void analizuj()
{
    Macierze();
    Oblicz();
}

// The assembled band as LAPACK's d, e and right-hand side b.
struct Pasmo {
    std::vector<float> d, e, b;
};

Pasmo pasmo_biezacego_modelu()
{
    Macierze();
    Pasmo p;
    for (int j = 1; j <= il_wezl; ++j) {
        p.d.push_back(s[j][1]);
        p.b.push_back(f[j]);
        if (j < il_wezl)
            p.e.push_back(s[j][2]);
    }
    return p;
}

void rozwiaz_lapack(Pasmo& p)
{
    const int n = int(p.d.size()), jeden = 1;
    int info = 0;
    spttrf_(&n, p.d.data(), p.e.data(), &info);
    spttrs_(&n, &jeden, p.d.data(), p.e.data(), p.b.data(), &n, &info);
}

void BM_Analiza(benchmark::State& stan)
{
    ustaw(int(stan.range(0)));
    for (auto _ : stan)
        analizuj();
    stan.counters["ns/węzeł"] =
        benchmark::Counter(double(il_wezl), benchmark::Counter::kIsIterationInvariantRate |
                                                benchmark::Counter::kInvert);
}

void BM_AnalizaNaSwiezychTablicach(benchmark::State& stan)
{
    ustaw(int(stan.range(0)));
    for (auto _ : stan) {
        stan.PauseTiming();
        Tablice swieze = utworz_tablice(il_elem, il_podpor, il_obciaz);
        const Tablice stare = biezace_tablice();
        auto kopiuj = [](float* do_, const float* z, int n) { std::memcpy(do_ + 1, z + 1, 4 * std::size_t(n)); };
        kopiuj(swieze.x, stare.x, il_wezl);
        kopiuj(swieze.a, stare.a, il_elem);
        kopiuj(swieze.e, stare.e, il_elem);
        kopiuj(swieze.u, stare.u, il_podpor);
        kopiuj(swieze.dt, stare.dt, il_elem);
        kopiuj(swieze.si, stare.si, il_wezl);
        kopiuj(swieze.alp, stare.alp, il_elem);
        std::memcpy(swieze.nu + 1, stare.nu + 1, 4 * std::size_t(il_podpor));
        zainstaluj_tablice(swieze);
        stan.ResumeTiming();
        analizuj();
        stan.PauseTiming();
        zwolnij_tablice(swieze);
        zainstaluj_tablice(stare);
        stan.ResumeTiming();
    }
    stan.counters["ns/węzeł"] =
        benchmark::Counter(double(il_wezl), benchmark::Counter::kIsIterationInvariantRate |
                                                benchmark::Counter::kInvert);
}

void BM_LapackSpttrfSpttrs(benchmark::State& stan)
{
    ustaw(int(stan.range(0)));
    const Pasmo wzor = pasmo_biezacego_modelu();
    Pasmo p = wzor;
    for (auto _ : stan) {
        stan.PauseTiming();
        p = wzor;
        stan.ResumeTiming();
        rozwiaz_lapack(p);
    }
    stan.counters["ns/węzeł"] =
        benchmark::Counter(double(il_wezl), benchmark::Counter::kIsIterationInvariantRate |
                                                benchmark::Counter::kInvert);
}

// The text zenta-oblicz --do-tekstu writes, read back whole.
void BM_CzytanieTekstu(benchmark::State& stan)
{
    ustaw(int(stan.range(0)));
    const std::string tekst = tekst_modelu(biezace_tablice());
    for (auto _ : stan) {
        WynikTekstu w = czytaj_tekst_modelu(tekst);
        if (!w.ok)
            stan.SkipWithError(w.blad.c_str());
        zwolnij_tablice(w.tablice);
    }
    stan.SetBytesProcessed(std::int64_t(stan.iterations()) * std::int64_t(tekst.size()));
}

// Resident memory of a 1e7-element model, analysed, and after its release:
// what stays should be a few MB at most.
std::size_t rezydentne_bajty()
{
    long strony_razem = 0, rezydentne = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &strony_razem, &rezydentne) != 2)
            rezydentne = 0;
        std::fclose(statm);
    }
    return std::size_t(rezydentne) * std::size_t(sysconf(_SC_PAGESIZE));
}

void BM_PamiecPoZwolnieniu(benchmark::State& stan)
{
    usun_model();
    const std::size_t przed = rezydentne_bajty();
    std::size_t z_modelem = 0, po = 0;
    for (auto _ : stan) {
        ustaw_model(pret_testowy(int(stan.range(0))));
        analizuj();
        z_modelem = rezydentne_bajty();
        usun_model();
        po = rezydentne_bajty();
    }
    stan.counters["MB z modelem"] = double(z_modelem - przed) / 1e6;
    stan.counters["MB po zwolnieniu"] = (double(po) - double(przed)) / 1e6;
}

BENCHMARK(BM_Analiza)->Arg(100'000)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalizaNaSwiezychTablicach)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LapackSpttrfSpttrs)->Arg(100'000)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CzytanieTekstu)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PamiecPoZwolnieniu)->Arg(10'000'000)->Iterations(2)->Unit(benchmark::kMillisecond);

// ---- side by side, in one run ----

double najkrotszy_czas(int powtorzenia, const std::function<void()>& przygotuj,
                       const std::function<void()>& mierzone)
{
    double najlepszy = 1e300;
    for (int r = 0; r < powtorzenia; ++r) {
        przygotuj();
        const auto t0 = std::chrono::steady_clock::now();
        mierzone();
        const auto t1 = std::chrono::steady_clock::now();
        najlepszy = std::min(najlepszy, std::chrono::duration<double>(t1 - t0).count());
    }
    return najlepszy;
}

void porownaj_analize(int wezly)
{
    ustaw(wezly);
    const Pasmo wzor = pasmo_biezacego_modelu();
    Pasmo p;
    const double t_lapack = najkrotszy_czas(7, [&] { p = wzor; }, [&] { rozwiaz_lapack(p); });
    const double t_zenta = najkrotszy_czas(7, [] {}, analizuj);
    Tablice t = biezace_tablice();
    float kara = 0.0f;
    const double t_proste = najkrotszy_czas(
        7, [] {}, [&] { macierze_wzorcowe(t, kara), oblicz_wzorcowe(t, kara); });
    const double n = wezly;
    std::printf("%9d węzłów [ns/węzeł]: Macierze+Oblicz %5.2f, proste pętle %5.2f,"
                " LAPACK spttrf+spttrs %5.2f; analiza/LAPACK %.2f, proste/LAPACK %.2f\n",
                wezly, 1e9 * t_zenta / n, 1e9 * t_proste / n, 1e9 * t_lapack / n, t_zenta / t_lapack,
                t_proste / t_lapack);
}

// The same bar without and with a distributed load on every element and a
// spring at every tenth node, timed in turn; the median of the pair ratios.
void porownaj_obciazenia_ciagle(int wezly)
{
    ustaw(wezly);
    std::vector<float> q(std::size_t(il_elem) + 1, 0.5f), k(std::size_t(il_wezl) + 1, 0.0f);
    for (int j = 1; j <= il_wezl; j += 10)
        k[std::size_t(j)] = 1e3f;
    const auto czas = [](float* obciazenia, float* sprezyny) {
        qx = obciazenia;
        ks = sprezyny;
        const auto t0 = std::chrono::steady_clock::now();
        analizuj();
        const double t = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        qx = ks = nullptr;
        return t;
    };
    czas(q.data(), k.data());
    std::vector<double> ilorazy;
    for (int para = 0; para < 15; ++para) {
        const double bez = czas(nullptr, nullptr);
        ilorazy.push_back(czas(q.data(), k.data()) / bez);
    }
    std::nth_element(ilorazy.begin(), ilorazy.begin() + 7, ilorazy.end());
    std::printf("%9d węzłów: analiza z obciążeniem ciągłym i sprężynami / bez, mediana 15 par: %.3f\n", wezly,
                ilorazy[7]);
}

// A structural change of a large bar and its undoing: each makes the arrays anew.
void porownaj_przebudowe(int elementy)
{
    ustaw(elementy + 1);
    const int srodek = il_elem / 2;
    const float x_nowy = float((double(x[srodek]) + x[srodek + 1]) / 2);
    const double t_podzial = najkrotszy_czas(5, [] {}, [&] {
        podziel_element(srodek, x_nowy);
        zlacz_w_wezle(srodek + 1);
    });
    std::printf("%9d elementów: podział elementu i jego cofnięcie (złączenie) %.1f ms\n", elementy,
                1e3 * t_podzial);
}

bool zapisz_do_pliku(const Tablice& t, const std::string& sciezka)
{
    const int fd = ::open(sciezka.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool ok = zapisz_m1d(t, [fd](const void* dane, std::size_t n) {
        return ::write(fd, dane, n) == ssize_t(n);
    });
    return ::close(fd) == 0 && ok;
}

void porownaj_pliki(int elementy)
{
    ustaw(elementy + 1);
    const std::string plik = "/tmp/zenta_bench.M1D", kopia = "/tmp/zenta_bench_kopia.M1D";
    zapisz_do_pliku(biezace_tablice(), plik);
    const double t_cat = najkrotszy_czas(5, [] {}, [&] {
        if (std::system(("cat " + plik + " > /dev/null").c_str()) != 0)
            std::abort();
    });
    const double t_odczyt = najkrotszy_czas(5, [] {}, [&] {
        WynikOdczytu w = czytaj_plik_m1d(plik);
        zwolnij_tablice(w.tablice);
    });
    // Both write a new file each time, as a save through a temporary file does.
    auto usun_kopie = [&] { std::remove(kopia.c_str()); };
    const double t_cp = najkrotszy_czas(5, usun_kopie, [&] {
        if (std::system(("cp " + plik + " " + kopia).c_str()) != 0)
            std::abort();
    });
    const double t_zapis = najkrotszy_czas(5, usun_kopie, [&] { zapisz_do_pliku(biezace_tablice(), kopia); });
    std::printf("plik %d elementów (%.0f MB): odczyt %.1f ms, cat %.1f ms, odczyt/cat %.2f;"
                " zapis %.1f ms, cp %.1f ms, zapis/cp %.2f\n",
                elementy, double(dlugosc_m1d(elementy, il_podpor)) / 1e6, 1e3 * t_odczyt, 1e3 * t_cat,
                t_odczyt / t_cat, 1e3 * t_zapis, 1e3 * t_cp, t_zapis / t_cp);
    std::remove(plik.c_str());
    std::remove(kopia.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "--porownanie") {
        for (int wezly : {100'000, 1'000'000, 10'000'000})
            porownaj_analize(wezly);
        porownaj_pliki(10'000'000);
        porownaj_obciazenia_ciagle(1'000'000);
        porownaj_przebudowe(1'000'000);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
