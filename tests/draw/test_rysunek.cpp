#include "model.h"
#include "odczyt.h"
#include "pret.h"
#include "rysunek.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

namespace {

class Rysunek_ : public ::testing::Test {
protected:
    void SetUp() override
    {
        Pasek_kol(knapr);
        x0 = 0.0f;
        sx = 1.0f;
    }
    void TearDown() override { usun_model(); }

    ObrazWidoku narysuj(bool napr, int przem = 1, int w = 850, int h = 650)
    {
        return rysuj(UstawieniaWidoku{napr, przem, &knapr}, w, h);
    }

    // Sets the stresses directly: the picture reads whatever the arrays hold.
    void ustaw_naprezenia(std::initializer_list<float> wartosci)
    {
        int i = 1;
        for (float v : wartosci)
            stress[i++] = v;
    }

    TablicaKolorow knapr{};
};

template <typename T>
std::vector<T> elementy(const ObrazWidoku& o)
{
    std::vector<T> wynik;
    for (const ElementRysunku& e : o.rysunek)
        if (const T* t = std::get_if<T>(&e))
            wynik.push_back(*t);
    return wynik;
}

// The element rectangles, along the axis row.
std::vector<Prostokat> prostokaty_elementow(const ObrazWidoku& o)
{
    const auto na_osi = elementy<ProstokatyNaOsi>(o);
    return na_osi.empty() ? std::vector<Prostokat>{} : na_osi.front().prostokaty;
}

std::vector<std::string> etykiety(const ObrazWidoku& o)
{
    std::vector<std::string> wynik;
    for (const Tekst& t : elementy<Tekst>(o))
        wynik.push_back(t.tekst);
    return wynik;
}

// Three elements of areas 1, 2, 4 at x = 2, 4, 5, 10, fixed at node 1, forces +5 at node 2, -5 at node 4.
OpisPreta pret_trzy_elementy()
{
    OpisPreta opis;
    opis.x = {2.0f, 4.0f, 5.0f, 10.0f};
    opis.a = {1.0f, 2.0f, 4.0f};
    opis.e = {100.0f, 100.0f, 100.0f};
    opis.si = {0.0f, 5.0f, 0.0f, -5.0f};
    opis.podpory = {{1, 0.0f}};
    return opis;
}

} // namespace

// ---- coordinates ----

TEST_F(Rysunek_, NodesAndAreasFollowTheScaleWithOneTruncationEach)
{
    ustaw_model(pret_trzy_elementy());
    const int w = 850, h = 650;
    const auto obraz = narysuj(false, 1, w, h);
    ASSERT_TRUE(obraz.skala);
    EXPECT_EQ(obraz.skala->x0, 2.0f);
    const float skala_x = (float(w) - 50.0f) / (10.0f - 2.0f), skala_a = (float(h) - 50.0f) / 4.0f;
    const float cy = (float(h) - 50.0f) * 0.5f + 10.0f;
    EXPECT_EQ(obraz.skala->sx, skala_x);
    const auto p = prostokaty_elementow(obraz);
    ASSERT_EQ(p.size(), 3u);
    const float xs[] = {2.0f, 4.0f, 5.0f, 10.0f}, as[] = {1.0f, 2.0f, 4.0f};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(p[i].lewo, int((xs[i] - 2.0f) * skala_x + 25.0f));
        EXPECT_EQ(p[i].prawo, int((xs[i + 1] - 2.0f) * skala_x + 25.0f));
        EXPECT_EQ(p[i].gora, int(cy - as[i] * skala_a * 0.5f));
        EXPECT_EQ(p[i].dol, int(cy + as[i] * skala_a * 0.5f));
    }
    EXPECT_EQ(p[0].lewo, 25);
    EXPECT_EQ(p[2].prawo, w - 25);
    EXPECT_EQ(p[2].gora, 10); // the largest area spans 10 .. h - 40
    EXPECT_EQ(p[2].dol, h - 40);
}

TEST_F(Rysunek_, TooSmallAWindowDrawsOnlyTheBackgroundAndKeepsTheScale)
{
    ustaw_model(pret_trzy_elementy());
    for (auto [w, h] : {std::pair{150, 400}, std::pair{400, 150}, std::pair{151, 151}}) {
        const auto obraz = narysuj(true, 1, w, h);
        const bool tylko_tlo = obraz.rysunek.size() == 1;
        EXPECT_EQ(tylko_tlo, w <= 150 || h <= 150) << w << "x" << h;
        EXPECT_EQ(bool(obraz.skala), !tylko_tlo);
    }
    const auto obraz = narysuj(false, 1, 150, 400);
    EXPECT_EQ(std::get<Prostokat>(obraz.rysunek[0]), (Prostokat{0, 0, 150, 400, {bialy, 1}, bialy}));
}

