#pragma once

#include "model.h"
#include "plik_do_czytania.h"
#include "strumien.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

// M1D model files: flat little-endian 4-byte items, no header.
//   il_elem, il_obciaz, il_podpor (int32),
//   x[1..il_elem+1], a[1..il_elem], e[1..il_elem] (float32),
//   nu[1..il_podpor] (int32), u[1..il_podpor], dt[1..il_elem],
//   si[1..il_elem+1], alp[1..il_elem] (float32).
// Bytes after the last item are ignored.

// Length of a complete file with these counts.
std::uint64_t dlugosc_m1d(int il_elem, int il_podpor);

// Where the bytes of a file come from; the reader asks for each array's bytes
// in file order, straight into the array's memory.
class ZrodloM1D {
public:
    virtual ~ZrodloM1D() = default;
    virtual std::uint64_t rozmiar() const = 0;                   // bytes not yet read
    virtual bool czytaj(void* cel, std::size_t bajty) = 0;       // false when short
};

enum class Odczyt {
    ok,
    nie_mozna_otworzyc, // the file cannot be opened for reading
    bledny_plik,        // counts below 1, or fewer bytes than the counts call for
    brak_pamieci,       // the model's arrays cannot be had; nothing is held
};

// Why a model of `elementy` elements was refused for want of memory.
std::string powod_braku_pamieci(long long elementy);

// A support whose node number in the file lay outside the bar.
struct NaprawionaPodpora {
    int podpora;      // 1..il_podpor
    int numer_w_pliku; // what the file said; the model holds node 1 instead
    bool operator==(const NaprawionaPodpora&) const = default;
};

struct WynikOdczytu {
    Odczyt stan = Odczyt::bledny_plik;
    Tablice tablice; // on ok: fresh arrays owned by the caller; otherwise empty
    std::vector<NaprawionaPodpora> naprawione; // on ok, in support order
    std::string powod; // otherwise what is wrong, in Polish ("liczba elementów 0")
};

// Reads a model into fresh arrays; nothing is allocated before the counts and
// the length have been checked, and the current model is never touched. On
// success x, a, e, nu, u, dt, si, alp are filled, f holds a copy of si, and a
// support node number outside 1..il_wezl has become 1 (listed in naprawione).
WynikOdczytu czytaj_m1d(ZrodloM1D& zrodlo);
WynikOdczytu czytaj_m1d(std::span<const std::byte> bajty);
WynikOdczytu czytaj_plik_m1d(const std::string& sciezka);
// From a file already opened (and maybe looked into: it is read from its start).
WynikOdczytu czytaj_plik_m1d(PlikDoCzytania& plik);

// What of `t` an M1D file cannot hold, in Polish for "plik M1D nie pomieści
// ..." ("obciążeń ciągłych", "sprężyn", or both); empty when it holds all.
std::string czego_nie_zmiesci_m1d(const Tablice& t);

// Writes the input data of `t` (forces from si, never from f) to `ujscie`,
// which takes the bytes in order; it stops at the first block refused.
// False, with nothing written, for a model an M1D file cannot hold.
bool zapisz_m1d(const Tablice& t, const Ujscie& ujscie);
