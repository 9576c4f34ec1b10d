#include "analiza.h"
#include "arytmetyka.h"
#include "model.h"
#include "pret.h"
#include "wzorzec.h"

#include <gtest/gtest.h>

#if defined(__x86_64__)
#include <xmmintrin.h>
#endif

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace {

class Analiza : public ::testing::Test {
protected:
    void TearDown() override { usun_model(); }
};

void analizuj()
{
    Macierze();
    Oblicz();
}

std::uint32_t bity(float v) { return std::bit_cast<std::uint32_t>(v); }

// One element from 0 to 1 (A = 1, so E is its stiffness), one support, two forces.
OpisPreta jeden_element(float e, int podpora, float f1, float f2)
{
    OpisPreta opis;
    opis.x = {0.0f, 1.0f};
    opis.a = {1.0f};
    opis.e = {e};
    opis.si = {f1, f2};
    opis.podpory = {{podpora, 0.0f}};
    return opis;
}

bool identyczne_bity(const float* p, const float* q, int n)
{
    return std::memcmp(p + 1, q + 1, sizeof(float) * std::size_t(n)) == 0;
}

} // namespace

// ---- bit-for-bit agreement with the general banded loops ----

namespace {

// Runs the production analysis on the globals and the reference loops on a
// copy; true when displacements, stresses and reactions agree bit for bit.
::testing::AssertionResult zgodne_z_wzorcem(const OpisPreta& opis)
{
    ustaw_model(opis);
    analizuj();
    Tablice wzor = zbuduj_tablice(opis);
    float kara = 0.0f;
    macierze_wzorcowe(wzor, kara);
    oblicz_wzorcowe(wzor, kara);
    const bool zgodne = identyczne_bity(f, wzor.f, il_wezl) && identyczne_bity(stress, wzor.stress, il_elem) &&
                        identyczne_bity(react, wzor.react, il_podpor);
    zwolnij_tablice(wzor);
    if (zgodne)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "differs from the reference for " << il_elem << " elements";
}

} // namespace

TEST_F(Analiza, AgreesBitForBitWithTheGeneralBandLoopsOnRandomBars)
{
    std::mt19937 los(2024);
    for (int proba = 0; proba < 60; ++proba) {
        const int n = std::uniform_int_distribution<int>(1, 3000)(los);
        const int co_ile = std::uniform_int_distribution<int>(2, 1200)(los);
        OpisPreta opis = pret_losowy(n, co_ile, los);
        // A third with distributed loads, a third with springs, some of each zero.
        std::uniform_real_distribution<float> wartosc(-5.0f, 5.0f);
        if (proba % 3 == 1)
            for (int i = 0; i < n; ++i)
                opis.q.push_back(i % 4 ? wartosc(los) : 0.0f);
        if (proba % 3 == 2)
            for (int j = 0; j <= n; ++j)
                opis.k.push_back(j % 5 ? 0.0f : 100.0f + wartosc(los));
        EXPECT_TRUE(zgodne_z_wzorcem(opis));
    }
}

// Loads and springs that are all zero are none: the bits of a model that has
// neither. A bar held by springs alone stands.
TEST_F(Analiza, ZeroLoadsAndSpringsChangeNoBitAndSpringsAloneHoldABar)
{
    std::mt19937 los(7);
    OpisPreta opis = pret_losowy(50, 7, los);
    opis.si[3] = -0.0f;
    ustaw_model(opis);
    analizuj();
    const std::vector<float> bez(f + 1, f + il_wezl + 1);
    opis.q.assign(50, 0.0f);
    opis.k.assign(51, -0.0f);
    ustaw_model(opis);
    analizuj();
    EXPECT_TRUE(identyczne_bity(f, bez.data() - 1, il_wezl));

    OpisPreta sprezyny = pret_jednorodny(2); // E·A/L = 100, 10 at node 3
    sprezyny.podpory.clear();
    sprezyny.k = {50.0f, 0.0f, 50.0f};
    ustaw_model(sprezyny);
    analizuj();
    // Node 3 on its spring (50) and on the bar (2 elements: 50) in series with
    // node 1's spring (50): 75 in all, u3 = 10/75; the bar carries 25·u3.
    EXPECT_NEAR(f[3], 10.0 / 75, 1e-7);
    EXPECT_NEAR(f[1], 10.0 / 150, 1e-7);
    EXPECT_NEAR(stress[1], 10.0 / 3, 1e-5);
}

