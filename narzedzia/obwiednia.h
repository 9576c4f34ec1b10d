#pragma once

#include <vector>

// The lowest and highest value of a function over each pixel column, built
// from pieces that each cover a range of columns. Bounded work whatever the
// pieces: a range costs O(log columns).
class Obwiednia {
public:
    explicit Obwiednia(int kolumny);

    // Values lo..hi reach every column from c1 to c2 (inclusive, any order, clipped).
    void dodaj(int c1, int c2, double lo, double hi);

    struct Kolumna {
        bool jest = false;
        double min = 0, max = 0;
    };
    // Every column's range (call once, after the last dodaj).
    std::vector<Kolumna> kolumny() const;

private:
    int rozmiar_; // leaves, a power of two
    int kolumn_;
    std::vector<double> min_, max_;
};