TEST_F(Rysunek_, EmptyModelDrawsNothing)
{
    EXPECT_TRUE(narysuj(true).rysunek.empty());
}

// ---- flags ----

TEST_F(Rysunek_, WithoutStressesElementsAreWhiteWithGreyOutlinesAndNoLegend)
{
    ustaw_model(pret_trzy_elementy());
    const auto obraz = narysuj(false);
    for (const Prostokat& p : prostokaty_elementow(obraz)) {
        EXPECT_EQ(p.wypelnienie, bialy);
        EXPECT_EQ(p.pioro, (Pioro{szary, 2}));
    }
    EXPECT_TRUE(etykiety(obraz).empty());
}

TEST_F(Rysunek_, StressesFillWithTheirColourOutlinedGreyOrInTheirOwnColour)
{
    ustaw_model(pret_trzy_elementy());
    ustaw_naprezenia({10.0f, 0.0f, -10.0f}); // indices 0, 100, 200
    const auto szare = prostokaty_elementow(narysuj(true, 1));
    const auto wlasne = prostokaty_elementow(narysuj(true, 0));
    const int indeksy[] = {0, 100, 200};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(szare[i].wypelnienie, knapr[indeksy[i]]);
        EXPECT_EQ(szare[i].pioro, (Pioro{szary, 2}));
        EXPECT_EQ(wlasne[i].pioro, (Pioro{knapr[indeksy[i]], 1}));
    }
}

// ---- legend ----

TEST_F(Rysunek_, LegendHas200CellsInTheirOwnColoursAndItsTwoLines)
{
    ustaw_model(pret_trzy_elementy());
    const auto obraz = narysuj(true, 1, 850, 650);
    const auto p = elementy<Prostokat>(obraz);
    const float sp = (850.0f - 50.0f) * 0.005f;
    for (int i = 1; i <= 200; ++i) {
        const Prostokat& komorka = p[std::size_t(i)];
        EXPECT_EQ(komorka.lewo, int(float(i - 1) * sp + 25.0f));
        EXPECT_EQ(komorka.prawo, int(float(i) * sp + 25.0f));
        EXPECT_EQ(komorka.gora, 650 - 9);
        EXPECT_EQ(komorka.dol, 650 - 2);
        EXPECT_EQ(komorka.wypelnienie, knapr[i]);
    }
    const auto linie = elementy<Linia>(obraz);
    EXPECT_EQ(linie[0], (Linia{25, 649, int(200.0f * sp + 25.0f), 649, {czarny, 1}}));
    EXPECT_EQ(linie[1], (Linia{25, 640, int(200.0f * sp + 25.0f), 640, {czarny, 1}}));
}

TEST_F(Rysunek_, LabelFormatsFollowTheirValues)
{
    ustaw_model(pret_trzy_elementy());
    ustaw_naprezenia({-1.0f, 39.0f, 0.0f}); // an = -1, ss = 5: label i shows -1 + (200 - i) / 5
    EXPECT_EQ(etykiety(narysuj(true)), (std::vector<std::string>{"39.00", "34.00", "29.00", "24.00", "19.00",
                                                                  "14.00", "9.0000", "4.0000", "-1.0000"}));
    ustaw_naprezenia({-0.5f, 39.5f, 0.0f}); // label 150 is 9.5
    EXPECT_EQ(etykiety(narysuj(true))[6], "9.50");
    ustaw_naprezenia({1600.0f, 0.0f, 0.0f}); // ss = 1/8: label 75 is 1000
    EXPECT_EQ(etykiety(narysuj(true))[3], "  1000");
    EXPECT_EQ(etykiety(narysuj(true))[4], "800.00");
}

TEST_F(Rysunek_, FirstLabelTakesItsFormatFromCell199)
{
    ustaw_model(pret_trzy_elementy());
    ustaw_naprezenia({9.02f, 1.0f, 2.0f}); // cell 199 is below 9
    EXPECT_EQ(etykiety(narysuj(true))[0], "9.0200");
}

TEST_F(Rysunek_, PureTensionScaleEndsAtZero)
{
    ustaw_model(pret_trzy_elementy());
    ustaw_naprezenia({4.0f, 8.0f, 2.0f});
    const auto e = etykiety(narysuj(true));
    EXPECT_EQ(e.front(), "8.0000");
    EXPECT_EQ(e.back(), "0.0000");
}

