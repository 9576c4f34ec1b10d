#include "m1d.h"
#include "pret.h"
#include "strumien.h"
#include "tekst_modelu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using Bajty = std::vector<std::byte>;

Bajty m1d(const Tablice& t) { return bajty_m1d(t); }

std::string tekst(const Tablice& t, std::span<const NaprawionaPodpora> naprawione = {})
{
    return tekst_modelu(t, naprawione);
}

// The reader's message for a text that must be refused.
std::string blad(const std::string& t)
{
    WynikTekstu w = czytaj_tekst_modelu(t);
    EXPECT_FALSE(w.ok) << t;
    zwolnij_tablice(w.tablice);
    return w.blad;
}

const std::string dwa_elementy = "elementy 2\n"
                                 "obciążenia 1\n"
                                 "podpory 1\n"
                                 "współrzędne 0 1 3\n"
                                 "pola 1 2\n"
                                 "moduły 100 100\n"
                                 "węzły_podpór 1\n"
                                 "wymuszenia 0\n"
                                 "temperatury 0 0\n"
                                 "siły 0 0 10\n"
                                 "rozszerzalności 0 0\n";

float z_bitow(std::uint32_t b) { return std::bit_cast<float>(b); }

} // namespace

TEST(TekstModelu, M1DToTextToM1DIsByteIdenticalForEveryKindOfFloat)
{
    std::mt19937 los(7);
    OpisPreta opis = pret_losowy(40, 7, los);
    opis.x[3] = -0.0f;
    opis.a[1] = z_bitow(0x7fc00000);  // the plain NaN
    opis.a[2] = z_bitow(0xffc00000);  // its negative
    opis.a[3] = z_bitow(0x7f800123);  // a signalling NaN with a payload
    opis.e[4] = std::numeric_limits<float>::denorm_min();
    opis.e[5] = std::numeric_limits<float>::max();
    opis.dt[6] = -std::numeric_limits<float>::infinity();
    opis.alp[7] = 1.0f / 3.0f;
    opis.il_obciaz = 17;
    Tablice t = zbuduj_tablice(opis);
    const Bajty pierwszy = m1d(t);
    WynikTekstu w = czytaj_tekst_modelu(tekst(t));
    ASSERT_TRUE(w.ok) << w.blad;
    EXPECT_EQ(m1d(w.tablice), pierwszy);
    EXPECT_EQ(tekst(w.tablice), tekst(t)); // and text -> M1D -> text
    zwolnij_tablice(w.tablice);
    zwolnij_tablice(t);
}

TEST(TekstModelu, ReadsWhatAPersonWrites)
{
    // Comments, sections in any order, values over several lines, keywords
    // without Polish letters, CRLF line ends, a byte-order mark, a plus sign.
    const std::string t = "\xEF\xBB\xBF# pręt\r\n"
                          "sily 0 0   # nic\r\n"
                          "  +10\r\n"
                          "elementy 2 obciazenia 1 podpory 1\r\n"
                          "wspolrzedne 0 1\t3 pola 1 2 moduly 100 1e2\r\n"
                          "wezly_podpor 1 wymuszenia 0 temperatury 0 0 rozszerzalnosci 0 0";
    WynikTekstu w = czytaj_tekst_modelu(t);
    ASSERT_TRUE(w.ok) << w.blad;
    EXPECT_EQ(w.tablice.il_wezl, 3);
    // the working vector f starts as the forces
    EXPECT_EQ((std::array{w.tablice.x[3], w.tablice.e[2], w.tablice.si[3], w.tablice.f[3]}),
              (std::array{3.0f, 100.0f, 10.0f, 10.0f}));

    // Written back over its own text: every byte stays but the values changed,
    // each written where it stood; a section of another length is written anew.
    const auto wedlug = [&t](const Tablice& m) {
        std::string wynik;
        Strumien s(do_napisu(wynik));
        EXPECT_TRUE(zapisz_tekst_modelu_wedlug(t, m, s));
        return wynik;
    };
    EXPECT_EQ(wedlug(w.tablice), t);
    w.tablice.si[3] = 20.0f;
    w.tablice.il_obciaz = 2;
    w.tablice.e[1] = 0.1f;
    EXPECT_EQ(wedlug(w.tablice), "\xEF\xBB\xBF# pręt\r\n"
                                 "sily 0 0   # nic\r\n"
                                 "  20\r\n"
                                 "elementy 2 obciazenia 2 podpory 1\r\n"
                                 "wspolrzedne 0 1\t3 pola 1 2 moduly 0.1 1e2\r\n"
                                 "wezly_podpor 1 wymuszenia 0 temperatury 0 0 rozszerzalnosci 0 0");
    zwolnij_tablice(w.tablice);

    OpisPreta dwie_podpory = pret_dwuelementowy();
    dwie_podpory.podpory = {{1, 0.0f}, {3, 0.5f}};
    Tablice m = zbuduj_tablice(dwie_podpory);
    std::string wynik;
    Strumien strumien(do_napisu(wynik));
    EXPECT_TRUE(zapisz_tekst_modelu_wedlug(dwa_elementy, m, strumien));
    zwolnij_tablice(m);
    EXPECT_EQ(wynik, "elementy 2\nobciążenia 1\npodpory 2\nwspółrzędne 0 1 3\npola 1 2\nmoduły 100 100\n"
                     "węzły_podpór\n1 3\nwymuszenia\n0 0.5\ntemperatury 0 0\nsiły 0 0 10\nrozszerzalności 0 0\n");
}

