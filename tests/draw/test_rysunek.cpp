#include "elementy.h"
#include "model.h"
#include "odczyt.h"
#include "pret.h"
#include "rysunek.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>

namespace {

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

class Rysunek_ : public ::testing::Test {
protected:
    void SetUp() override
    {
        Pasek_kol(knapr);
        ustaw_model(pret_trzy_elementy());
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
    return elementy<T>(o.rysunek);
}

// The element rectangles, along the axis row.
std::vector<Prostokat> prostokaty_elementow(const ObrazWidoku& o)
{
    const auto na_osi = elementy<ProstokatyNaOsi>(o);
    return na_osi.empty() ? std::vector<Prostokat>{} : na_osi.front().prostokaty;
}

std::vector<std::string> etykiety(const ObrazWidoku& o) { return napisy(o.rysunek); }

} // namespace

// ---- coordinates ----

// 850 x 650: x 2..10 over columns 25..825 (100 a unit), areas up to 4 over
// rows 10..610 about the axis at 310.
TEST_F(Rysunek_, NodesAndAreasFollowTheScale)
{
    const auto obraz = narysuj(false, 1, 850, 650);
    ASSERT_TRUE(obraz.skala);
    EXPECT_EQ(obraz.skala->x0, 2.0f);
    EXPECT_EQ(obraz.skala->sx, 100.0f);
    const auto p = prostokaty_elementow(obraz);
    ASSERT_EQ(p.size(), 3u);
    const int oczekiwane[3][4] = {{25, 235, 225, 385}, {225, 160, 325, 460}, {325, 10, 825, 610}};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ((std::array{p[i].lewo, p[i].gora, p[i].prawo, p[i].dol}),
                  (std::array{oczekiwane[i][0], oczekiwane[i][1], oczekiwane[i][2], oczekiwane[i][3]}));
}

TEST_F(Rysunek_, TooSmallAWindowOrABarWithNoExtentDrawsOnlyTheBackground)
{
    for (auto [w, h] : {std::pair{150, 400}, std::pair{400, 150}, std::pair{151, 151}}) {
        const auto obraz = narysuj(true, 1, w, h);
        const bool tylko_tlo = obraz.rysunek.size() == 1;
        EXPECT_EQ(tylko_tlo, w <= 150 || h <= 150) << w << "x" << h;
        EXPECT_EQ(bool(obraz.skala), !tylko_tlo);
    }
    const auto obraz = narysuj(false, 1, 150, 400);
    EXPECT_EQ(std::get<Prostokat>(obraz.rysunek[0]), (Prostokat{0, 0, 150, 400, {bialy, 1}, bialy}));

    OpisPreta w_punkcie = pret_trzy_elementy(), bez_pola = pret_trzy_elementy(); // what a file can make
    w_punkcie.x = {3.0f, 3.0f, 3.0f, 3.0f};
    bez_pola.a = {0.0f, -1.0f, 0.0f};
    for (const OpisPreta& opis : {w_punkcie, bez_pola}) {
        ustaw_model(opis);
        const auto tlo = narysuj(true);
        EXPECT_EQ(tlo.rysunek.size(), 1u);
        EXPECT_FALSE(tlo.skala);
    }
}

// ---- flags ----

// Without stresses: white, grey outlines, no legend. With them: their colour,
// outlined grey or in their own colour.
TEST_F(Rysunek_, ElementsAreFilledAndOutlinedAsTheSwitchesSay)
{
    const auto bez = narysuj(false);
    EXPECT_TRUE(etykiety(bez).empty());
    ustaw_naprezenia({10.0f, 0.0f, -10.0f}); // indices 0, 100, 200
    const Kolor kolory[] = {rgb(105, 0, 0), rgb(0, 107, 0), rgb(0, 150, 242)};
    const auto szare = prostokaty_elementow(narysuj(true, 1)), wlasne = prostokaty_elementow(narysuj(true, 0));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(prostokaty_elementow(bez)[i].pioro, (Pioro{szary, 2}));
        EXPECT_EQ(prostokaty_elementow(bez)[i].wypelnienie, bialy);
        EXPECT_EQ(szare[i].pioro, (Pioro{szary, 2}));
        EXPECT_EQ(szare[i].wypelnienie, kolory[i]);
        EXPECT_EQ(wlasne[i].pioro, (Pioro{kolory[i], 1}));
    }
}

