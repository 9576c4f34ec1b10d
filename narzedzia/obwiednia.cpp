#include "obwiednia.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr double brak_min = std::numeric_limits<double>::infinity();
}

Obwiednia::Obwiednia(int kolumny) : rozmiar_(1), kolumn_(std::max(kolumny, 1))
{
    while (rozmiar_ < kolumn_)
        rozmiar_ *= 2;
    min_.assign(std::size_t(2 * rozmiar_), brak_min);
    max_.assign(std::size_t(2 * rozmiar_), -brak_min);
}

// A segment tree without propagation: a range marks O(log n) nodes, and a
// column's range is the union of the marks on its way to the root.
void Obwiednia::dodaj(int c1, int c2, double lo, double hi)
{
    if (c1 > c2)
        std::swap(c1, c2);
    c1 = std::max(c1, 0);
    c2 = std::min(c2, kolumn_ - 1);
    if (c1 > c2)
        return;
    for (int l = c1 + rozmiar_, r = c2 + rozmiar_ + 1; l < r; l /= 2, r /= 2) {
        if (l & 1) {
            min_[std::size_t(l)] = std::min(min_[std::size_t(l)], lo);
            max_[std::size_t(l)] = std::max(max_[std::size_t(l)], hi);
            ++l;
        }
        if (r & 1) {
            --r;
            min_[std::size_t(r)] = std::min(min_[std::size_t(r)], lo);
            max_[std::size_t(r)] = std::max(max_[std::size_t(r)], hi);
        }
    }
}

std::vector<Obwiednia::Kolumna> Obwiednia::kolumny() const
{
    std::vector<double> mn = min_, mx = max_;
    for (std::size_t w = 2; w < mn.size(); ++w) {
        mn[w] = std::min(mn[w], mn[w / 2]);
        mx[w] = std::max(mx[w], mx[w / 2]);
    }
    std::vector<Kolumna> k(static_cast<std::size_t>(kolumn_));
    for (int c = 0; c < kolumn_; ++c) {
        const std::size_t w = std::size_t(c + rozmiar_);
        if (mn[w] <= mx[w])
            k[std::size_t(c)] = {true, mn[w], mx[w]};
    }
    return k;
}