// u(x) = d·x/L + q·x·(L − x)/(2·E·A) between two held ends, whatever the heat;
// σ(x) = E·(u'(x) − α·ΔT), so the element's value is σ at its middle.
TEST_F(Analiza, ADistributedLoadWithHeatAndAPrescribedEndGivesTheClosedForm)
{
    OpisPreta opis;
    opis.x = {0.0f, 0.5f, 1.0f, 1.5f, 2.0f};
    opis.a.assign(4, 2.0f);
    opis.e.assign(4, 100.0f);
    opis.alp.assign(4, 0.001f);
    opis.dt.assign(4, 10.0f);
    opis.q.assign(4, 3.0f);
    opis.podpory = {{1, 0.0f}, {5, 0.05f}};
    ustaw_model(opis);
    analizuj();
    const auto u_dokladne = [](double x) { return 0.05 * x / 2 + 3 * x * (2 - x) / 400; };
    const auto sigma = [](double x) { return 100 * (0.025 + 3 * (2 - 2 * x) / 400 - 0.01); };
    for (int j = 1; j <= 5; ++j)
        EXPECT_NEAR(f[j], u_dokladne(x[j]), 2e-8) << j;
    for (int i = 1; i <= 4; ++i)
        EXPECT_NEAR(stress[i], sigma((x[i] + x[i + 1]) / 2), 2e-5) << i;
    EXPECT_NEAR(react[1], -2 * sigma(0), 2e-4);
    EXPECT_NEAR(react[2], 2 * sigma(2), 2e-4);
}

TEST_F(Analiza, AgreesBitForBitOnSignedZerosAndValuesOnlyAFileCanHold)
{
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float podnormalna = std::numeric_limits<float>::denorm_min();

    OpisPreta bez_obciazen = pret_jednorodny(6); // every displacement exactly zero
    bez_obciazen.si.assign(7, -0.0f);
    bez_obciazen.dt.assign(6, -0.0f);
    bez_obciazen.alp.assign(6, 0.0f);
    EXPECT_TRUE(zgodne_z_wzorcem(bez_obciazen));

    OpisPreta zerowa_dlugosc = pret_jednorodny(4);
    zerowa_dlugosc.x[2] = zerowa_dlugosc.x[1];
    EXPECT_TRUE(zgodne_z_wzorcem(zerowa_dlugosc));

    OpisPreta zerowa_sztywnosc = pret_jednorodny(4);
    zerowa_sztywnosc.e[3] = 0.0f;
    zerowa_sztywnosc.a[0] = -2.0f;
    EXPECT_TRUE(zgodne_z_wzorcem(zerowa_sztywnosc));

    OpisPreta nieskonczonosci = pret_jednorodny(5);
    nieskonczonosci.alp.assign(5, 1e-5f);
    nieskonczonosci.dt = {1.0f, inf, -3.0f, nan, podnormalna};
    nieskonczonosci.e[4] = podnormalna;
    EXPECT_TRUE(zgodne_z_wzorcem(nieskonczonosci));

    OpisPreta malejace = pret_jednorodny(5); // thermal loads turn with the element's direction
    for (float& xj : malejace.x)
        xj = -xj;
    malejace.alp.assign(5, 0.5f);
    malejace.dt = {4.0f, -2.0f, 0.0f, 1.0f, 3.0f};
    malejace.podpory = {{6, 0.01f}, {2, -0.0f}, {2, 0.0f}, {1, 0.5f}};
    EXPECT_TRUE(zgodne_z_wzorcem(malejace));

    OpisPreta wiecej_podpor_niz_wezlow = jeden_element(10.0f, 1, 0.0f, 6.0f); // each support has a reaction
    wiecej_podpor_niz_wezlow.podpory = {{1, 0.0f}, {1, 0.0f}, {2, 0.0f}};
    EXPECT_TRUE(zgodne_z_wzorcem(wiecej_podpor_niz_wezlow));
}


// Row 1 of the back substitution as the reference takes it: t / s[1][1] with
// t = f[1] - s[1][2]·f[2]; the premises below are the reference's numbers.
struct PierwszyWiersz {
    double t, d;
};

