#include "elementy.h"
#include "model.h"
#include "pret.h"
#include "tabele.h"
#include "tabele_tekst.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

class Tabele : public ::testing::Test {
protected:
    void TearDown() override { usun_model(); }
};

std::vector<Tekst> teksty_w(const Rysunek& r) { return elementy<Tekst>(r); }

std::vector<int> linie_w(const Rysunek& r)
{
    std::vector<int> wynik;
    for (const ElementRysunku& e : r)
        if (const Linia* l = std::get_if<Linia>(&e))
            wynik.push_back(l->y1);
    return wynik;
}

// y of the text at column x equal to `tekst`, or -1.
int y_tekstu(const Rysunek& r, int x, const std::string& tekst)
{
    for (const Tekst& t : teksty_w(r))
        if (t.x == x && t.tekst == tekst)
            return t.y;
    return -1;
}

const tabele::Widok caly{0, 0, 450, 2000};

} // namespace

TEST_F(Tabele, DataTableOfThreeElementsPlacesEveryBlock)
{
    OpisPreta opis = pret_jednorodny(3);
    opis.podpory = {{1, 0.0f}, {4, 0.5f}};
    ustaw_model(opis);
    const Rysunek r = tabele::tabela_danych(caly);
    EXPECT_EQ(linie_w(r), (std::vector<int>{44, 133, 280}));
    EXPECT_EQ(y_tekstu(r, 5, "Węzeł") + y_tekstu(r, 100, "Siła skupiona"), 2 * 115);
    EXPECT_EQ(y_tekstu(r, 100, "  10.000"), 215); // node 4's force
    EXPECT_EQ((std::array{y_tekstu(r, 5, "Utwierdzenie"), y_tekstu(r, 5, "w węźle"), y_tekstu(r, 100, "przemieszczenie")}),
              (std::array{245, 260, 260}));
    EXPECT_EQ(y_tekstu(r, 100, "   0.500"), 325); // the second support row
    EXPECT_EQ(y_tekstu(r, 200, " 100.000"), 50);  // element 1's modulus
    for (const Tekst& t : teksty_w(r)) {
        EXPECT_EQ(t.wysokosc, 16);
        EXPECT_EQ(t.tlo, jasnoszary);
    }
    std::vector<int> wiersze_wezlow;
    for (const Tekst& t : teksty_w(r))
        if (t.x == 100 && t.y > 115 && t.y < 245)
            wiersze_wezlow.push_back(t.y);
    EXPECT_EQ(wiersze_wezlow, (std::vector<int>{155, 175, 195, 215}));
    EXPECT_EQ(y_tekstu(r, 5, "1"), 50); // first element row
}

TEST_F(Tabele, ResultsTableOfThreeElementsPlacesEveryBlock)
{
    ustaw_model(pret_jednorodny(3));
    stress[1] = 1.5f;
    f[2] = 0.25f;
    const Rysunek r = tabele::tabela_wynikow(caly);
    EXPECT_EQ(linie_w(r), (std::vector<int>{28, 148, 278}));
    EXPECT_EQ(y_tekstu(r, 100, "  1.50000000"), 40); // %12.8f: two leading blanks
    EXPECT_EQ(y_tekstu(r, 5, "3"), 80);
    EXPECT_EQ(y_tekstu(r, 5, "Węzeł"), 130);
    EXPECT_EQ(y_tekstu(r, 100, "0.250000000000000"), 190); // %2.15f, no blanks
    EXPECT_EQ(y_tekstu(r, 5, "Podpora w węźle"), 260);
    EXPECT_EQ(y_tekstu(r, 120, "Reakcja podpory"), 260);
    std::vector<int> reakcje;
    for (const Tekst& t : teksty_w(r))
        if (t.x == 120 && t.y > 260)
            reakcje.push_back(t.y);
    EXPECT_EQ(reakcje, (std::vector<int>{295}));
}