TEST(TekstModelu, MalformedTextsAreRefusedWithTheirLine)
{
    auto zamien = [](std::string t, const std::string& co, const std::string& na) {
        return t.replace(t.find(co), co.size(), na);
    };
    EXPECT_EQ(blad(zamien(dwa_elementy, "pola 1 2", "pola 1,5 2")),
              "wiersz 5: „1,5” nie jest liczbą (część dziesiętną oddziela kropka, nie przecinek)");
    EXPECT_EQ(blad(zamien(dwa_elementy, "pola 1 2", "pola 1 2 3")),
              "wiersz 5: sekcja „pola” ma 3 wartości, a powinna mieć 2 (po jednej na element)");
    EXPECT_EQ(blad(zamien(dwa_elementy, "siły 0 0 10", "siły 0 10")),
              "wiersz 10: sekcja „siły” ma 2 wartości, a powinna mieć 3 (po jednej na węzeł)");
    EXPECT_EQ(blad(zamien(dwa_elementy, "moduły", "modul")), "wiersz 6: „modul” nie jest ani liczbą, ani nazwą sekcji");
    EXPECT_EQ(blad(zamien(dwa_elementy, "węzły_podpór 1", "węzły_podpór 4")), "wiersz 7: węzeł podpory 4 spoza zakresu 1..3");
    EXPECT_EQ(blad(zamien(dwa_elementy, "węzły_podpór 1", "węzły_podpór 1.5")),
              "wiersz 7: w sekcji „węzły_podpór” oczekiwano liczby całkowitej, a jest „1.5”");
    // Too large for a float however it is written, also beyond double, where the parse gives up.
    for (const std::string& liczba :
         std::vector<std::string>{"1e39", "1e400", "-1e400", "1e99999", "+1e99999999999999999999",
                                  "1" + std::string(309, '0') + ".5", "0.01e41"})
        EXPECT_EQ(blad(zamien(dwa_elementy, "pola 1 2", "pola 1 " + liczba)),
                  "wiersz 5: liczba „" + liczba.substr(0, 40) + (liczba.size() > 40 ? "…" : "") +
                      "” wykracza poza zakres liczb pojedynczej precyzji");
    EXPECT_EQ(blad(zamien(dwa_elementy, "pola 1 2", "pola 1 nan(0x3F800000)")),
              "wiersz 5: „nan(0x3F800000)” nie jest wzorcem NaN (nan(0x) i osiem cyfr szesnastkowych)");
    EXPECT_EQ(blad(dwa_elementy + "pola 1 2\n"), "wiersz 12: sekcja „pola” powtórzona (pierwszy raz w wierszu 5)");
    EXPECT_EQ(blad("3\n" + dwa_elementy), "wiersz 1: wartość „3” stoi przed nazwą pierwszej sekcji");
    EXPECT_EQ(blad(zamien(dwa_elementy, "elementy 2", "elementy 0")),
              "wiersz 1: wartość „elementy” musi wynosić od 1 do 2147483646, a jest 0");
    EXPECT_EQ(blad(zamien(dwa_elementy, "podpory 1", "podpory")), "wiersz 3: po „podpory” oczekiwano jednej liczby, a jest ich 0");
    EXPECT_EQ(blad(zamien(dwa_elementy, "temperatury 0 0\n", "")), "brak sekcji „temperatury”");
    EXPECT_EQ(blad(dwa_elementy + "sprężyny 2 1 3\n"),
              "wiersz 12: sekcja „sprężyny” ma 3 wartości, a powinny to być pary: węzeł i sztywność");
    EXPECT_EQ(blad(dwa_elementy + "sprężyny 4 1\n"), "wiersz 12: węzeł sprężyny 4 spoza zakresu 1..3");
    EXPECT_EQ(blad(dwa_elementy + "obciążenia_ciągłe 1\n"),
              "wiersz 12: sekcja „obciążenia_ciągłe” ma 1 wartości, a powinna mieć 2 (po jednej na element)");
    EXPECT_EQ(blad(zamien(zamien(zamien(dwa_elementy, "podpory 1", "podpory 0"), "podpór 1", "podpór"), "enia 0", "enia")),
              "wiersz 3: pręt bez podpór musi mieć co najmniej jedną sprężynę (sekcja „sprężyny”)");
}

