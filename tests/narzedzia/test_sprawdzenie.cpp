#include "analiza_modelu.h"
#include "sprawdzenie.h"

#include <cmath>
#include <limits>
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

// What --sprawdz lists: the input, and the results where the input allows them.
std::string sprawdzenie()
{
    std::vector<Uwaga> uwagi = sprawdz_dane({});
    if (!sa_bledy(uwagi))
        for (const Uwaga& u : sprawdz_wyniki())
            uwagi.push_back(u);
    return wszystkie(uwagi);
}

bool zawiera(const std::string& t, const std::string& co) { return t.find(co) != std::string::npos; }

// Steel-like and short enough that nothing is wrong with it.
OpisPreta pret_poprawny()
{
    OpisPreta opis = pret_dwuelementowy();
    opis.e = {200000.0f, 200000.0f};
    return opis;
}

// One element from 0 to `l`, held at node 1.
OpisPreta jeden_element(float l, float a, float e, float sila_1, float sila_2)
{
    OpisPreta opis;
    opis.x = {0.0f, l};
    opis.a = {a};
    opis.e = {e};
    opis.si = {sila_1, sila_2};
    opis.podpory = {{1, 0.0f}};
    return opis;
}

using Sprawdzenie = ZModelem;

} // namespace

TEST_F(Sprawdzenie, InputFaultsNameTheirItem)
{
    OpisPreta opis = pret_jednorodny(6);
    opis.x[2] = opis.x[1]; // element 2: zero length
    opis.x[4] = 2.5f;      // element 4 runs backwards
    opis.a[2] = 0.0f;      // element 3: E·A = 0
    opis.e[5] = -1.0f;     // element 6: E·A < 0
    opis.podpory = {{1, 0.0f}, {3, 0.0f}, {1, 0.01f}, {4, 0.0f}, {4, 0.0f}, {4, 0.0f}, {4, 0.0f}, {4, 0.0f}};
    ustaw_model(opis);
    const std::vector<NaprawionaPodpora> naprawione{{2, 0}};
    const std::vector<Uwaga> uwagi = sprawdz_dane(naprawione);
    const std::string t = wszystkie(uwagi);
    EXPECT_TRUE(sa_bledy(uwagi));
    EXPECT_TRUE(zawiera(t, "B Element 2: długość zerowa (x2 = 1, x3 = 1)")) << t;
    EXPECT_TRUE(zawiera(t, "O Element 4: długość ujemna (x5 = 2.5 < x4 = 3)")) << t;
    EXPECT_TRUE(zawiera(t, "B Element 3: E·A = 0 (element nie ma sztywności)")) << t;
    EXPECT_TRUE(zawiera(t, "B Element 6: moduł Younga E = -1 < 0")) << t;
    EXPECT_TRUE(zawiera(t, "O Podpora 2: w pliku węzeł 0 spoza 1..7; przyjęto węzeł 1")) << t;
    EXPECT_TRUE(zawiera(t, "O Węzeł 1: 2 podpory (1, 3) z wymuszeniami 0, 0.01")) << t;
    EXPECT_TRUE(zawiera(t, "O Węzeł 4: 5 podpór (4, 5, 6, 7, 8)")) << t;
}