// Each 30 pixels below the last row before it, as the supports' block stands;
// only in a model that has them, the text copy too.
TEST_F(Tabele, LoadsAndSpringsGetBlocksOfTheirOwnAfterTheSupportsAndAreFoundByTheirRows)
{
    OpisPreta opis = pret_jednorodny(3); // one support: its row at 205
    opis.q = {1.5f, 0.0f, -0.00785f};
    opis.k = {3.0f, 0.0f, 0.0f, 4.0f};
    ustaw_model(opis);
    f[4] = 0.5f; // f[1] = 0: its spring's force is 0, not -0
    const Rysunek d = tabele::tabela_danych(caly);
    EXPECT_EQ(linie_w(d), (std::vector<int>{44, 133, 280, 370, 500}));
    EXPECT_EQ((std::array{y_tekstu(d, 100, "Obciążenie"), y_tekstu(d, 100, "ciągłe q"),
                          y_tekstu(d, 5, "Sprężyna")}),
              (std::array{335, 350, 465}));
    EXPECT_EQ(y_tekstu(d, 100, "     1.5"), 395);
    EXPECT_EQ(y_tekstu(d, 100, "-0.00785"), 435);
    EXPECT_EQ(y_tekstu(d, 100, "       4"), 545);
    EXPECT_EQ(tabele::wysokosc_danych(), 565);
    using enum tabele::WierszDanych::Blok;
    const auto wiersz = [](std::int64_t y) {
        const auto w = tabele::wiersz_danych(y + 8);
        return w ? std::pair{w->blok, w->numer} : std::pair{element, 0};
    };
    EXPECT_EQ(wiersz(415), std::pair(obciazenie, 2));
    EXPECT_EQ(wiersz(545), std::pair(sprezyna, 4)); // a spring's row gives its node
    EXPECT_EQ(wiersz(460), std::pair(element, 0));

    const Rysunek w = tabele::tabela_wynikow(caly);
    EXPECT_EQ(linie_w(w), (std::vector<int>{28, 148, 278, 343}));
    EXPECT_EQ(y_tekstu(w, 5, "Sprężyna w węźle"), 325);
    std::vector<std::pair<int, std::string>> sily;
    for (const Tekst& t : teksty_w(w))
        if (t.x == 120 && t.y > 343)
            sily.emplace_back(t.y, t.tekst);
    EXPECT_EQ(sily, (std::vector<std::pair<int, std::string>>{{360, "0.000000000000000"}, {380, "-2.000000000000000"}}));
    EXPECT_EQ(tabele::wysokosc_wynikow(), 400);

    std::FILE* plik = std::tmpfile();
    ASSERT_TRUE(plik && wypisz_wyniki(plik));
    std::rewind(plik);
    char bufor[2048] = {};
    const std::string tekst(bufor, std::fread(bufor, 1, sizeof bufor - 1, plik));
    std::fclose(plik);
    EXPECT_TRUE(tekst.ends_with("\n\nSprężyna w węźle\tSiła sprężyny\n1\t0.000000000000000\n4\t-2.000000000000000\n"))
        << tekst;
}

TEST_F(Tabele, AViewportInTheMiddleOfALargeModelDrawsOnlyItsRows)
{
    const int n = 1'000'000;
    ustaw_model(pret_jednorodny(n));
    const tabele::Widok srodek{0, 20LL * 500'000, 300, 400};
    const Rysunek r = tabele::tabela_wynikow(srodek);
    const auto t = teksty_w(r);
    EXPECT_LE(t.size(), 2u * (400 / 20 + 2));
    EXPECT_GE(t.size(), 2u * (400 / 20));
    for (const Tekst& tekst : t) {
        EXPECT_GT(tekst.y, -20);
        EXPECT_LT(tekst.y, 400);
    }
    // element 499999 is at 20·i + 20, i.e. 10 000 000 in the table: the top row
    EXPECT_EQ(y_tekstu(r, 5, "499999"), 0);
}

TEST(TabelePrzewijanie, AHugeTableTakesCoarserStepsAndStaysReachable)
{
    const int n = 2'000'000'000;
    const std::int64_t wysokosc = 40LL * n + 200;
    const auto p = tabele::przewijanie(n, wysokosc, 400);
    EXPECT_GT(p.piksele_na_krok, 10);
    EXPECT_GE(std::int64_t{p.kroki} * p.piksele_na_krok, 40LL * n + 80);
    EXPECT_GT(p.kroki, 0);
}
