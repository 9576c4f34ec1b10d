#include "m1d.h"
#include "pret.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

using Bajty = std::vector<std::byte>;

Bajty hex(std::initializer_list<int> wartosci)
{
    Bajty b;
    for (int v : wartosci)
        b.push_back(std::byte(v));
    return b;
}

// The worked example: 2 elements at x = 0, 1, 2, A = 1, E = 200000, node 1
// held at 0, force 1000 at node 3.
const Bajty przyklad = hex({
    0x02, 0, 0, 0, 0x01, 0, 0, 0, 0x01, 0, 0, 0,                       // counts
    0, 0, 0, 0, 0, 0, 0x80, 0x3f, 0, 0, 0, 0x40,                       // x
    0, 0, 0x80, 0x3f, 0, 0, 0x80, 0x3f,                                // a
    0, 0x50, 0x43, 0x48, 0, 0x50, 0x43, 0x48,                          // e
    0x01, 0, 0, 0,                                                     // nu
    0, 0, 0, 0,                                                        // u
    0, 0, 0, 0, 0, 0, 0, 0,                                            // dt
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x7a, 0x44,                          // si
    0, 0, 0, 0, 0, 0, 0, 0,                                            // alp
});

Bajty zapisz(const Tablice& t) { return bajty_m1d(t); }

void wpisz_liczbe(Bajty& b, std::size_t gdzie, std::int32_t v)
{
    for (int k = 0; k < 4; ++k)
        b[gdzie + std::size_t(k)] = std::byte(std::uint32_t(v) >> (8 * k) & 0xff);
}

// Reads, and frees what was read; returns the outcome.
Odczyt stan_odczytu(const Bajty& b)
{
    WynikOdczytu w = czytaj_m1d(b);
    zwolnij_tablice(w.tablice);
    return w.stan;
}

} // namespace

// ---- the layout ----

TEST(M1D, WorkedExampleReadsAndWritesByteForByte)
{
    ASSERT_EQ(przyklad.size(), 76u);
    WynikOdczytu w = czytaj_m1d(przyklad);
    ASSERT_EQ(w.stan, Odczyt::ok);
    Tablice& t = w.tablice;
    EXPECT_EQ(t.il_elem, 2);
    EXPECT_EQ(t.il_wezl, 3);
    EXPECT_EQ(t.x[3], 2.0f);
    EXPECT_EQ(t.e[2], 200000.0f);
    EXPECT_EQ(t.nu[1], 1);
    EXPECT_EQ(t.si[3], 1000.0f);
    EXPECT_EQ(t.f[3], 1000.0f); // forces go to f as well
    t.f[3] = 12345.0f;          // and are written from si, never from the working vector
    EXPECT_EQ(zapisz(t), przyklad);
    zwolnij_tablice(w.tablice);
}

// Every bit of every float comes back; bytes after the last item are ignored.
TEST(M1D, RoundTripKeepsEveryBit)
{
    Bajty dziwne = przyklad;
    wpisz_liczbe(dziwne, 12, std::int32_t(0x80000000)); // x[1] = -0
    wpisz_liczbe(dziwne, 24, 0x7f800123);                // a[1]: a signalling NaN with a payload
    wpisz_liczbe(dziwne, 36, 1);                         // e[2]: the smallest subnormal
    Bajty dluzszy = dziwne;
    dluzszy.resize(dluzszy.size() + 5, std::byte{0x7f});
    WynikOdczytu w = czytaj_m1d(dluzszy);
    ASSERT_EQ(w.stan, Odczyt::ok);
    EXPECT_EQ(zapisz(w.tablice), dziwne);
    zwolnij_tablice(w.tablice);
}

// ---- refusals and mends ----

TEST(M1D, CountsBelowOneOrTooLargeForTheFileAreRefused)
{
    for (std::size_t gdzie : {0u, 4u, 8u})
        for (std::int32_t zla : {0, -1, INT32_MIN}) {
            Bajty b = przyklad;
            wpisz_liczbe(b, gdzie, zla);
            const WynikOdczytu w = czytaj_m1d(b);
            EXPECT_EQ(w.stan, Odczyt::bledny_plik) << gdzie << " " << zla;
            EXPECT_EQ(w.powod.substr(w.powod.rfind(' ') + 1), std::to_string(zla)); // names the count
        }
    // Huge counts in a short file are refused before anything is allocated.
    Bajty b = hex({0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0});
    for (std::int32_t elementy : {INT32_MAX, INT32_MAX - 1}) { // INT32_MAX: il_elem + 1 would overflow
        wpisz_liczbe(b, 0, elementy);
        wpisz_liczbe(b, 8, elementy == INT32_MAX ? 1 : INT32_MAX);
        EXPECT_EQ(stan_odczytu(b), Odczyt::bledny_plik) << elementy;
    }
}

TEST(M1D, TruncationAnywhereIsRefused)
{
    for (std::size_t dlugosc = 0; dlugosc < przyklad.size(); ++dlugosc) {
        const Bajty b(przyklad.begin(), przyklad.begin() + std::ptrdiff_t(dlugosc));
        EXPECT_EQ(stan_odczytu(b), Odczyt::bledny_plik) << dlugosc;
    }
}

TEST(M1D, SupportNodesOutsideTheBarBecomeNodeOneAndAreNamed)
{
    for (std::int32_t wezel : {4, 1000, 0, -3, INT32_MIN, 3}) {
        Bajty b = przyklad;
        wpisz_liczbe(b, 40, wezel);
        WynikOdczytu w = czytaj_m1d(b);
        ASSERT_EQ(w.stan, Odczyt::ok);
        const bool poza = wezel != 3; // the last node is inside
        EXPECT_EQ(w.tablice.nu[1], poza ? 1 : 3) << wezel;
        using Naprawione = std::vector<NaprawionaPodpora>;
        EXPECT_EQ(w.naprawione, (poza ? Naprawione{{1, wezel}} : Naprawione{}));
        zwolnij_tablice(w.tablice);
    }
}

// ---- files on disk ----

// A file that ends sooner than it said: the length checked at the start no
// longer holds while the arrays are read.
class ZrodloKurczace final : public ZrodloM1D {
public:
    ZrodloKurczace(const Bajty& bajty, std::size_t znika_po) : bajty_(bajty), znika_po_(znika_po) {}
    std::uint64_t rozmiar() const override { return bajty_.size() - przeczytane_; }
    bool czytaj(void* cel, std::size_t n) override
    {
        if (przeczytane_ + n > znika_po_)
            return false;
        std::memcpy(cel, bajty_.data() + przeczytane_, n);
        przeczytane_ += n;
        return true;
    }

private:
    const Bajty& bajty_;
    std::size_t znika_po_, przeczytane_ = 0;
};

TEST(M1D, AFileThatShrinksWhileReadIsRefusedAndItsArraysFreed)
{
    for (std::size_t znika_po : {12u, 30u, 60u, 75u}) {
        ZrodloKurczace zrodlo(przyklad, znika_po);
        const WynikOdczytu w = czytaj_m1d(zrodlo);
        EXPECT_EQ(w.stan, Odczyt::bledny_plik) << znika_po;
        EXPECT_EQ(w.tablice.x, nullptr); // nothing left over (the leak checker watches too)
    }
}

