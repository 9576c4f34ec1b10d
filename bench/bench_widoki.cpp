// Speed of the pictures: the main view of a 1e6-element bar in 1920 x 1080,
// one paint of a table window scrolled to the middle of a large model, and
// the diagrams window of a 1e6-element bar made and painted anew (a resize;
// the target is under 50 ms).
//   build/bench/bench_widoki

#include "gracz.h"
#include "instalacja.h"
#include "kolory.h"
#include "model.h"
#include "pret.h"
#include "rysunek.h"
#include "tabele.h"
#include "wykres.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <clocale>
#include <random>

namespace {

TablicaKolorow knapr;

void ustaw(int elementy)
{
    if (!Pusty && il_elem == elementy)
        return;
    usun_model();
    std::mt19937 los(12345);
    ustaw_model(pret_losowy(elementy, 1000, los));
    for (int i = 1; i <= il_elem; ++i)
        stress[i] = std::uniform_real_distribution<float>(-100.0f, 150.0f)(los);
}

void BM_WidokGlowny(benchmark::State& stan)
{
    ustaw(int(stan.range(0)));
    QImage obraz(1920, 1080, QImage::Format_RGB32);
    std::size_t elementy_listy = 0;
    for (auto _ : stan) {
        const ObrazWidoku widok = rysuj(UstawieniaWidoku{true, 1, &knapr}, 1920, 1080);
        odtworz(widok.rysunek, obraz);
        elementy_listy = widok.rysunek.size();
    }
    stan.counters["pozycje listy"] = double(elementy_listy);
}

void BM_OknoTabeli(benchmark::State& stan)
{
    ustaw(int(stan.range(0)));
    QImage obraz(300, 400, QImage::Format_RGB32);
    const tabele::Widok srodek{0, 20LL * il_elem / 2, 300, 400};
    for (auto _ : stan) {
        obraz.fill(QColor(192, 192, 192));
        odtworz(stan.range(1) ? tabele::tabela_wynikow(srodek) : tabele::tabela_danych(srodek), obraz);
    }
}

// The diagrams show an analysed bar: displacements, not the load vector.
void BM_OknoWykresow(benchmark::State& stan)
{
    usun_model();
    std::mt19937 los(12345);
    zainstaluj_model(zbuduj_tablice(pret_losowy(int(stan.range(0)), 1000, los)));
    QImage obraz(900, 650, QImage::Format_RGB32);
    for (auto _ : stan) {
        const ZestawWykresow zestaw = rysuj_wykresy(obraz.width(), obraz.height());
        odtworz(zestaw.rysunek, obraz);
    }
}

BENCHMARK(BM_WidokGlowny)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OknoTabeli)
    ->Args({1'000, 1})
    ->Args({1'000'000, 1})
    ->Args({1'000'000, 0})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OknoWykresow)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplikacja(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    Pasek_kol(knapr);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