PierwszyWiersz podstawienie_wiersza_1(const OpisPreta& opis)
{
    Tablice wzor = zbuduj_tablice(opis);
    float kara = 0.0f;
    macierze_wzorcowe(wzor, kara);
    const float d = wzor.s[1][1], s12 = wzor.s[1][2], f1 = wzor.f[1];
    oblicz_wzorcowe(wzor, kara);
    const PierwszyWiersz w{double(f1) - double(s12 * wzor.f[2]), d};
    zwolnij_tablice(wzor);
    return w;
}

// The fast sweeps guess and check; these bars (found by a search over nearby
// floats) are where a guess is wrong, so the exact step must be taken.
TEST_F(Analiza, WhereAFastGuessIsWrongTheExactStepIsTakenAndBitsAgree)
{
    // Elimination: the fused multiply-add lands beside the double-rounded value
    // (2^30 + 64 + a sliver: one rounding goes up, two round to even).
    const OpisPreta fma = jeden_element(100646.0f, 1, 6358985.0f, 1073741824.0f);
    Tablice wzor = zbuduj_tablice(fma);
    float kara = 0.0f;
    macierze_wzorcowe(wzor, kara);
    const float c = float(double(wzor.s[1][2]) / wzor.s[1][1]);
    ASSERT_NE(bity(std::fma(-c, wzor.f[1], wzor.f[2])), bity(float(double(wzor.f[2]) - double(c) * wzor.f[1])))
        << "the bar no longer makes the guess wrong";
    zwolnij_tablice(wzor);
    EXPECT_TRUE(zgodne_z_wzorcem(fma));

    // Back substitution: the product with the reciprocal lies a double ulp
    // beside the quotient, across a float midpoint: once among normal floats,
    // once in the sub-normal binade just below FLT_MIN, where a float keeps
    // one bit less and its midpoints lie elsewhere.
    OpisPreta podnormalny = jeden_element(1.0f, 1, 0x1.d5a5a2p-93f, 0x1.b1676ap-122f);
    podnormalny.podpory = {{1, 0.0f}, {1, 0.0f}, {1, 0.0f}}; // a pivot of 3e10
    for (const OpisPreta& opis : {jeden_element(300.000641f, 2, 300000.656f, -507519.094f), podnormalny}) {
        const auto [t, d] = podstawienie_wiersza_1(opis);
        ASSERT_NE(bity(float(t * (1.0 / d))), bity(float(t / d))) << "the quotient is no longer by a midpoint";
        EXPECT_TRUE(zgodne_z_wzorcem(opis));
    }
    const PierwszyWiersz p = podstawienie_wiersza_1(podnormalny);
    EXPECT_LT(std::fabs(p.t / p.d), std::numeric_limits<float>::min());
}

// The caller's floating-point environment is not the analysis's: rounding
// down and x86's flushing of subnormals would change the results.
TEST_F(Analiza, TheCallersRoundingAndFlushingChangeNoBitAndAreGivenBack)
{
    std::mt19937 los(7);
    OpisPreta podnormalne = pret_jednorodny(5);
    podnormalne.alp.assign(5, 1e-5f);
    podnormalne.dt = {1.0f, 1e-40f, -3.0f, 2e-39f, 1.0f};
    podnormalne.e[4] = std::numeric_limits<float>::denorm_min();
    for (const OpisPreta& opis : {pret_losowy(500, 50, los), podnormalne}) {
        Tablice wzor = zbuduj_tablice(opis);
        float kara = 0.0f;
        macierze_wzorcowe(wzor, kara);
        oblicz_wzorcowe(wzor, kara);
        ustaw_model(opis);
        std::fesetround(FE_DOWNWARD);
#if defined(__x86_64__)
        const unsigned mxcsr = _mm_getcsr();
        _mm_setcsr(mxcsr | 0x8040);
#endif
        analizuj();
        EXPECT_EQ(std::fegetround(), FE_DOWNWARD);
#if defined(__x86_64__)
        EXPECT_EQ(_mm_getcsr() & 0x8040, 0x8040u);
        _mm_setcsr(mxcsr);
#endif
        std::fesetround(FE_TONEAREST);
        EXPECT_TRUE(identyczne_bity(f, wzor.f, il_wezl) && identyczne_bity(stress, wzor.stress, il_elem));
        zwolnij_tablice(wzor);
    }
}
