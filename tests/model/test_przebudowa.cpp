// Changing the bar's structure: every change and its inverse give back the
// model bit for bit, supports and springs stay on their nodes, and the
// analysis of a split bar agrees with the bar it was.

#include "analiza.h"
#include "model.h"
#include "pret.h"
#include "przebudowa.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

// The input of the held model as bytes, counts first.
std::string obraz()
{
    std::string b;
    const auto dopisz = [&b](const void* p, std::size_t n) { b.append(static_cast<const char*>(p), n); };
    for (const int n : {il_elem, il_wezl, il_podpor, il_obciaz})
        dopisz(&n, sizeof n);
    const auto tablica = [&](const float* v, int n) {
        if (v)
            dopisz(v + 1, 4 * std::size_t(n));
    };
    for (const float* v : {x, si})
        tablica(v, il_wezl);
    for (const float* v : {a, e, alp, dt})
        tablica(v, il_elem);
    tablica(qx, il_elem);
    tablica(ks, il_wezl);
    tablica(u, il_podpor);
    dopisz(nu + 1, 4 * std::size_t(il_podpor));
    return b;
}

class Przebudowa : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::mt19937 los(11);
        OpisPreta opis = pret_losowy(30, 7, los);
        opis.q.assign(30, 0.0f);
        opis.q[4] = 2.0f;
        opis.k.assign(31, 0.0f);
        opis.k[30] = 50.0f;
        ustaw_model(opis);
    }
    void TearDown() override { usun_model(); }
};

} // namespace

TEST_F(Przebudowa, EveryChangeAndItsInverseGiveBackTheModelBitForBit)
{
    const std::string przed = obraz();
    const int pokolenie = pokolenie_modelu;
    const int wezel_podpory = nu[il_podpor];
    const auto w_obie_strony = [&](const char* co, const std::function<bool()>& zmiana,
                                   const std::function<bool()>& odwrotna) {
        ASSERT_TRUE(zmiana()) << co;
        EXPECT_NE(obraz(), przed) << co;
        ASSERT_TRUE(odwrotna()) << co;
        EXPECT_EQ(obraz(), przed) << co;
    };
    w_obie_strony("podział", [] { return podziel_element(5, (x[5] + x[6]) / 2); }, [] { return zlacz_w_wezle(6); });
    const DaneElementu d{3.0f, 4.0f, 0.0f, 0.0f, 1.0f};
    w_obie_strony("na początku", [&] { return dodaj_element(Koniec::poczatek, x[1] - 1, d); },
                  [] { return usun_element(Koniec::poczatek); });
    w_obie_strony("na końcu", [&] { return dodaj_element(Koniec::koniec, x[il_wezl] + 1, d); },
                  [] { return usun_element(Koniec::koniec); });
    w_obie_strony("podpora", [] { return dodaj_podpore(2, 9, 0.5f); }, [] { return usun_podpore(2); });
    w_obie_strony("zagęszczenie", [] { return podziel_kazdy(3); }, [] { return scal_czesci(3); });
    EXPECT_EQ(pokolenie_modelu, pokolenie);

    // What rides on nodes follows them.
    ASSERT_TRUE(podziel_kazdy(4));
    EXPECT_EQ(il_elem, 120);
    EXPECT_EQ(nu[il_podpor], (wezel_podpory - 1) * 4 + 1);
    EXPECT_EQ(ks[121], 50.0f);
    EXPECT_EQ(qx[17], 2.0f);
    EXPECT_EQ(qx[20], 2.0f);
    EXPECT_FALSE(podziel_kazdy(INT_MAX / 100)); // beyond what a file holds: nothing changes
    EXPECT_EQ(il_elem, 120);
}

// A node inserted where nothing acts changes no displacement of the others
// (the nodal values of a bar are exact, with or without q).
TEST_F(Przebudowa, ASplitBarHasTheDisplacementsOfTheBarItWas)
{
    Macierze();
    Oblicz();
    const std::vector<float> przed(f + 1, f + il_wezl + 1);
    ASSERT_TRUE(podziel_element(5, (x[5] + x[6]) / 2));
    Macierze();
    Oblicz();
    for (int j = 1; j <= 31; ++j)
        EXPECT_NEAR(f[j < 6 ? j : j + 1], przed[std::size_t(j - 1)], 2e-5 * std::fabs(przed[std::size_t(j - 1)]) + 1e-9)
            << j;
}
