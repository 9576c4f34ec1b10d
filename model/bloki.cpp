#include "bloki.h"

#include <sys/mman.h>

#include <cstdlib>

namespace {

constexpr std::size_t duza_strona = std::size_t{2} << 20;
constexpr std::size_t duzy_blok = 2 * duza_strona;

} // namespace

void* przydziel_blok(std::size_t bajty)
{
    if (bajty < duzy_blok)
        return std::malloc(bajty);
    const std::size_t zaokraglone = (bajty + duza_strona - 1) / duza_strona * duza_strona;
    void* blok = std::aligned_alloc(duza_strona, zaokraglone);
    if (blok)
        madvise(blok, zaokraglone, MADV_HUGEPAGE);
    return blok;
}

void zwolnij_blok(void* blok) { std::free(blok); }
