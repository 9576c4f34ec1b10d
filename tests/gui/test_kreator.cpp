#include "swiat.h"

#include "model.h"
#include "pola_rekordu.h"
#include "wsp.h"

#include <string>

namespace {

std::string tekst(const char* pole) { return pole; }

} // namespace

// The wizard run by a scripted user: each expected dialog checks what it
// offers and types the user's texts into the record.
class Kreator : public Swiat {
public:
    void podstawowe(std::string elementy, std::string podpory, std::string sily, bool ok = true)
    {
        skrypt->oczekuj_dialogu<d_dane_pods>(3000, [=](d_dane_pods& d) {
            wpisz(d.d_il_elem, elementy);
            wpisz(d.d_il_przem, podpory);
            wpisz(d.d_il_sil, sily);
        }, ok);
    }
    void przekroj(std::string A, std::string E, std::string alf = "0", std::string dt = "0", bool ok = true)
    {
        skrypt->oczekuj_dialogu<d_dane_przek>(3010, [=](d_dane_przek& d) {
            wpisz(d.A, A);
            wpisz(d.E, E);
            wpisz(d.alf, alf);
            wpisz(d.dt, dt);
        }, ok);
    }
    void wezel(std::string x, bool ok = true)
    {
        skrypt->oczekuj_dialogu<d_wsp>(3020, [=](d_wsp& d) { wpisz(d.x, x); }, ok);
    }
    void podpora(std::string nu, std::string u, bool ok = true)
    {
        skrypt->oczekuj_dialogu<d_wymusz>(3030, [=](d_wymusz& d) {
            wpisz(d.nu, nu);
            wpisz(d.x, u);
        }, ok);
    }
    void sila(std::string nr, std::string f, bool ok = true)
    {
        skrypt->oczekuj_dialogu<d_sily>(3040, [=](d_sily& d) {
            wpisz(d.nr, nr);
            wpisz(d.f, f);
        }, ok);
    }
    // One element 0..2, A = 3, E = 10, fixed at node 1, force 6 at node 2.
    void jeden_element()
    {
        podstawowe("1", "1", "1");
        przekroj("3", "10");
        wezel("0");
        wezel("2");
        podpora("1", "0");
        sila("2", "6");
    }
};

TEST_F(Kreator, WithoutAModelItAsksNothingAndOffersTwoOneOne)
{
    skrypt->oczekuj_dialogu<d_dane_pods>(3000, [](d_dane_pods& d) {
        EXPECT_EQ(tekst(d.d_il_elem), "2");
        EXPECT_EQ(tekst(d.d_il_przem), "1");
        EXPECT_EQ(tekst(d.d_il_sil), "1");
    }, false);
    okno->polecenie(1070);
    EXPECT_TRUE(Pusty);
    EXPECT_EQ(il_elem, 2);
    EXPECT_EQ(il_podpor, 1);
    EXPECT_EQ(il_obciaz, 1);
}

TEST_F(Kreator, ACompletedWizardAnalysesTheBarOnce)
{
    jeden_element();
    okno->polecenie(1070);
    ASSERT_FALSE(Pusty);
    EXPECT_EQ(il_wezl, 2);
    EXPECT_FLOAT_EQ(f[2], 0.4f);
    EXPECT_FLOAT_EQ(stress[1], 2.0f);
    EXPECT_FLOAT_EQ(react[1], -6.0f);
    EXPECT_EQ(si[2], 6.0f);
}

TEST_F(Kreator, WithAModelItAsksFirstAndNoLeavesEverything)
{
    jeden_element();
    okno->polecenie(1070);
    const float* stare = stress;
    skrypt->oczekuj_pytania("Utworzyć nowe dane ?", "ZENTA", false);
    okno->polecenie(1070);
    EXPECT_FALSE(Pusty);
    EXPECT_EQ(stress, stare);

    skrypt->oczekuj_pytania("Utworzyć nowe dane ?", "ZENTA", true);
    podstawowe("2", "1", "1", false);
    okno->polecenie(1070);
    EXPECT_TRUE(Pusty);
}

TEST_F(Kreator, CountsOutsideTheirRulesEndSilentlyWithNoModel)
{
    for (auto [e, p, s] : {std::tuple{"0", "1", "1"}, {"1", "0", "1"}, {"1", "3", "1"}, {"1", "1", "0"}, {"", "1", "1"}}) {
        podstawowe(e, p, s);
        okno->polecenie(1070);
        EXPECT_TRUE(Pusty) << e << " " << p << " " << s;
    }
}

