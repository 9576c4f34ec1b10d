#include "gracz.h"
#include "model.h"
#include "pret.h"
#include "rysunek.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <array>
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

// Rectangles leave out their right and bottom edges, a wide pen reaches
// outwards as the area says, a line leaves out its end point.
TEST(Gracz, RectanglesAndLinesCoverTheirPixelsAsTheAreaSays)
{
    const Prostokat szeroki{10, 10, 30, 20, {szary, 2}, bialy};
    const QImage o = odtworzony({Prostokat{10, 10, 30, 20, {czarny, 1}, rgb(255, 0, 0)}, Linia{35, 5, 45, 5, {czarny, 1}}}, 60, 40);
    EXPECT_EQ((std::array{piksel(o, 15, 15), piksel(o, 10, 10), piksel(o, 29, 19), piksel(o, 30, 15), piksel(o, 15, 20)}),
              (std::array{czerwien, czern, czern, biel, biel}));
    EXPECT_EQ((std::array{piksel(o, 35, 5), piksel(o, 44, 5), piksel(o, 45, 5)}), (std::array{czern, czern, biel}));
    const QImage w = odtworzony({szeroki}, 60, 40);
    const Obszar a = obszar(szeroki);
    EXPECT_EQ(a.lewo, 9);
    EXPECT_EQ((std::array{piksel(w, a.lewo, a.gora), piksel(w, a.prawo, a.dol), piksel(w, a.prawo + 1, 15), piksel(w, 11, 15)}),
              (std::array{szarosc, szarosc, biel, biel})); // inside the 2-pixel outline: white
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
        OpisPreta opis = pret_losowy(n, 250, los);
        if (n == 5000) { // loads of either sign and springs, many to a column
            for (int i = 0; i < n; ++i)
                opis.q.push_back(float(i % 7 - 3));
            for (int j = 0; j <= n; ++j)
                opis.k.push_back(j % 3 ? 0.0f : 1.0f);
        }
        ustaw_model(opis);
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

// ---- text and device pixels ----

TEST(Gracz, ALegendLabelsBoxIsAsHighAsItsFontAndLeavesTheLegendsFrameLine)
{
    TablicaKolorow knapr{};
    Pasek_kol(knapr);
    ustaw_model(pret_dwuelementowy());
    stress[1] = 10.0f;
    stress[2] = 5.0f;
    const int w = 640, h = 360;
    const ObrazWidoku obraz = rysuj({true, 1, &knapr}, w, h);
    const QImage o = odtworzony(obraz.rysunek, w, h);
    const float sp = (float(w) - 50.0f) * 0.005f;
    for (int i : {1, 25, 100, 175}) {
        const int lewo = int(float(i - 1) * sp + 20.0f);
        for (int x = std::max(lewo, 25); x < lewo + 25; ++x) {
            EXPECT_EQ(piksel(o, x, h - 10), czern) << "frame line under label " << i << " at x = " << x;
            EXPECT_NE(piksel(o, x, h - 9), biel) << "strip under label " << i << " at x = " << x;
        }
        EXPECT_EQ(piksel(o, lewo + 1, h - 22), biel) << "the box's top row";
    }
    usun_model();
}

TEST(Gracz, AtTwiceTheDevicePixelRatioEveryPixelIsABlockOfFour)
{
    TablicaKolorow knapr{};
    Pasek_kol(knapr);
    std::mt19937 los(5);
    ustaw_model(pret_losowy(40, 7, los));
    const int w = 320, h = 200;
    const Rysunek r = rysuj({false, 1, &knapr}, w, h).rysunek; // no text
    const QImage pojedynczy = odtworzony(r, w, h);
    QImage podwojny(2 * w, 2 * h, QImage::Format_RGB32);
    podwojny.setDevicePixelRatio(2.0);
    podwojny.fill(Qt::white);
    odtworz(r, podwojny);
    int rozne = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int k = 0; k < 4; ++k)
                rozne += piksel(podwojny, 2 * x + k % 2, 2 * y + k / 2) != piksel(pojedynczy, x, y);
    EXPECT_EQ(rozne, 0);
    usun_model();
}