TEST_F(Rysunek_, EqualStressesRaiseTheBottomByOneAndAllGetTheDarkestRed)
{
    ustaw_model(pret_trzy_elementy());
    ustaw_naprezenia({0.0f, 0.0f, 0.0f});
    const auto obraz = narysuj(true);
    for (const Prostokat& p : prostokaty_elementow(obraz))
        EXPECT_EQ(p.wypelnienie, knapr[0]);
    const auto e = etykiety(obraz);
    EXPECT_EQ(e.front(), "0.0000");
    EXPECT_EQ(e.back(), "1.0000");
}

TEST_F(Rysunek_, StressesTheLegendCannotTellApartCountAsEqual)
{
    ustaw_model(pret_trzy_elementy());
    // equal and below -1.7e7, where an + 1 rounds back to an
    ustaw_naprezenia({-2.0e7f, -2.0e7f, -2.0e7f});
    for (const Prostokat& p : prostokaty_elementow(narysuj(true)))
        EXPECT_EQ(p.wypelnienie, knapr[0]);
    // a uniform compression with a few ulps of rounding noise
    const float c = -20.0f;
    ustaw_naprezenia({c, std::nextafter(c, 0.0f), std::nextafter(c, -100.0f)});
    const auto obraz = narysuj(true);
    for (const Prostokat& p : prostokaty_elementow(obraz))
        EXPECT_EQ(p.wypelnienie, knapr[0]);
    const auto e = etykiety(obraz);
    EXPECT_EQ(e.front(), "-20.0000");
    EXPECT_EQ(e.back(), "-19.0000");
}

// ---- axes, supports, forces ----

TEST_F(Rysunek_, SupportOnTheLeftmostNodeStandsOnTheAxisWithItsHatching)
{
    ustaw_model(pret_trzy_elementy());
    const int h = 650;
    const auto linie = elementy<Linia>(narysuj(false, 1, 850, h));
    const float cy = (float(h) - 50.0f) * 0.5f + 10.0f;
    EXPECT_EQ(linie[0], (Linia{20, int(cy), 850 - 20, int(cy), {zielony_jasny, 1}}));
    EXPECT_EQ(linie[1], (Linia{25, 5, 25, h - 50, {zielony_jasny, 1}}));
    EXPECT_EQ(linie[4], (Linia{25, 8, 25, h - 40, {czarny, 1}}));
    int kreski = 0;
    for (std::size_t k = 5; k < linie.size() && linie[k].pioro.kolor == czarny; ++k, ++kreski)
        EXPECT_EQ(linie[k], (Linia{25, 8 + 10 * kreski, 20, 13 + 10 * kreski, {czarny, 1}}));
    EXPECT_EQ(kreski, (h - 40 - 8) / 10 + 1);
}

TEST_F(Rysunek_, ForcesPointTheirWayAndAZeroForceHasNoArrow)
{
    ustaw_model(pret_trzy_elementy());
    const auto obraz = narysuj(false);
    std::vector<Linia> strzalki;
    for (const Linia& l : elementy<Linia>(obraz))
        if (l.pioro == (Pioro{zielony_jasny, 3}))
            strzalki.push_back(l);
    ASSERT_EQ(strzalki.size(), 6u); // two arrows of three strokes
    const int wezel2 = int((4.0f - 2.0f) * obraz.skala->sx + 25.0f);
    EXPECT_EQ(strzalki[0].x1, wezel2);
    EXPECT_EQ(strzalki[0].x2, int((4.0f - 2.0f) * obraz.skala->sx + 35.0f));
    EXPECT_EQ(strzalki[3].x2, int((10.0f - 2.0f) * obraz.skala->sx + 15.0f));
}

// Nodes one ulp apart, the marks' columns at pixel 25 the same, at another offset not.
TEST_F(Rysunek_, MarksOfNodesAFewUlpsApartAreAllDrawnWhereTheirPixelsDiffer)
{
    const float sciana = 0x1.ccccc8p-4f, grot = 0x1.6ffffcp+1f; // found by a search over nearby floats
    for (const float xa : {sciana, grot}) {
        OpisPreta opis = pret_trzy_elementy();
        opis.x = {0.0f, xa, std::nextafter(xa, 10.0f), 10.0f}; // 850 px wide: sx = 80
        opis.podpory = {{2, 0.0f}, {3, 0.0f}};
        opis.si = {0.0f, 5.0f, 5.0f, 0.0f};
        ustaw_model(opis);
        const auto obraz = narysuj(false);
        ASSERT_EQ(obraz.skala->sx, 80.0f);
        auto X = [&](float x, float c) { return int((x - 0.0f) * 80.0f + c); };
        ASSERT_EQ(X(opis.x[1], 25.0f), X(opis.x[2], 25.0f));
        std::set<int> konce_kresek, groty;
        for (const Linia& l : elementy<Linia>(obraz)) {
            if (l.pioro == Pioro{czarny, 1} && l.y1 == 8 && l.x1 != l.x2)
                konce_kresek.insert(l.x2);
            if (l.pioro == Pioro{zielony_jasny, 3} && l.y1 == l.y2)
                groty.insert(l.x2);
        }
        EXPECT_EQ(konce_kresek, (std::set<int>{X(opis.x[1], 20.0f), X(opis.x[2], 20.0f)}));
        EXPECT_EQ(groty, (std::set<int>{X(opis.x[1], 35.0f), X(opis.x[2], 35.0f)}));
    }
}

