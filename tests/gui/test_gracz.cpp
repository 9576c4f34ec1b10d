#include "gracz.h"
#include "model.h"
#include "pret.h"
#include "rysunek.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <random>

namespace {

QImage odtworzony(const Rysunek& r, int w, int h)
{
    QImage obraz(w, h, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    odtworz(r, obraz);
    return obraz;
}

QRgb piksel(const QImage& obraz, int x, int y) { return obraz.pixel(x, y) & 0xffffff; }

constexpr QRgb czerwien = 0xff0000, czern = 0x000000, biel = 0xffffff, szarosc = 0x808080;

} // namespace

TEST(Gracz, RectangleLeavesOutItsRightAndBottomEdge)
{
    const QImage o = odtworzony({Prostokat{10, 10, 30, 20, {czarny, 1}, rgb(255, 0, 0)}}, 60, 40);
    EXPECT_EQ(piksel(o, 15, 15), czerwien);
    EXPECT_EQ(piksel(o, 10, 10), czern);
    EXPECT_EQ(piksel(o, 29, 19), czern); // the last pixels inside
    EXPECT_EQ(piksel(o, 30, 15), biel);  // the right edge is not part of it
    EXPECT_EQ(piksel(o, 15, 20), biel);
    EXPECT_EQ(piksel(o, 9, 15), biel);
}

TEST(Gracz, WidePenReachesOutwardsAsTheAreaSays)
{
    const Prostokat p{10, 10, 30, 20, {szary, 2}, bialy};
    const QImage o = odtworzony({p}, 60, 40);
    const Obszar a = obszar(p);
    EXPECT_EQ(a.lewo, 9);
    EXPECT_EQ(piksel(o, a.lewo, a.gora), szarosc);
    EXPECT_EQ(piksel(o, a.prawo, a.dol), szarosc);
    EXPECT_EQ(piksel(o, a.prawo + 1, 15), biel);
    EXPECT_EQ(piksel(o, 11, 15), biel); // inside the 2-pixel outline
}

TEST(Gracz, LineLeavesOutItsEndPoint)
{
    const QImage o = odtworzony({Linia{10, 5, 20, 5, {czarny, 1}}, Linia{40, 2, 40, 12, {czarny, 1}}}, 60, 20);
    EXPECT_EQ(piksel(o, 10, 5), czern);
    EXPECT_EQ(piksel(o, 19, 5), czern);
    EXPECT_EQ(piksel(o, 20, 5), biel);
    EXPECT_EQ(piksel(o, 40, 11), czern);
    EXPECT_EQ(piksel(o, 40, 12), biel);
}

TEST(Gracz, TextStandsOnItsOpaqueBackground)
{
    const QImage o = odtworzony({Tekst{5, 5, "Węzeł", 16, czarny, rgb(192, 192, 192)}}, 80, 30);
    int ciemne = 0, szare = 0;
    for (int y = 5; y < 21; ++y)
        for (int x = 5; x < 45; ++x) {
            const QRgb p = piksel(o, x, y);
            ciemne += qGray(p) < 80;
            szare += p == 0xc0c0c0;
        }
    EXPECT_GT(ciemne, 20);
    EXPECT_GT(szare, 100);
}

// ---- merging ----

class Scalanie : public ::testing::TestWithParam<bool> {
protected:
    void TearDown() override { usun_model(); }
    TablicaKolorow knapr{};
};

TEST_P(Scalanie, MergedPictureIsThePictureOfEveryElement)
{
    Pasek_kol(knapr);
    std::mt19937 los(77);
    for (int n : {2000, 5000}) {
        ustaw_model(pret_losowy(n, 250, los));
        for (int i = 1; i <= il_elem; ++i)
            stress[i] = std::uniform_real_distribution<float>(-50.0f, 80.0f)(los);
        for (int przem : {1, 0}) {
            const UstawieniaWidoku u{GetParam(), przem, &knapr};
            const auto scalony = rysuj(u, 640, 360), pelny = rysuj_wszystko(u, 640, 360);
            EXPECT_LT(scalony.rysunek.size(), pelny.rysunek.size());
            EXPECT_EQ(odtworzony(scalony.rysunek, 640, 360), odtworzony(pelny.rysunek, 640, 360))
                << n << " elements, outline mode " << przem;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ZNaprezeniamiIBez, Scalanie, ::testing::Values(true, false));
