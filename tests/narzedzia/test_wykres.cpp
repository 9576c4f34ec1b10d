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