TEST_F(Kreator, AnElementOfferedItsDefaultsIsShownAgainUntilItsAreaIsPositive)
{
    podstawowe("1", "1", "1");
    skrypt->oczekuj_dialogu<d_dane_przek>(3010, [](d_dane_przek& d) {
        EXPECT_EQ(tekst(d.NRE), "1");
        EXPECT_EQ(tekst(d.A), "0.0");
        EXPECT_EQ(tekst(d.E), "20000000.0");
        EXPECT_EQ(tekst(d.alf), "0.0000000000");
        EXPECT_EQ(tekst(d.dt), "0.0000");
    });
    // a bad modulus with a good area: the element keeps the modulus it had
    przekroj("2", "-5", "-1", "-3");
    wezel("0");
    wezel("1");
    podpora("1", "0");
    sila("2", "1");
    okno->polecenie(1070);
    ASSERT_FALSE(Pusty);
    EXPECT_EQ(a[1], 2.0f);
    EXPECT_EQ(e[1], 20000000.0f);
    EXPECT_EQ(alp[1], 0.0f);
    EXPECT_EQ(dt[1], 0.0f);
}

TEST_F(Kreator, NodesMustStartAtZeroOrAboveAndIncrease)
{
    podstawowe("2", "1", "1");
    przekroj("1", "1");
    przekroj("1", "1");
    wezel("-1"); // refused
    wezel("0");
    wezel("0");  // not above node 1
    skrypt->oczekuj_dialogu<d_wsp>(3020, [](d_wsp& d) {
        EXPECT_EQ(tekst(d.i), "2");
        wpisz(d.x, "1.5");
    });
    wezel("1.5"); // not above node 2
    wezel("3");
    podpora("4", "0"); // beyond the last node
    podpora("0", "0");
    podpora("3", "-1"); // a negative displacement
    podpora("3", "0");
    sila("1", "5");
    okno->polecenie(1070);
    ASSERT_FALSE(Pusty);
    EXPECT_EQ(x[1], 0.0f);
    EXPECT_EQ(x[2], 1.5f);
    EXPECT_EQ(x[3], 3.0f);
    EXPECT_EQ(nu[1], 3);
}

TEST_F(Kreator, AForceGoesOnlyToTheNodeTypedInTheSameShowing)
{
    podstawowe("1", "1", "2");
    przekroj("1", "1");
    wezel("0");
    wezel("1");
    podpora("1", "0");
    sila("2", "7");
    sila("9", "3"); // the node is refused: no force is stored anywhere
    skrypt->oczekuj_dialogu<d_sily>(3040, [](d_sily& d) {
        EXPECT_EQ(tekst(d.i), "2");
        EXPECT_EQ(tekst(d.nr), "2");
        EXPECT_EQ(tekst(d.f), "7.0"); // the force already at the offered node, unchanged
        wpisz(d.nr, "1");
        wpisz(d.f, "0"); // zero is refused
    });
    sila("1", "-2");
    okno->polecenie(1070);
    ASSERT_FALSE(Pusty);
    EXPECT_EQ(si[2], 7.0f);
    EXPECT_EQ(si[1], -2.0f);
}

TEST_F(Kreator, AnulujInAnyStageLeavesNoModel)
{
    const auto etapy = std::vector<std::function<void(Kreator&)>>{
        [](Kreator& k) { k.przekroj("1", "1", "0", "0", false); },
        [](Kreator& k) { k.przekroj("1", "1"); k.wezel("0", false); },
        [](Kreator& k) { k.przekroj("1", "1"); k.wezel("0"); k.wezel("1"); k.podpora("1", "0", false); },
        [](Kreator& k) {
            k.przekroj("1", "1"); k.wezel("0"); k.wezel("1"); k.podpora("1", "0"); k.sila("1", "1", false);
        },
    };
    for (const auto& etap : etapy) {
        podstawowe("1", "1", "1");
        etap(*this);
        okno->polecenie(1070);
        EXPECT_TRUE(Pusty);
    }
}

