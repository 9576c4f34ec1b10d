#include "analiza_modelu.h"
#include "sprawdzenie.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

std::string wszystkie(const std::vector<Uwaga>& uwagi)
{
    std::string t;
    for (const Uwaga& u : uwagi)
        t += (u.waga == Waga::blad ? "B " : "O ") + u.tekst + "\n";
    return t;
}

bool zawiera(const std::string& t, const std::string& co) { return t.find(co) != std::string::npos; }

// Steel-like and short enough that nothing is wrong with it.
OpisPreta pret_poprawny()
{
    OpisPreta opis = pret_dwuelementowy();
    opis.e = {200000.0f, 200000.0f};
    return opis;
}

using Sprawdzenie = ZModelem;

} // namespace

TEST_F(Sprawdzenie, InputFaultsNameTheirItem)
{
    OpisPreta opis = pret_jednorodny(6);
    opis.x[2] = opis.x[1];          // element 2: zero length
    opis.x[4] = 2.5f;               // element 4 runs backwards
    opis.e[5] = -1.0f;              // element 6: E·A < 0
    opis.podpory = {{1, 0.0f}, {3, 0.0f}, {1, 0.01f}, {4, 0.0f}, {4, 0.0f}, {4, 0.0f}, {4, 0.0f}, {4, 0.0f}};
    ustaw_model(opis);
    const std::vector<NaprawionaPodpora> naprawione{{2, 0}};
    const std::vector<Uwaga> uwagi = sprawdz_dane(naprawione);
    const std::string t = wszystkie(uwagi);
    EXPECT_TRUE(sa_bledy(uwagi));
    EXPECT_TRUE(zawiera(t, "B Element 2: długość zerowa (x2 = 1, x3 = 1)")) << t;
    EXPECT_TRUE(zawiera(t, "O Element 4: długość ujemna (x5 = 2.5 < x4 = 3)")) << t;
    EXPECT_TRUE(zawiera(t, "B Element 6: E·A = -1 ≤ 0")) << t;
    EXPECT_TRUE(zawiera(t, "O Podpora 2: w pliku węzeł 0 spoza 1..7; przyjęto węzeł 1")) << t;
    EXPECT_TRUE(zawiera(t, "O Węzeł 1: 2 podpory (1, 3) z wymuszeniami 0, 0.01")) << t;
    EXPECT_TRUE(zawiera(t, "O Węzeł 4: 5 podpór (4, 5, 6, 7, 8)")) << t;
}

TEST_F(Sprawdzenie, NonFiniteInputIsAnErrorAndStopsTheGeometryChecks)
{
    OpisPreta opis = pret_poprawny();
    opis.a[1] = NAN;
    opis.si[2] = INFINITY;
    opis.x[1] = opis.x[0]; // not reported while the data are not finite
    ustaw_model(opis);
    const std::string t = wszystkie(sprawdz_dane({}));
    EXPECT_TRUE(zawiera(t, "B Element 2: pole przekroju A nie jest liczbą skończoną (nan)")) << t;
    EXPECT_TRUE(zawiera(t, "B Węzeł 3: siła nie jest liczbą skończoną (inf)")) << t;
    EXPECT_FALSE(zawiera(t, "długość")) << t;
}

TEST_F(Sprawdzenie, OnlyTheFirstFewOfAKindAreNamed)
{
    OpisPreta opis = pret_jednorodny(20);
    for (float& v : opis.x)
        v = 1.0f;
    ustaw_model(opis);
    const std::vector<Uwaga> uwagi = sprawdz_dane({});
    ASSERT_EQ(uwagi.size(), std::size_t(najwiecej_wymienionych) + 1);
    EXPECT_EQ(uwagi.back().tekst, "… i dalsze (15): elementy o długości zerowej");
}

TEST_F(Sprawdzenie, AStiffElementWarnsThatTheSupportsGive)
{
    OpisPreta opis = pret_poprawny();
    opis.e[1] = 2.0e8f; // E·A/L = 2e8 / 2 * 2 = 2e8
    ustaw_model(opis);
    const std::string t = wszystkie(sprawdz_dane({}));
    EXPECT_TRUE(zawiera(t, "O Element 2: E·A/L = 2e+08 jest tylko 50 razy mniejsze od kary 1e10")) << t;
    opis.e[1] = 4.9e7f;
    ustaw_model(opis);
    EXPECT_EQ(wszystkie(sprawdz_dane({})), "");
}

TEST_F(Sprawdzenie, StrainsAboveOnePerCentAreFlagged)
{
    przelicz_model(pret_dwuelementowy()); // E = 100: strains of 10 % and 5 %
    const std::string t = wszystkie(sprawdz_wyniki());
    EXPECT_TRUE(zawiera(t, "O Element 1: odkształcenie 10 % przekracza 1 %")) << t;
    EXPECT_TRUE(zawiera(t, "O Element 2: odkształcenie 5 % przekracza 1 %")) << t;
    przelicz_model(pret_ogrzany_miedzy_scianami()); // mechanical strain 0.1 %: fine
    EXPECT_EQ(wszystkie(sprawdz_wyniki()), "");
}

TEST_F(Sprawdzenie, AChainTooLongForFloatsIsFlagged)
{
    auto lancuch = [](int n) {
        OpisPreta opis = pret_jednorodny(n);
        opis.e.assign(std::size_t(n), 1.0e6f); // small strains: only the resolution can be at fault
        return opis;
    };
    przelicz_model(lancuch(100));
    EXPECT_EQ(wszystkie(sprawdz_wyniki()), "");
    przelicz_model(lancuch(3000));
    const std::string t = wszystkie(sprawdz_wyniki());
    EXPECT_TRUE(zawiera(t, "model jest zbyt długi i smukły dla liczb pojedynczej precyzji")) << t;
}

TEST_F(Sprawdzenie, ACoarseReactionAtADisplacedSupportIsFlagged)
{
    OpisPreta opis = pret_jednorodny(2);
    opis.si = {0.0f, 0.0f, 0.0f};
    opis.podpory = {{1, 0.0f}, {3, 0.02f}}; // reaction 1; floats near 0.02 are 1.9e-9 apart
    przelicz_model(opis);
    const std::string t = wszystkie(sprawdz_wyniki());
    EXPECT_TRUE(zawiera(t, "O Podpora 2 (węzeł 3): reakcja ")) << t;
    EXPECT_TRUE(zawiera(t, " jest znana tylko z dokładnością ±18.6 (przemieszczenie węzła 0.02 ")) << t;
    EXPECT_FALSE(zawiera(t, "Podpora 1 ")) << t;
}