// What an M1D file cannot hold lives in text models only, and is written
// only where it is not zero; springs of one node add up.
TEST(TekstModelu, DistributedLoadsAndSpringsAreTextsOwnAndNeverDropped)
{
    OpisPreta opis = pret_dwuelementowy();
    opis.q = {0.0f, 2.5f};
    opis.k = {0.0f, 300.0f, 0.0f};
    opis.podpory.clear();
    Tablice t = zbuduj_tablice(opis);
    const std::string t_tekst = tekst(t);
    EXPECT_NE(t_tekst.find("podpory 0\n"), std::string::npos);
    EXPECT_NE(t_tekst.find("obciążenia_ciągłe\n0 2.5\n"), std::string::npos);
    EXPECT_NE(t_tekst.find("sprężyny\n2 300\n"), std::string::npos);
    WynikTekstu w = czytaj_tekst_modelu(t_tekst);
    ASSERT_TRUE(w.ok) << w.blad;
    EXPECT_EQ(tekst(w.tablice), t_tekst);
    EXPECT_EQ(czego_nie_zmiesci_m1d(t), "obciążeń ciągłych ani sprężyn");
    std::string zapisane;
    EXPECT_FALSE(zapisz_m1d(t, do_napisu(zapisane)));
    EXPECT_TRUE(zapisane.empty());
    zwolnij_tablice(w.tablice);
    zwolnij_tablice(t);

    opis = pret_dwuelementowy();
    opis.q = {0.0f, 0.0f};
    opis.k = {0.0f, 0.0f, -0.0f};
    t = zbuduj_tablice(opis);
    EXPECT_EQ(czego_nie_zmiesci_m1d(t), "");
    EXPECT_EQ(tekst(t).find("sprężyny"), std::string::npos);
    zwolnij_tablice(t);

    w = czytaj_tekst_modelu(dwa_elementy + "sprezyny 2 1 2 2.5\nobciazenia_ciagle 1 -1\n");
    ASSERT_TRUE(w.ok) << w.blad;
    EXPECT_EQ(w.tablice.ks[2], 3.5f);
    EXPECT_EQ(w.tablice.qx[2], -1.0f);
    zwolnij_tablice(w.tablice);
}