// Two negatives make a positive E·A, and a bar pulled apart that shows compression.
TEST_F(Sprawdzenie, ANegativeAreaOrModulusIsAnErrorThatTheWindowShowsToo)
{
    OpisPreta opis = jeden_element(1.0f, -1.0f, -200000.0f, 0.0f, 1000.0f);
    przelicz_model(opis);
    ASSERT_EQ(stress[1], -1000.0f);
    EXPECT_EQ(wszystkie(usterki_falszujace_wyniki({})),
              "B Element 1: pole przekroju A = -1 < 0\nB Element 1: moduł Younga E = -200000 < 0\n");
    przelicz_model(jeden_element(1.0f, 1.0f, 200000.0f, 0.0f, 1000.0f));
    EXPECT_EQ(sprawdzenie(), "");
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

TEST_F(Sprawdzenie, AStiffElementWarnsThatTheSupportsGiveAndSaysByHowMuch)
{
    OpisPreta opis = pret_poprawny();
    opis.e[1] = 2.0e8f; // E·A/L = 2e8 / 2 * 2 = 2e8
    ustaw_model(opis);
    EXPECT_TRUE(zawiera(wszystkie(sprawdz_dane({})), "O Element 2: E·A/L = 2e+08 jest tylko 50 razy mniejsze"));
    opis.e[1] = 1.0e17f;
    ustaw_model(opis);
    EXPECT_TRUE(zawiera(wszystkie(sprawdz_dane({})), "O Element 2: E·A/L = 1e+17 jest 1e+07 razy większe"));
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

// Float noise on results that are exactly 0 is judged against what the loads
// make of the bar, not against the noise itself; a long cantilever does lose
// its stresses.
TEST_F(Sprawdzenie, FloatsTooCoarseAreFlaggedAgainstTheModelsOwnScale)
{
    OpisPreta wydluzenie = jeden_element(1.0f, 100.0f, 1000.0f, 0.0f, 0.0f); // heated, free to expand
    wydluzenie.alp = {1e-5f};
    wydluzenie.dt = {10.0f};
    for (const OpisPreta& opis : {wydluzenie, jeden_element(100.0f, 10.0f, 200000.0f, -50.0f, 0.0f)}) {
        przelicz_model(opis);
        EXPECT_EQ(sprawdzenie(), "");
    }
    auto lancuch = [](int n) {
        OpisPreta opis = pret_jednorodny(n);
        opis.e.assign(std::size_t(n), 1.0e6f); // small strains: only the resolution can be at fault
        return opis;
    };
    przelicz_model(lancuch(100));
    EXPECT_EQ(sprawdzenie(), "");
    przelicz_model(lancuch(100000));
    EXPECT_TRUE(zawiera(sprawdzenie(), "model jest zbyt długi i smukły dla liczb pojedynczej precyzji"));
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

// Every model whose results are not finite is told why, by --sprawdz and by
// the window alike; one just inside float's range is not.
TEST_F(Sprawdzenie, ResultsBeyondFloatsRangeAreErrorsThatNameTheirCause)
{
    const float podnormalna = std::numeric_limits<float>::denorm_min();
    OpisPreta cieplo = jeden_element(1.0f, 1.0f, 3e38f, 0.0f, 0.0f);
    OpisPreta wymuszenie = jeden_element(1.0f, 1.0f, 1.0f, 0.0f, 0.0f);
    cieplo.alp = {1.0f};
    cieplo.dt = {10.0f};
    wymuszenie.podpory = {{1, 1e30f}};
    OpisPreta zgubiona = pret_jednorodny(3), sila = pret_jednorodny(2);
    zgubiona.e = {1.0f, 1e10f, 1.0f}; // node 3: 1e10 + 1 is 1e10 in float
    sila.e = {1.0f, 1.0f};
    sila.si = {0.0f, 0.0f, 3e38f};
    OpisPreta naprezenie = jeden_element(1.0f, 1e-30f, 1e30f, 0.0f, 1e10f);
    OpisPreta sprezyna = jeden_element(1.0f, 1.0f, 1.0f, 0.0f, 0.0f);
    sprezyna.k = {0.0f, std::numeric_limits<float>::infinity()}; // its force is inf·0
    const struct {
        OpisPreta opis;
        const char* przyczyna; // nullptr: finite results, no error
    } przypadki[] = {
        {jeden_element(podnormalna, 1.0f, 1.0f, 0.0f, 0.0f),
         "Element 1: E·A/L = 1 / 1.4013e-45 = 7.13624e+44 przekracza zakres liczb pojedynczej precyzji"},
        {jeden_element(1.0f, 10.0f, 3e38f, 0.0f, 0.0f), "Element 1: E·A/L = 3e+39 / 1 = 3e+39 przekracza zakres"},
        {cieplo, "Element 1: siła termiczna E·A·α·ΔT = 3e+39 przekracza zakres"},
        {wymuszenie, "Węzeł 1: obciążenie (siła, siły termiczne i obciążenia ciągłe elementów przy węźle, kara "
                    "razy wymuszenie"},
        {zgubiona, "Węzeł 3: eliminacja w liczbach pojedynczej precyzji zostawia węzłowi sztywność 0 zamiast "
                   "dodatniej: sztywności E·A/L elementów 2 i 3 (1e+10 i 1)"},
        {sila, "Węzeł 3: przemieszczenie przekracza zakres liczb pojedynczej precyzji (do 3.4e+38): siły są"},
        {naprezenie, "Element 1: naprężenie E·(ε − α·ΔT) = 1e+40 przekracza zakres"},
        {sprezyna, "Węzeł 2: sztywność sprężyny k nie jest liczbą skończoną (inf)"},
        {jeden_element(1e-38f, 1.0f, 1e-30f, 0.0f, 1.0f), nullptr},
        {jeden_element(1.0f, 1.0f, 1.0f, 0.0f, 3e38f), nullptr},
    };
    for (const auto& p : przypadki) {
        przelicz_model(p.opis);
        const std::string t = sprawdzenie(), okno = wszystkie(przyczyny_wynikow_nieliczbowych());
        EXPECT_EQ(wynik_nieliczbowy().has_value(), p.przyczyna != nullptr) << t;
        if (p.przyczyna) {
            EXPECT_TRUE(zawiera(t, std::string("B ") + p.przyczyna)) << t;
            EXPECT_TRUE(zawiera(okno, std::string("B ") + p.przyczyna)) << okno;
        } else
            EXPECT_FALSE(zawiera(t + okno, "B ")) << t;
    }
}
