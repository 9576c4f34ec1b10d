#include "odczyt.h"

#include "format.h"
#include "model.h"

#include <algorithm>

namespace {

// Whether the current model's coordinates strictly increase, found once per model.
bool wspolrzedne_rosna()
{
    static int zbadane_pokolenie = -1;
    static bool rosna = false;
    if (zbadane_pokolenie != pokolenie_modelu) {
        zbadane_pokolenie = pokolenie_modelu;
        rosna = true;
        for (int j = 2; j <= il_wezl && rosna; ++j)
            rosna = x[j - 1] < x[j];
    }
    return rosna;
}

} // namespace

float wspolrzedna(int kolumna, int lewy, float skala, float poczatek) { return float(kolumna - lewy) / skala + poczatek; }

float wspolrzedna(int kolumna) { return wspolrzedna(kolumna, 25, sx, x0); }

std::string tekst_wspolrzednej(float wx, std::size_t najwiecej)
{
    if (!(wx >= 0.0f))
        return "x=";
    const std::string tekst = printf_liczby("x=%5.2f", double(wx));
    for (int cyfry = 9; tekst.size() > najwiecej && cyfry >= 1; --cyfry) {
        const std::string krotszy = "x=" + printf_liczby(("%." + std::to_string(cyfry) + "g").c_str(), double(wx));
        if (krotszy.size() <= najwiecej)
            return krotszy;
    }
    return tekst;
}

// With increasing coordinates at most one interval holds wx and a binary
// search finds it; any other bar is scanned from its last element down.
int element_pod(float wx)
{
    if (Pusty)
        return 0;
    if (wspolrzedne_rosna()) {
        const float* poczatek = x + 1;
        const float* nastepny = std::upper_bound(poczatek, poczatek + il_wezl, wx); // first node right of wx
        const int i = int(nastepny - x);                             // node i closes the interval
        return i >= 2 && i <= il_wezl ? i - 1 : 0;
    }
    for (int i = il_wezl; i >= 2; --i)
        if (x[i - 1] <= wx && wx < x[i])
            return i - 1;
    return 0;
}

std::string tekst_naprezenia(float wx)
{
    const int j = element_pod(wx);
    return j ? printf_liczby("napr=%8.1f", double(stress[j])) : "brak danych";
}
