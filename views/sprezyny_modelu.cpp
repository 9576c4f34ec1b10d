#include "sprezyny_modelu.h"

#include "model.h"
#include "zmiana.h"

#include <cstdint>

const std::vector<int>& wezly_ze_sprezynami()
{
    struct Klucz {
        int pokolenie = -1, il_wezl = 0;
        const float* ks = nullptr;
        std::uint64_t zmiany = 0;
        bool operator==(const Klucz&) const = default;
    };
    static Klucz klucz;
    static std::vector<int> wezly;
    const Klucz teraz{pokolenie_modelu, il_wezl, ks, licznik_zmian()};
    if (teraz != klucz) {
        klucz = teraz;
        wezly.clear();
        for (int j = 1; ks && j <= il_wezl; ++j)
            if (ks[j] != 0.0f)
                wezly.push_back(j);
    }
    return wezly;
}