// ---- what a file can make ----

TEST_F(Rysunek_, NodesAtOnePointOrNoPositiveAreaDrawOnlyTheBackgroundAndKeepTheScale)
{
    OpisPreta opis = pret_trzy_elementy();
    opis.x = {3.0f, 3.0f, 3.0f, 3.0f};
    ustaw_model(opis);
    auto obraz = narysuj(true);
    EXPECT_EQ(obraz.rysunek.size(), 1u);
    EXPECT_FALSE(obraz.skala);

    opis = pret_trzy_elementy();
    opis.a = {0.0f, -1.0f, 0.0f};
    ustaw_model(opis);
    obraz = narysuj(true);
    EXPECT_EQ(obraz.rysunek.size(), 1u);
    EXPECT_FALSE(obraz.skala);
}

TEST_F(Rysunek_, NonFiniteValuesDrawSafely)
{
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    OpisPreta opis = pret_trzy_elementy();
    opis.x[2] = nan;
    opis.a[1] = inf;
    ustaw_model(opis);
    ustaw_naprezenia({nan, inf, -inf});
    const auto obraz = narysuj(true);
    EXPECT_FALSE(obraz.rysunek.empty()); // and no undefined conversion on the way (sanitizers)
    for (const std::string& e : etykiety(obraz))
        EXPECT_FALSE(e.empty());
}

TEST_F(Rysunek_, DecreasingCoordinatesStillDrawNormalisedRectangles)
{
    OpisPreta opis = pret_trzy_elementy();
    opis.x = {10.0f, 5.0f, 4.0f, 2.0f};
    ustaw_model(opis);
    const auto obraz = narysuj(false);
    ASSERT_TRUE(obraz.skala);
    EXPECT_EQ(obraz.skala->x0, 2.0f);
    for (const Prostokat& p : prostokaty_elementow(obraz)) {
        EXPECT_LE(p.lewo, p.prawo);
        EXPECT_LE(p.gora, p.dol);
    }
}

// ---- pointer read-out ----

TEST_F(Rysunek_, ReadOutShowsTheBarCoordinateWithTheLastScale)
{
    EXPECT_EQ(tekst_wspolrzednej(wspolrzedna(100)), "x=75.00"); // no model: origin 0, scale 1
    ustaw_model(pret_trzy_elementy());
    const auto obraz = narysuj(false);
    x0 = obraz.skala->x0;
    sx = obraz.skala->sx;
    EXPECT_EQ(tekst_wspolrzednej(wspolrzedna(25)), "x= 2.00");
    EXPECT_EQ(tekst_wspolrzednej(-1.0f), "x=");
    EXPECT_EQ(tekst_wspolrzednej(std::numeric_limits<float>::quiet_NaN()), "x=");
}

TEST_F(Rysunek_, PickingTakesClosedLeftOpenRightIntervalsAndTheLastMatch)
{
    OpisPreta opis = pret_trzy_elementy();
    ustaw_model(opis);
    EXPECT_EQ(element_pod(2.0f), 1);
    EXPECT_EQ(element_pod(4.0f), 2); // a node between two elements belongs to the right one
    EXPECT_EQ(element_pod(9.99f), 3);
    EXPECT_EQ(element_pod(10.0f), 0); // the last node closes no interval
    EXPECT_EQ(element_pod(1.0f), 0);

    opis.x = {0.0f, 4.0f, 1.0f, 3.0f}; // overlapping intervals: the last one wins
    ustaw_model(opis);
    EXPECT_EQ(element_pod(2.0f), 3);
    EXPECT_EQ(element_pod(3.5f), 1);
    stress[3] = -12.25f;
    EXPECT_EQ(tekst_naprezenia(2.0f), "napr=   -12.2");
    EXPECT_EQ(tekst_naprezenia(7.0f), "brak danych");
}