TEST_F(Kreator, Node1000OfA999ElementBarCanBeShownAndEntered)
{
    podstawowe("999", "1", "1");
    for (int i = 1; i <= 999; ++i)
        przekroj("1", "1");
    for (int j = 1; j <= 999; ++j)
        wezel(std::to_string(j - 1));
    skrypt->oczekuj_dialogu<d_wsp>(3020, [](d_wsp& d) {
        EXPECT_EQ(tekst(d.i), "1000");
        wpisz(d.x, "999");
    });
    podpora("1000", "0");
    sila("1000", "5");
    okno->polecenie(1070);
    ASSERT_FALSE(Pusty);
    EXPECT_EQ(nu[1], 1000);
    EXPECT_EQ(si[1000], 5.0f);
}

// ---- section editing ----

class Przekroj : public Kreator {};

TEST_F(Przekroj, AllOrNothingThenTheBarIsAnalysedAgain)
{
    otworz(plik_modelu(pret_dwuelementowy()));
    skrypt->oczekuj_dialogu<d_dane_przek>(3010, [](d_dane_przek& d) {
        EXPECT_EQ(tekst(d.NRE), "2");
        EXPECT_EQ(tekst(d.A), "   2.0");
        EXPECT_EQ(tekst(d.E), "   100.0");
        EXPECT_EQ(tekst(d.alf), "0.0000000000");
        EXPECT_EQ(tekst(d.dt), "0.0000");
        wpisz(d.A, "4");
        wpisz(d.E, "-1"); // one bad value throws away the others
    });
    skrypt->oczekuj_dialogu<d_dane_przek>(3010, [](d_dane_przek& d) {
        EXPECT_EQ(tekst(d.A), "   2.0");
        wpisz(d.A, "4");
    });
    okno->zmien_p(2);
    EXPECT_EQ(a[2], 4.0f);
    EXPECT_FLOAT_EQ(stress[2], 2.5f);
}

TEST_F(Przekroj, AnulujKeepsTheDataAndAZeroModulusIsOfferedAs20000000)
{
    OpisPreta opis = pret_dwuelementowy();
    opis.e[0] = 0.0f;
    opis.a[0] = 1.0e8f;
    otworz(plik_modelu(opis));
    skrypt->oczekuj_dialogu<d_dane_przek>(3010, [](d_dane_przek& d) {
        EXPECT_EQ(tekst(d.E), "20000000.0");
        EXPECT_EQ(tekst(d.A), "1e+08"); // "%6.1f" would not fit
    }, false);
    okno->zmien_p(1);
    EXPECT_EQ(e[1], 20000000.0f);
    EXPECT_EQ(a[1], 1.0e8f);
}

TEST_F(Przekroj, AClickAsksThenEditsTheElementUnderThePointer)
{
    otworz(plik_modelu(pret_dwuelementowy())); // nodes 0, 1, 3
    x0 = 0.0f;
    sx = 100.0f; // node j at column 25 + 100·x
    skrypt->oczekuj_pytania("Zmienić parametry przekroju ?", "UWAGA", false);
    okno->EvLButtonDown(QPoint(150, 300));
    skrypt->oczekuj_pytania("Zmienić parametry przekroju ?", "UWAGA", true);
    skrypt->oczekuj_dialogu<d_dane_przek>(3010, [](d_dane_przek& d) { EXPECT_EQ(tekst(d.NRE), "2"); }, false);
    okno->EvLButtonDown(QPoint(125, 10)); // exactly on node 2: the element to its right
    skrypt->oczekuj_pytania("Zmienić parametry przekroju ?", "UWAGA", true);
    okno->EvLButtonDown(QPoint(325, 10)); // on the last node: nothing after the question
}

TEST_F(Przekroj, PointerMovesShowTheCoordinateAndTheStressUnderIt)
{
    okno->EvMouseMove(QPoint(100, 50));
    EXPECT_EQ(okno->okno_wsp()->tekst().toStdString(), "x=75.00");
    EXPECT_EQ(okno->napis_naprezenia().toStdString(), "brak danych");
    otworz(plik_modelu(pret_dwuelementowy()));
    x0 = 0.0f;
    sx = 100.0f;
    okno->EvMouseMove(QPoint(25, 50));
    EXPECT_EQ(okno->okno_wsp()->tekst().toStdString(), "x= 0.00");
    EXPECT_EQ(okno->napis_naprezenia().toStdString(), "napr=    10.0");
    okno->EvMouseMove(QPoint(10, 50));
    EXPECT_EQ(okno->okno_wsp()->tekst().toStdString(), "x=");
}
