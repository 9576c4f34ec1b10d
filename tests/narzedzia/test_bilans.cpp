#include "analiza_modelu.h"
#include "bilans.h"
#include "pochodne.h"
#include "rozwiazanie_dokladne.h"

#include <cmath>
#include <string>

namespace {

using Weryfikacja = ZModelem;

bool zawiera(const std::vector<std::string>& wiersze, const std::string& co)
{
    for (const std::string& w : wiersze)
        if (w.find(co) != std::string::npos)
            return true;
    return false;
}

} // namespace

TEST_F(Weryfikacja, TheHeatedBarBetweenWallsIsOffByThePenaltyNotByPrecision)
{
    przelicz_model(pret_ogrzany_miedzy_scianami());
    const Bilans b = policz_bilans();
    ASSERT_TRUE(b.rozwiazano);
    EXPECT_EQ(b.residuum, 0.0);
    // Node by node the thermal loads take part: without them the walls' reactions would stand alone.
    EXPECT_LT(b.residuum_wezla_wzgledne, 1e-6);
    const Roznica& s = b.calkowite.naprezenia;
    EXPECT_EQ(s.gdzie, 1);
    EXPECT_NEAR(s.wzorzec, -200.0, 1e-4); // α = 0.001f
    EXPECT_NEAR(s.zenta, -199.992, 1e-3);
    EXPECT_NEAR(s.wzgledna, 4.0e-5, 1.0e-7); // 2·(E·A/L)/1e10
    EXPECT_NEAR(b.od_kary.naprezenia.wzgledna, 4.0e-5, 1.0e-7);
    EXPECT_LT(b.od_precyzji.naprezenia.wzgledna, 1.0e-6);
    EXPECT_TRUE(b.calkowite.przemieszczenia.bezwzgledna); // the exact displacements are all 0
    EXPECT_TRUE(zawiera(opisz_bilans(b), "naprężenia: największa różnica względna 4.00e-05 w elemencie 1 "
                                         "(ZENTA -199.992, dokładnie -200)"));
}

TEST_F(Weryfikacja, TheIndependentSolutionMatchesClosedForms)
{
    przelicz_model(pret_dwuelementowy());
    const Rozwiazanie w = rozwiaz_w_podwojnej(Wiezy::sztywne);
    ASSERT_TRUE(w.ok);
    EXPECT_EQ(w.przemieszczenia[1], 0.0);
    EXPECT_NEAR(w.przemieszczenia[2], 0.1, 1e-15);
    EXPECT_NEAR(w.przemieszczenia[3], 0.2, 1e-15);
    EXPECT_NEAR(w.naprezenie(1), 10.0, 1e-12);
    EXPECT_NEAR(w.naprezenie(2), 5.0, 1e-12);
    EXPECT_NEAR(w.reakcja(1), -10.0, 1e-12);
    const Rozwiazanie k = rozwiaz_w_podwojnej(Wiezy::kara);
    ASSERT_TRUE(k.ok);
    EXPECT_NEAR(k.przemieszczenia[1], 1.0e-9, 1e-15); // the spring's give: F / 1e10
    EXPECT_NEAR(k.reakcja(1), -10.0, 1e-6);

    // The same bar heated by α·ΔT = 0.01, its x decreasing: +10 at x = -3
    // compresses it, and each element grows by (σ/E + α·ΔT)·|L| towards -x.
    OpisPreta malejacy = pret_dwuelementowy();
    malejacy.x = {0.0f, -1.0f, -3.0f};
    malejacy.alp = {0.001f, 0.001f};
    malejacy.dt = {10.0f, 10.0f};
    przelicz_model(malejacy);
    const Rozwiazanie m = rozwiaz_w_podwojnej(Wiezy::sztywne);
    ASSERT_TRUE(m.ok);
    EXPECT_NEAR(m.przemieszczenia[2], 0.09, 1e-8); // -(-0.1 + 0.01)·1 (0.001f is not 0.001)
    EXPECT_NEAR(m.przemieszczenia[3], 0.17, 1e-8); // + -(-0.05 + 0.01)·2
    EXPECT_NEAR(m.naprezenie(1), -10.0, 1e-9);
    EXPECT_NEAR(m.naprezenie(2), -5.0, 1e-9);
    const WielkosciElementu h = wielkosci_elementu(2); // the analysis's: a positive length, ε split in two
    EXPECT_EQ(h.dlugosc, 2.0);
    EXPECT_NEAR(h.termiczne, 0.01, 1e-9);
    EXPECT_NEAR(h.mechaniczne, -0.05, 1e-6);
    EXPECT_NEAR(h.odksztalcenie, -0.04, 1e-6);
}