TEST(TekstModelu, MendedSupportsAreNotedInComments)
{
    Tablice t = zbuduj_tablice(pret_dwuelementowy());
    const NaprawionaPodpora n{1, 0};
    const std::string wynik = tekst(t, {&n, 1});
    EXPECT_NE(wynik.find("# podpora 1: w pliku M1D węzeł 0 (spoza pręta), przyjęto węzeł 1\n"), std::string::npos);
    WynikTekstu w = czytaj_tekst_modelu(wynik);
    ASSERT_TRUE(w.ok);
    EXPECT_EQ(w.tablice.nu[1], 1);
    zwolnij_tablice(w.tablice);
    zwolnij_tablice(t);
}

TEST(TekstModelu, ReadInPiecesOfAnySizeGivesTheSameModel)
{
    std::mt19937 los(11);
    Tablice t = zbuduj_tablice(pret_losowy(300, 9, los));
    const std::string calosc = tekst(t);
    for (const std::size_t kawalek : {std::size_t{1}, std::size_t{7}, std::size_t{4096}}) {
        std::size_t odczytane = 0;
        WynikTekstu w = czytaj_tekst_modelu(
            [&](char* cel, std::size_t najwiecej) {
                const std::size_t ile = std::min({najwiecej, kawalek, calosc.size() - odczytane});
                std::memcpy(cel, calosc.data() + odczytane, ile);
                odczytane += ile;
                return std::ptrdiff_t(ile);
            },
            calosc.size());
        ASSERT_TRUE(w.ok) << kawalek << ": " << w.blad;
        EXPECT_EQ(m1d(w.tablice), m1d(t)) << kawalek;
        zwolnij_tablice(w.tablice);
    }
    zwolnij_tablice(t);
}

TEST(TekstModelu, MessagesQuoteWhatWasWrittenAndCountEveryKindOfLineEnd)
{
    auto zamien = [](std::string t, const std::string& co, const std::string& na) {
        return t.replace(t.find(co), co.size(), na);
    };
    std::string z_cr = dwa_elementy;
    std::replace(z_cr.begin(), z_cr.end(), '\n', '\r');
    EXPECT_EQ(blad(zamien(z_cr, "pola 1 2", "pola 1 x")), "wiersz 5: „x” nie jest ani liczbą, ani nazwą sekcji");
    EXPECT_EQ(blad(zamien(dwa_elementy, "pola 1 2", "pola 1 ++1")), "wiersz 5: „++1” nie jest ani liczbą, ani nazwą sekcji");
    EXPECT_EQ(blad(zamien(dwa_elementy, "podpory 1", "podpory 99999999999")),
              "wiersz 3: liczba „99999999999” jest za duża (liczby całkowite mieszczą się w ±2147483647)");
    EXPECT_EQ(blad(zamien(dwa_elementy, "pola 1 2", std::string("pola 1 2\0x", 10))),
              "wiersz 5: „2\\x00x” nie jest ani liczbą, ani nazwą sekcji");
    const std::string dlugi(20'000'000, '7');
    EXPECT_EQ(blad(zamien(dwa_elementy, "pola 1 2", "pola 1 x" + dlugi)),
              "wiersz 5: „x" + std::string(39, '7') + "…” nie jest ani liczbą, ani nazwą sekcji");

    // Too small for a float, also beyond double: the zero it rounds to, with its sign.
    // The nearest float also where the double nearest to the text is a midpoint
    // between two floats (3.676...: its float is 0x406b4c7a), and where the
    // text is one (16777217: ties to even).
    WynikTekstu w = czytaj_tekst_modelu(
        zamien(zamien(zamien(dwa_elementy, "pola 1 2", "pola 1e-46 -1e-400"), "wymuszenia 0",
                      "wymuszenia -0.0001e-99999999999999999999"),
               "temperatury 0 0", "temperatury 3.67654287815094 16777217"));
    ASSERT_TRUE(w.ok) << w.blad;
    EXPECT_EQ(std::bit_cast<std::uint32_t>(w.tablice.a[1]), 0u);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(w.tablice.a[2]), 0x80000000u);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(w.tablice.u[1]), 0x80000000u);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(w.tablice.dt[1]), 0x406b4c7bu);
    EXPECT_EQ(w.tablice.dt[2], 16777216.0f);
    zwolnij_tablice(w.tablice);
}
