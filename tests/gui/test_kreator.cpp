// The new-model wizard and the section edit as functions of the seam, run by
// a scripted user without a window; then what the main view does with them.

#include "swiat.h"

#include "kreator.h"
#include "model.h"
#include "pola_rekordu.h"
#include "przekroj.h"

#include <string>

namespace {

std::string tekst(const char* pole) { return pole; }

// A scripted user: each expected dialog checks what it offers and types the
// user's texts into the record.
class Uzytkownik {
public:
    explicit Uzytkownik(RozmowaSkrypt& s) : s_(s) {}

    void podstawowe(std::string elementy, std::string podpory, std::string sily, bool ok = true)
    {
        s_.oczekuj_dialogu<d_dane_pods>([=](d_dane_pods& d) {
            wpisz(d.d_il_elem, elementy);
            wpisz(d.d_il_przem, podpory);
            wpisz(d.d_il_sil, sily);
        }, ok);
    }
    void przekroj(std::string A, std::string E, std::string alf = "0", std::string dt = "0", bool ok = true,
                  std::optional<int> wskazane = std::nullopt)
    {
        s_.oczekuj_dialogu<d_dane_przek>([=](d_dane_przek& d) {
            wpisz(d.A, A);
            wpisz(d.E, E);
            wpisz(d.alf, alf);
            wpisz(d.dt, dt);
        }, ok, wskazane);
    }
    void wezel(std::string x, bool ok = true)
    {
        s_.oczekuj_dialogu<d_wsp>([=](d_wsp& d) { wpisz(d.x, x); }, ok);
    }
    void podpora(std::string nu, std::string u, bool ok = true, std::optional<int> wskazane = std::nullopt)
    {
        s_.oczekuj_dialogu<d_wymusz>([=](d_wymusz& d) {
            wpisz(d.nu, nu);
            wpisz(d.x, u);
        }, ok, wskazane);
    }
    void sila(std::string nr, std::string f, bool ok = true, std::optional<int> wskazane = std::nullopt)
    {
        s_.oczekuj_dialogu<d_sily>([=](d_sily& d) {
            wpisz(d.nr, nr);
            wpisz(d.f, f);
        }, ok, wskazane);
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

private:
    RozmowaSkrypt& s_;
};

} // namespace

// ---- the wizard as a function ----

class Kreator : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (wynik)
            zwolnij_tablice(*wynik);
        EXPECT_EQ(skrypt.pozostale(), 0u) << "answers the wizard never asked for";
    }
    void uruchom() { wynik = kreator(skrypt, {dane, danep, danew, danewy, danes}); }

    RozmowaSkrypt skrypt;
    Uzytkownik uzytkownik{skrypt};
    d_dane_pods dane{};
    d_dane_przek danep{};
    d_wsp danew{};
    d_wymusz danewy{};
    d_sily danes{};
    std::optional<Tablice> wynik;
};

TEST_F(Kreator, OffersTwoOneOneAndTouchesNoGlobal)
{
    ustaw_model(pret_dwuelementowy());
    skrypt.oczekuj_dialogu<d_dane_pods>([](d_dane_pods& d) {
        EXPECT_EQ(tekst(d.d_il_elem) + tekst(d.d_il_przem) + tekst(d.d_il_sil), "211");
        wpisz(d.d_il_elem, "5");
    }, false);
    uruchom();
    EXPECT_FALSE(wynik);
    EXPECT_EQ(il_elem, 2);
    EXPECT_FALSE(Pusty);
    usun_model();
}

TEST_F(Kreator, CountsOutsideTheirRulesEndSilently)
{
    for (auto [e, p, s] : {std::tuple{"0", "1", "1"}, {"1", "0", "1"}, {"1", "3", "1"}, {"1", "1", "0"}, {"", "1", "1"}}) {
        uzytkownik.podstawowe(e, p, s);
        uruchom();
        EXPECT_FALSE(wynik) << e << " " << p << " " << s;
    }
}