TEST_F(Weryfikacja, APrescribedDisplacementIsHeldExactlyAndItsCoarseReactionsExplained)
{
    OpisPreta opis = pret_jednorodny(2); // A = 1, E = 100, x = 0, 1, 2, force 10 at node 3
    opis.si = {0.0f, 0.0f, 0.0f};
    opis.podpory = {{1, 0.0f}, {3, 0.02f}, {3, 0.02f}};
    przelicz_model(opis);
    const Rozwiazanie w = rozwiaz_w_podwojnej(Wiezy::sztywne);
    ASSERT_TRUE(w.ok);
    EXPECT_EQ(w.przemieszczenia[3], double(0.02f));
    EXPECT_NEAR(w.przemieszczenia[2], 0.01, 1e-9);
    EXPECT_NEAR(w.reakcja(1), -1.0, 1e-6);
    EXPECT_NEAR(w.reakcja(2), 0.5, 1e-6); // the node's +1 shared by its two supports
    EXPECT_NEAR(w.reakcja(3), 0.5, 1e-6);
    // (0.02 - u3)·1e10 in floats: the spacing of floats near 0.02 times 1e10 is
    // about 19, so the analysis cannot resolve a reaction of 0.5.
    const Bilans b = policz_bilans();
    EXPECT_GT(b.calkowite.reakcje.wzgledna, 0.1);
    EXPECT_GT(b.od_precyzji.reakcje.wzgledna, 0.1);
    EXPECT_LT(b.od_kary.reakcje.wzgledna, 1e-6);
    EXPECT_GT(std::fabs(b.residuum), 0.1);
}

TEST_F(Weryfikacja, AWrongResultShowsInTheResidualsAndAtItsNode)
{
    przelicz_model(pret_dwuelementowy());
    react[1] += 0.5f; // as if a reaction were wrong
    Bilans b = policz_bilans();
    EXPECT_DOUBLE_EQ(b.suma_sil, 10.0);
    EXPECT_DOUBLE_EQ(b.suma_reakcji, -9.5);
    EXPECT_DOUBLE_EQ(b.residuum, 0.5);
    EXPECT_DOUBLE_EQ(b.residuum_wzgledne, 0.5 / 19.5);
    EXPECT_EQ(b.wezel, 1);
    EXPECT_NEAR(b.residuum_wezla, -0.5, 1e-6);
    EXPECT_EQ(b.calkowite.reakcje.gdzie, 1);
    EXPECT_NEAR(b.calkowite.reakcje.wzgledna, 0.05, 1e-6);
    react[1] -= 0.5f;
    f[2] += 0.01f; // a displacement off: the whole bar still balances, its nodes do not
    b = policz_bilans();
    EXPECT_NEAR(b.residuum, 0.0, 1e-9);
    EXPECT_EQ(b.wezel, 2); // both its elements pull it back: (100 + 100)·0.01
    EXPECT_NEAR(b.residuum_wezla, 2.0, 1e-5);
}

TEST_F(Weryfikacja, ASingularBarIsReportedNotSolved)
{
    OpisPreta opis = pret_dwuelementowy();
    opis.e[1] = 0.0f; // node 3 hangs free
    przelicz_model(opis);
    EXPECT_FALSE(rozwiaz_w_podwojnej(Wiezy::sztywne).ok);
    const Bilans b = policz_bilans();
    EXPECT_FALSE(b.rozwiazano);
    EXPECT_TRUE(zawiera(opisz_bilans(b), "Rozwiązania niezależnego nie udało się wyznaczyć"));
}
