#include "pom_mac.h"

#include "bloki.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

void nrerror(const char* error_text)
{
    std::fputs("Wystąpił bład podczas działania programu \n", stderr);
    std::fputs(error_text, stderr);
    std::fputs("\n...powrót do systemu...\n", stderr);
    std::exit(1);
}

namespace {

// Bytes of a block of `komorki` items of `rozmiar` bytes each, or 0 when the
// request cannot be represented.
std::size_t bajty_bloku(std::int64_t komorki, std::size_t rozmiar)
{
    if (komorki < 1 || std::uint64_t(komorki) > SIZE_MAX / rozmiar)
        return 0;
    return std::size_t(komorki) * rozmiar;
}

// `tekst` null: null instead of the end of the process.
template <typename T>
T* wektor_typu(int nl, int nh, const char* tekst)
{
    const std::int64_t komorki = std::int64_t{nh} - nl + 2;
    const std::size_t bajty = bajty_bloku(komorki, sizeof(T));
    T* blok = bajty ? static_cast<T*>(przydziel_blok(bajty)) : nullptr;
    if (!blok) {
        if (!tekst)
            return nullptr;
        nrerror(tekst);
    }
    return blok - (std::int64_t{nl} - 1);
}

template <typename T>
void uwolnij_wektor_typu(T* v, int nl)
{
    if (v)
        zwolnij_blok(v + (std::int64_t{nl} - 1));
}

// Null texts: null instead of the end of the process.
template <typename T>
T** macierz_typu(int nrl, int nrh, int ncl, int nch, const char* tekst1, const char* tekst2)
{
    const auto blad = [](const char* tekst) -> T** {
        if (!tekst)
            return nullptr;
        nrerror(tekst);
    };
    const std::int64_t wiersze = std::int64_t{nrh} - nrl + 1;
    const std::int64_t kolumny = std::int64_t{nch} - ncl + 1;
    // The element block hangs on m[nrl], so a matrix has at least one row.
    if (wiersze < 1 || kolumny < 1)
        return blad(tekst1);
    // Both sizes are checked before anything is allocated.
    const std::size_t bajty_wskaznikow = bajty_bloku(wiersze + 1, sizeof(T*));
    if (!bajty_wskaznikow)
        return blad(tekst1);
    const bool za_duzo = wiersze > (INT64_MAX - 1) / kolumny;
    const std::size_t bajty_elementow = za_duzo ? 0 : bajty_bloku(wiersze * kolumny + 1, sizeof(T));
    if (!bajty_elementow)
        return blad(tekst2);

    T** m = static_cast<T**>(przydziel_blok(bajty_wskaznikow));
    if (!m)
        return blad(tekst1);
    T* elementy = static_cast<T*>(przydziel_blok(bajty_elementow));
    if (!elementy) {
        zwolnij_blok(m);
        return blad(tekst2);
    }
    m -= std::int64_t{nrl} - 1;
    m[nrl] = elementy - (std::int64_t{ncl} - 1);
    for (std::int64_t i = std::int64_t{nrl} + 1; i <= nrh; ++i)
        m[i] = m[i - 1] + kolumny;
    return m;
}

template <typename T>
void uwolnij_macierz_typu(T** m, int nrl, int ncl)
{
    if (!m)
        return;
    zwolnij_blok(m[nrl] + (std::int64_t{ncl} - 1));
    zwolnij_blok(m + (std::int64_t{nrl} - 1));
}

} // namespace

float* wektor(int nl, int nh) { return wektor_typu<float>(nl, nh, "błąd allokacji w vector()"); }
int* iwektor(int nl, int nh) { return wektor_typu<int>(nl, nh, "błąd alokacji w ivector()"); }
unsigned char* cwektor(int nl, int nh)
{
    return wektor_typu<unsigned char>(nl, nh, "błąd alokacji w cvector()");
}
std::uint32_t* lwektor(int nl, int nh)
{
    return wektor_typu<std::uint32_t>(nl, nh, "błąd alokacji w lvektor()");
}
double* dwektor(int nl, int nh) { return wektor_typu<double>(nl, nh, "błąd alokacjiw dvector()"); }

float** macierz(int nrl, int nrh, int ncl, int nch)
{
    return macierz_typu<float>(nrl, nrh, ncl, nch, "błąd alokacji 1 w macierz()",
                               "allocation failure 2 in matrix()");
}
double** dmacierz(int nrl, int nrh, int ncl, int nch)
{
    return macierz_typu<double>(nrl, nrh, ncl, nch, "allocation failure 1 in matrix()",
                                "allocation failure 2 in matrix()");
}
int** imacierz(int nrl, int nrh, int ncl, int nch)
{
    return macierz_typu<int>(nrl, nrh, ncl, nch, "allocation failure 1 in matrix()",
                             "allocation failure 2 in matrix()");
}

float* wektor_lub_nic(int nl, int nh) { return wektor_typu<float>(nl, nh, nullptr); }
int* iwektor_lub_nic(int nl, int nh) { return wektor_typu<int>(nl, nh, nullptr); }
float** macierz_lub_nic(int nrl, int nrh, int ncl, int nch)
{
    return macierz_typu<float>(nrl, nrh, ncl, nch, nullptr, nullptr);
}

void uwolnij_wektor(float* v, int nl, int) { uwolnij_wektor_typu(v, nl); }
void uwolnij_iwektor(int* v, int nl, int) { uwolnij_wektor_typu(v, nl); }
void uwolnij_cwektor(unsigned char* v, int nl, int) { uwolnij_wektor_typu(v, nl); }
void uwolnij_lwektor(std::uint32_t* v, int nl, int) { uwolnij_wektor_typu(v, nl); }
void uwolnij_dwektor(double* v, int nl, int) { uwolnij_wektor_typu(v, nl); }
void uwolnij_macierz(float** m, int nrl, int, int ncl, int) { uwolnij_macierz_typu(m, nrl, ncl); }
void uwolnij_dmacierz(double** m, int nrl, int, int ncl, int) { uwolnij_macierz_typu(m, nrl, ncl); }
void uwolnij_imacierz(int** m, int nrl, int, int ncl, int) { uwolnij_macierz_typu(m, nrl, ncl); }