TEST_F(Kreator, AnElementIsShownAgainWithItsRefusedFieldFocusedUntilItsAreaIsPositive)
{
    uzytkownik.podstawowe("1", "1", "1");
    skrypt.oczekuj_dialogu<d_dane_przek>([](d_dane_przek& d) {
        EXPECT_EQ(tekst(d.NRE), "1");
        EXPECT_EQ(tekst(d.A), "0.0");
        EXPECT_EQ(tekst(d.E), "20000000.0");
        EXPECT_EQ(tekst(d.alf), "0.0000000000");
        EXPECT_EQ(tekst(d.dt), "0.0000");
    }, true, pierwsze_pole);
    // a bad modulus with a good area: the element keeps the modulus it had
    uzytkownik.przekroj("2", "-5", "-1", "-3", true, d_dane_przek::id_A);
    uzytkownik.wezel("0");
    uzytkownik.wezel("1");
    uzytkownik.podpora("1", "0");
    uzytkownik.sila("2", "1");
    uruchom();
    ASSERT_TRUE(wynik);
    EXPECT_EQ(wynik->a[1], 2.0f);
    EXPECT_EQ(wynik->e[1], 20000000.0f);
    EXPECT_EQ(wynik->alp[1], 0.0f);
    EXPECT_EQ(wynik->dt[1], 0.0f);
}

TEST_F(Kreator, NodesStartAtZeroOrAboveAndIncreaseAndSupportsStayOnTheBar)
{
    uzytkownik.podstawowe("2", "1", "1");
    uzytkownik.przekroj("1", "1");
    uzytkownik.przekroj("1,5", "1");
    uzytkownik.wezel("-1"); // refused
    uzytkownik.wezel("0");
    uzytkownik.wezel("0"); // not above node 1
    skrypt.oczekuj_dialogu<d_wsp>([](d_wsp& d) {
        EXPECT_EQ(tekst(d.i), "2");
        wpisz(d.x, "1,5");
    });
    uzytkownik.wezel("1.5"); // not above node 2
    uzytkownik.wezel("3");
    uzytkownik.podpora("4", "0", true, pierwsze_pole); // beyond the last node
    uzytkownik.podpora("0", "0", true, d_wymusz::id_nu);
    uzytkownik.podpora("3", "-1", true, d_wymusz::id_nu); // a negative displacement
    uzytkownik.podpora("3", "0", true, d_wymusz::id_x);
    uzytkownik.sila("1", "5");
    uruchom();
    ASSERT_TRUE(wynik);
    EXPECT_EQ(wynik->a[2], 1.5f);
    EXPECT_EQ(wynik->x[1], 0.0f);
    EXPECT_EQ(wynik->x[2], 1.5f);
    EXPECT_EQ(wynik->x[3], 3.0f);
    EXPECT_EQ(wynik->nu[1], 3);
}

TEST_F(Kreator, AForceGoesOnlyToTheNodeTypedInTheSameShowing)
{
    uzytkownik.podstawowe("1", "1", "2");
    uzytkownik.przekroj("1", "1");
    uzytkownik.wezel("0");
    uzytkownik.wezel("1");
    uzytkownik.podpora("1", "0");
    uzytkownik.sila("2", "7");
    uzytkownik.sila("9", "3", true, pierwsze_pole); // the node is refused: no force is stored anywhere
    skrypt.oczekuj_dialogu<d_sily>([](d_sily& d) {
        EXPECT_EQ(tekst(d.i), "2");
        EXPECT_EQ(tekst(d.nr), "2");
        EXPECT_EQ(tekst(d.f), "7.0"); // the force already at the offered node, unchanged
        wpisz(d.nr, "1");
        wpisz(d.f, "0"); // zero is refused
    }, true, d_sily::id_nr);
    uzytkownik.sila("1", "-2", true, d_sily::id_f);
    uruchom();
    ASSERT_TRUE(wynik);
    EXPECT_EQ(wynik->si[2], 7.0f);
    EXPECT_EQ(wynik->si[1], -2.0f);
}

