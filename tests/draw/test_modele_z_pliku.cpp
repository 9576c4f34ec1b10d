// Models that only a file can make: each is analysed, drawn and listed
// without undefined behaviour (the sanitizer builds watch) and without a hang.

#include "analiza.h"
#include "model.h"
#include "pret.h"
#include "rysunek.h"
#include "tabele.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

const float nan_ = std::numeric_limits<float>::quiet_NaN();
const float inf_ = std::numeric_limits<float>::infinity();

struct Przypadek {
    const char* nazwa;
    OpisPreta opis;
};

OpisPreta zmieniony(void (*zmiana)(OpisPreta&))
{
    OpisPreta opis = pret_jednorodny(4);
    zmiana(opis);
    return opis;
}

std::vector<Przypadek> przypadki()
{
    return {
        {"zero-length element", zmieniony([](OpisPreta& o) { o.x[2] = o.x[1]; })},
        {"E = 0", zmieniony([](OpisPreta& o) { o.e[1] = 0.0f; })},
        {"A = 0", zmieniony([](OpisPreta& o) { o.a[1] = 0.0f; })},
        {"negative areas", zmieniony([](OpisPreta& o) { o.a = {-1.0f, -2.0f, 1.0f, -3.0f}; })},
        {"decreasing coordinates", zmieniony([](OpisPreta& o) { o.x = {4.0f, 3.0f, 2.0f, 1.0f, 0.0f}; })},
        {"all nodes at one point", zmieniony([](OpisPreta& o) { o.x.assign(5, 2.0f); })},
        {"NaN coordinate", zmieniony([](OpisPreta& o) { o.x[3] = nan_; })},
        {"infinite area", zmieniony([](OpisPreta& o) { o.a[0] = inf_; })},
        {"NaN force and heat", zmieniony([](OpisPreta& o) {
             o.si[2] = nan_;
             o.alp.assign(4, nan_);
             o.dt.assign(4, inf_);
         })},
        {"infinite prescribed displacement", zmieniony([](OpisPreta& o) { o.podpory = {{1, inf_}}; })},
        {"every support on one node", zmieniony([](OpisPreta& o) { o.podpory = {{3, 0.0f}, {3, 0.1f}, {3, -0.1f}}; })},
        {"three supports", zmieniony([](OpisPreta& o) { o.podpory = {{1, 0.0f}, {3, 0.0f}, {5, 0.0f}}; })},
        {"huge values", zmieniony([](OpisPreta& o) {
             o.e.assign(4, 3.0e38f);
             o.a.assign(4, 3.0e38f);
             o.si[4] = -3.0e38f;
         })},
    };
}

class ModeleZPliku : public ::testing::TestWithParam<std::size_t> {
protected:
    void TearDown() override { usun_model(); }
};

} // namespace

TEST_P(ModeleZPliku, AreAnalysedDrawnAndListedSafely)
{
    const Przypadek p = przypadki()[GetParam()];
    ustaw_model(p.opis);
    Macierze();
    Oblicz();
    TablicaKolorow knapr{};
    Pasek_kol(knapr);
    for (bool napr : {false, true}) {
        const ObrazWidoku obraz = rysuj(UstawieniaWidoku{napr, 1, &knapr}, 800, 600);
        ASSERT_FALSE(obraz.rysunek.empty()) << p.nazwa; // at least the white background
        if (obraz.skala) {
            EXPECT_TRUE(std::isfinite(obraz.skala->sx) && obraz.skala->sx > 0.0f) << p.nazwa;
            EXPECT_TRUE(std::isfinite(obraz.skala->x0)) << p.nazwa;
        }
    }
    const Rysunek wyniki = tabele::tabela_wynikow({0, 0, 300, 2000});
    const Rysunek dane = tabele::tabela_danych({0, 0, 450, 2000});
    EXPECT_GT(wyniki.size(), 10u) << p.nazwa;
    EXPECT_GT(dane.size(), 10u) << p.nazwa;
}

INSTANTIATE_TEST_SUITE_P(Wszystkie, ModeleZPliku, ::testing::Range<std::size_t>(0, 13));

TEST(ModeleZPlikuSzczegoly, NonFiniteResultsArePrintedAsPrintfPrintsThem)
{
    ustaw_model(zmieniony([](OpisPreta& o) { o.x[2] = o.x[1]; }));
    Macierze();
    Oblicz();
    std::string wszystko;
    for (const ElementRysunku& e : tabele::tabela_wynikow({0, 0, 300, 2000}))
        if (const Tekst* t = std::get_if<Tekst>(&e))
            wszystko += t->tekst + "\n";
    EXPECT_NE(wszystko.find("nan"), std::string::npos);
    usun_model();
}