// ---- legend ----

// 850 wide: 200 cells of 4 pixels from column 25.
TEST_F(Rysunek_, LegendHas200CellsInTheirOwnColoursAndItsTwoLines)
{
    const auto obraz = narysuj(true, 1, 850, 650);
    const auto p = elementy<Prostokat>(obraz);
    for (int i = 1; i <= 200; ++i)
        EXPECT_EQ(p[std::size_t(i)], (Prostokat{21 + 4 * i, 641, 25 + 4 * i, 648, {knapr[i], 1}, knapr[i]}));
    const auto linie = elementy<Linia>(obraz);
    EXPECT_EQ(linie[0], (Linia{25, 649, 825, 649, {czarny, 1}}));
    EXPECT_EQ(linie[1], (Linia{25, 640, 825, 640, {czarny, 1}}));
}

// Labels under cells 1, 25, ..., 200 take their formats from their values
// (the first from cell 199's). The scale's bottom is 0 in pure tension; equal
// stresses, and stresses the legend cannot tell apart, raise it by one and
// all get the darkest red.
TEST_F(Rysunek_, LabelFormatsFollowTheirValuesAndTheScalesEnds)
{
    ustaw_naprezenia({-1.0f, 39.0f, 0.0f}); // an = -1, ss = 5: label i shows -1 + (200 - i) / 5
    EXPECT_EQ(etykiety(narysuj(true)), (std::vector<std::string>{"39.00", "34.00", "29.00", "24.00", "19.00",
                                                                  "14.00", "9.0000", "4.0000", "-1.0000"}));
    const float c = -20.0f;
    const struct {
        std::initializer_list<float> naprezenia;
        std::size_t etykieta;
        const char* tekst;
        bool rowne;
    } przypadki[] = {{{-0.5f, 39.5f, 0.0f}, 6, "9.50", false},  // label 150 is 9.5
                     {{1600.0f, 0.0f, 0.0f}, 3, "  1000", false}, // ss = 1/8: label 75 is 1000
                     {{1600.0f, 0.0f, 0.0f}, 4, "800.00", false},
                     {{4.0f, 8.0f, 2.0f}, 8, "0.0000", false},
                     {{9.02f, 1.0f, 2.0f}, 0, "9.0200", false},
                     {{0.0f, 0.0f, 0.0f}, 0, "0.0000", true},
                     {{0.0f, 0.0f, 0.0f}, 8, "1.0000", true},
                     {{-2.0e7f, -2.0e7f, -2.0e7f}, 0, nullptr, true}, // an + 1 rounds back to an
                     {{c, std::nextafter(c, 0.0f), std::nextafter(c, -100.0f)}, 0, "-20.0000", true},
                     {{c, std::nextafter(c, 0.0f), std::nextafter(c, -100.0f)}, 8, "-19.0000", true}};
    for (const auto& p : przypadki) {
        ustaw_naprezenia(p.naprezenia);
        const auto obraz = narysuj(true);
        if (p.tekst) {
            EXPECT_EQ(etykiety(obraz)[p.etykieta], p.tekst);
        }
        for (const Prostokat& e : prostokaty_elementow(obraz))
            EXPECT_TRUE(!p.rowne || e.wypelnienie == rgb(105, 0, 0)); // the darkest red
    }
}

// ---- axes, supports, forces ----