TEST_F(Kreator, Node1000OfA999ElementBarCanBeShownAndEntered)
{
    uzytkownik.podstawowe("999", "1", "1");
    for (int i = 1; i <= 999; ++i)
        uzytkownik.przekroj("1", "1");
    for (int j = 1; j <= 999; ++j)
        uzytkownik.wezel(std::to_string(j - 1));
    skrypt.oczekuj_dialogu<d_wsp>([](d_wsp& d) {
        EXPECT_EQ(tekst(d.i), "1000");
        wpisz(d.x, "999");
    });
    uzytkownik.podpora("1000", "0");
    uzytkownik.sila("1000", "5");
    uruchom();
    ASSERT_TRUE(wynik);
    EXPECT_EQ(wynik->nu[1], 1000);
    EXPECT_EQ(wynik->si[1000], 5.0f);
}

// ---- the main view's commands ----

class Wprowadzanie : public Swiat {
protected:
    Uzytkownik uzytkownik{*skrypt};
};

TEST_F(Wprowadzanie, NoOrAnulujKeepsTheModelHeldBeforeAndACompletedWizardReplacesIt)
{
    otworz(plik_modelu(pret_dwuelementowy()));
    const float* stare = stress;
    skrypt->oczekuj_pytania("Utworzyć nowe dane ?", "ZENTA", false);
    okno->polecenie(1070);
    skrypt->oczekuj_pytania("Utworzyć nowe dane ?", "ZENTA", true);
    uzytkownik.podstawowe("2", "1", "1", false);
    okno->polecenie(1070);
    skrypt->oczekuj_pytania("Utworzyć nowe dane ?", "ZENTA", true);
    uzytkownik.podstawowe("1", "1", "1");
    uzytkownik.przekroj("1", "1", "0", "0", false);
    okno->polecenie(1070);
    ASSERT_FALSE(Pusty);
    EXPECT_EQ(stress, stare);
    EXPECT_EQ(il_elem, 2);
    EXPECT_FLOAT_EQ(stress[2], 5.0f);

    skrypt->oczekuj_pytania("Utworzyć nowe dane ?", "ZENTA", true);
    uzytkownik.jeden_element();
    okno->polecenie(1070);
    ASSERT_FALSE(Pusty);
    EXPECT_EQ(il_wezl, 2);
    EXPECT_FLOAT_EQ(f[2], 0.4f);
    EXPECT_FLOAT_EQ(stress[1], 2.0f);
    EXPECT_FLOAT_EQ(react[1], -6.0f);
}

TEST_F(Wprowadzanie, AClickAsksThenEditsTheElementUnderThePointer)
{
    otworz(plik_modelu(pret_dwuelementowy())); // nodes 0, 1, 3
    x0 = 0.0f;
    sx = 100.0f; // node j at column 25 + 100·x
    skrypt->oczekuj_pytania("Zmienić parametry przekroju ?", "UWAGA", false);
    okno->EvLButtonDown(QPoint(150, 300));
    skrypt->oczekuj_pytania("Zmienić parametry przekroju ?", "UWAGA", true);
    skrypt->oczekuj_dialogu<d_dane_przek>([](d_dane_przek& d) {
        EXPECT_EQ(tekst(d.NRE), "2");
        wpisz(d.A, "4");
    });
    okno->EvLButtonDown(QPoint(125, 10)); // exactly on node 2: the element to its right
    EXPECT_EQ(a[2], 4.0f);
    EXPECT_FLOAT_EQ(stress[2], 2.5f);
    skrypt->oczekuj_pytania("Zmienić parametry przekroju ?", "UWAGA", true);
    okno->EvLButtonDown(QPoint(325, 10)); // on the last node: nothing after the question
}
