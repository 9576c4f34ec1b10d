#include "analiza_modelu.h"
#include "elementy.h"
#include "obwiednia.h"
#include "wykres.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

namespace {

using Wykresy = ZModelem;

std::vector<std::string> teksty(const Rysunek& r) { return napisy(r); }

bool jest(const std::vector<std::string>& t, const std::string& co)
{
    return std::find(t.begin(), t.end(), co) != t.end();
}

int ile_prostokatow(const Rysunek& r, Kolor wypelnienie)
{
    return int(std::count_if(r.begin(), r.end(), [&](const ElementRysunku& e) {
        const Prostokat* p = std::get_if<Prostokat>(&e);
        return p && p->wypelnienie == wypelnienie;
    }));
}

} // namespace

TEST(Obwiednia, EveryColumnGetsTheRangeOfThePiecesOverIt)
{
    Obwiednia o(10);
    o.dodaj(2, 5, 1.0, 1.0);
    o.dodaj(5, 3, -2.0, 0.5); // either order
    o.dodaj(8, 40, 7.0, 9.0); // clipped
    o.dodaj(-5, -1, 3.0, 3.0); // wholly outside
    const auto k = o.kolumny();
    EXPECT_FALSE(k[0].jest);
    EXPECT_TRUE(k[2].jest && k[2].min == 1.0 && k[2].max == 1.0);
    EXPECT_TRUE(k[4].jest && k[4].min == -2.0 && k[4].max == 1.0);
    EXPECT_FALSE(k[6].jest);
    EXPECT_TRUE(k[9].jest && k[9].min == 7.0 && k[9].max == 9.0);
}

// Stresses 10 and 5, a constant force of 10, u = 0, 0.1, 0.2.
TEST_F(Wykresy, ASteppedBarShowsBothStressStepsAndOneLabelForItsConstantForce)
{
    przelicz_model(pret_dwuelementowy());
    const Wykres w = rysuj_wykres(RodzajWykresu::naprezenie, 800, 500);
    const auto t = teksty(w.rysunek);
    EXPECT_TRUE(jest(t, "Naprężenie σ"));
    EXPECT_TRUE(jest(t, "max = 10  (x = 0.5)"));
    EXPECT_TRUE(jest(t, "min = 5  (x = 2)"));
    EXPECT_EQ(ile_prostokatow(w.rysunek, rgb(255, 200, 200)), 3); // two steps and the column where they meet
    EXPECT_DOUBLE_EQ(w.powiekszenie, 0.1 * 3 / 0.2000000029802322);
    EXPECT_TRUE(jest(t, "Kształt pręta; przemieszczenia powiększone ×1.5"));
    const auto n = teksty(rysuj_wykres(RodzajWykresu::sila, 800, 500).rysunek);
    EXPECT_TRUE(jest(n, "Siła osiowa N = σ·A"));
    EXPECT_TRUE(jest(n, "max = 10  (x = 0.5)"));
    EXPECT_FALSE(std::any_of(n.begin(), n.end(), [](const std::string& s) { return s.starts_with("min"); }));
}

// A bar hanging from x = 0 under its own weight, γ = 1, E = 1000, L = 10: the
// diagrams give the exact σ = γ·(L - x) and u(L) = γ·L²/(2E), and the
// elements' own stresses lie over σ as steps.
TEST_F(Wykresy, UnderADistributedLoadTheCurvesAreExactAndTheElementsStressesAreStepsOverThem)
{
    OpisPreta opis = pret_jednorodny(5);
    for (float& xw : opis.x)
        xw *= 2.0f;
    opis.e.assign(5, 1000.0f);
    opis.si.assign(6, 0.0f);
    opis.q.assign(5, 1.0f);
    przelicz_model(opis);
    const ZestawWykresow w = rysuj_wykresy(900, 600);
    const auto t = teksty(w.rysunek);
    EXPECT_EQ(std::count(t.begin(), t.end(), "max = 10  (x = 0)"), 2); // N and σ at the top, not 9 at x = 1
    EXPECT_TRUE(jest(t, "max = 0.05  (x = 10)"));
    EXPECT_EQ(std::count(t.begin(), t.end(), "schodki: wartości elementów"), 2);
    EXPECT_GT(ile_prostokatow(w.rysunek, rgb(0, 140, 0)), 2 * 5);
    const int kolumna = w.os->p1 + (w.os->p2 - w.os->p1) / 10; // x = 1
    EXPECT_EQ(odczyt_wykresow(w, kolumna, (w.pasma[1].gora + w.pasma[1].dol) / 2),
              "x= 1.00   element 1   σ(x) = 8.99999905   element: 8.99999905"); // the middle: the same
    EXPECT_EQ(odczyt_wykresow(w, kolumna, (w.pasma[2].gora + w.pasma[2].dol) / 2),
              "x= 1.00   element 1   u(x) = 0.009500000112570"); // γ·x·(2L - x)/(2E)
}

TEST_F(Wykresy, AMillionElementsOrAZigzagGiveABoundedPicture)
{
    przelicz_model(pret_jednorodny(1000000));
    EXPECT_LT(rysuj_wykres(RodzajWykresu::przemieszczenie, 1280, 800).rysunek.size(), 4000u);
    OpisPreta zygzak = pret_jednorodny(20000);
    for (std::size_t j = 0; j < zygzak.x.size(); ++j)
        zygzak.x[j] = j % 2 ? 1000.0f : 0.0f; // every element spans the whole width
    przelicz_model(zygzak);
    EXPECT_LT(rysuj_wykres(RodzajWykresu::przemieszczenie, 1280, 800).rysunek.size(), 4000u);
}

TEST_F(Wykresy, NonFiniteCoordinatesGiveAMessageNotAPlot)
{
    OpisPreta opis = pret_dwuelementowy();
    opis.x = {NAN, NAN, NAN};
    przelicz_model(opis);
    const auto t = teksty(rysuj_wykres(RodzajWykresu::sila, 400, 300).rysunek);
    EXPECT_TRUE(jest(t, "Brak danych do wykresu: współrzędne lub wartości nie są skończone."));
}