// 850 x 651: the axis at row 310.5, 100 pixels a unit from x = 2 at column 25.
TEST_F(Rysunek_, TheAxesTheSupportAndTheForcesWhereverTheyStand)
{
    const auto linie = elementy<Linia>(narysuj(false, 1, 850, 651));
    EXPECT_EQ(linie[0], (Linia{20, 310, 830, 310, {zielony_jasny, 1}}));
    EXPECT_EQ(linie[1], (Linia{25, 5, 25, 601, {zielony_jasny, 1}}));
    EXPECT_EQ(linie[4], (Linia{25, 8, 25, 611, {czarny, 1}})); // the support on the leftmost node
    int kreski = 0;
    for (std::size_t k = 5; k < linie.size() && linie[k].pioro.kolor == czarny; ++k, ++kreski)
        EXPECT_EQ(linie[k], (Linia{25, 8 + 10 * kreski, 20, 13 + 10 * kreski, {czarny, 1}}));
    EXPECT_EQ(kreski, 61); // y = 8, 18, ..., 608
    std::vector<Linia> strzalki;
    for (const Linia& l : linie)
        if (l.pioro == (Pioro{zielony_jasny, 3}))
            strzalki.push_back(l);
    ASSERT_EQ(strzalki.size(), 6u); // two arrows of three strokes; node 3's force is 0
    EXPECT_EQ(strzalki[0], (Linia{225, 310, 235, 310, {zielony_jasny, 3}})); // +5 at x = 4
    EXPECT_EQ(strzalki[1], (Linia{235, 310, 230, 305, {zielony_jasny, 3}}));
    EXPECT_EQ(strzalki[2], (Linia{235, 310, 230, 315, {zielony_jasny, 3}}));
    EXPECT_EQ(strzalki[3], (Linia{825, 310, 815, 310, {zielony_jasny, 3}})); // -5 at x = 10
}

// A run of elements loaded one way shares one row of arrows, 16 pixels apart;
// springs hang under their nodes, towards the middle. Arrays of zeros draw
// nothing, the picture of a model that has none.
TEST_F(Rysunek_, DistributedLoadsAreArrowsTheirWayAndSpringsHangUnderTheirNodes)
{
    OpisPreta opis = pret_trzy_elementy(); // columns 25, 225, 325, 825; element 3 reaches row 610
    ustaw_model(opis);
    const auto bez = narysuj(false);
    opis.q = {0.0f, 0.0f, 0.0f};
    opis.k = {0.0f, 0.0f, 0.0f, 0.0f};
    ustaw_model(opis);
    EXPECT_EQ(narysuj(false).rysunek, bez.rysunek);

    opis.q = {1.0f, 0.5f, -2.0f};
    opis.k = {0.0f, 0.0f, 5.0f, 3.0f};
    ustaw_model(opis);
    std::vector<Linia> w_prawo, w_lewo, czarne;
    for (const Linia& l : elementy<Linia>(narysuj(false))) {
        if (l.y1 == 310 && l.y2 == 310 && std::abs(l.x2 - l.x1) == 8)
            (l.x2 > l.x1 ? w_prawo : w_lewo).push_back(l);
        if (l.pioro == (Pioro{czarny, 1}) && l.y1 >= 610)
            czarne.push_back(l);
    }
    ASSERT_EQ(w_prawo.size(), 300u / 16);                           // x = 2..5
    ASSERT_EQ(w_lewo.size(), 500u / 16);                            // x = 5..10
    EXPECT_EQ(w_prawo[0], (Linia{29, 310, 37, 310, {czarny, 1}}));  // about 25 + 300 / 18 / 2
    EXPECT_EQ(w_lewo[0], (Linia{337, 310, 329, 310, {czarny, 1}})); // about 325 + 500 / 31 / 2
    const auto jest = [&czarne](Linia l) { return std::count(czarne.begin(), czarne.end(), l) == 1; };
    EXPECT_TRUE(jest({325, 610, 325, 620, {czarny, 1}})); // node 3: stem, then its wall to the right
    EXPECT_TRUE(jest({357, 613, 357, 628, {czarny, 1}}));
    EXPECT_TRUE(jest({825, 610, 825, 620, {czarny, 1}})); // node 4, the right end: to the left
    EXPECT_TRUE(jest({793, 613, 793, 628, {czarny, 1}}));
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

// ---- pointer read-out ----

TEST_F(Rysunek_, PickingTakesClosedLeftOpenRightIntervalsAndTheLastMatch)
{
    OpisPreta opis = pret_trzy_elementy();
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
