#include "bloki.h"

#include <malloc.h>
#include <sys/mman.h>

#include <array>
#include <cstdlib>
#include <mutex>

namespace {

constexpr std::size_t duza_strona = std::size_t{2} << 20;
constexpr std::size_t duzy_blok = 2 * duza_strona;

// Freed large blocks, up to a bound, so that the memory of a released model
// serves the next one.
class Pula {
public:
    void* wez(std::size_t bajty)
    {
        const std::lock_guard blokada(mutex_);
        int najlepszy = -1;
        for (int k = 0; k < ile_; ++k) {
            const bool pasuje = bloki_[k].rozmiar >= bajty && bloki_[k].rozmiar - bajty <= bajty / 4;
            if (pasuje && (najlepszy < 0 || bloki_[k].rozmiar < bloki_[najlepszy].rozmiar))
                najlepszy = k;
        }
        if (najlepszy < 0)
            return nullptr;
        void* blok = bloki_[najlepszy].adres;
        suma_ -= bloki_[najlepszy].rozmiar;
        bloki_[najlepszy] = bloki_[--ile_];
        return blok;
    }

    bool oddaj(void* blok, std::size_t rozmiar)
    {
        const std::lock_guard blokada(mutex_);
        if (ile_ == int(bloki_.size()) || suma_ + rozmiar > najwiecej_bajtow)
            return false;
        bloki_[ile_++] = {blok, rozmiar};
        suma_ += rozmiar;
        return true;
    }

private:
    static constexpr std::size_t najwiecej_bajtow = std::size_t{1} << 30;
    struct Blok {
        void* adres;
        std::size_t rozmiar;
    };
    std::array<Blok, 32> bloki_{};
    int ile_ = 0;
    std::size_t suma_ = 0;
    std::mutex mutex_;
};

Pula& pula()
{
    static Pula p;
    return p;
}

} // namespace

void* przydziel_blok(std::size_t bajty)
{
    if (bajty < duzy_blok)
        return std::malloc(bajty);
    if (void* z_puli = pula().wez(bajty))
        return z_puli;
    const std::size_t zaokraglone = (bajty + duza_strona - 1) / duza_strona * duza_strona;
    void* blok = std::aligned_alloc(duza_strona, zaokraglone);
    if (blok)
        madvise(blok, zaokraglone, MADV_HUGEPAGE);
    return blok;
}

void zwolnij_blok(void* blok)
{
    if (!blok)
        return;
    const std::size_t rozmiar = malloc_usable_size(blok);
    if (rozmiar < duzy_blok || !pula().oddaj(blok, rozmiar))
        std::free(blok);
}
