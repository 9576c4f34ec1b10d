#pragma once

#include <cstdint>
#include <vector>

// One edit of the held model, kept as the few values it changed, each before
// and after: undone and done again in time and memory that do not depend on
// the size of the model.

enum class Wielkosc : std::uint8_t { x, a, e, alp, dt, si, nu, u, il_obciaz };

class Zmiana {
public:
    // The value that `co`[indeks] is to take (il_obciaz: indeks unused); the
    // value it has now is kept for undoing. A value equal to the present one,
    // bit for bit, is no change and is not kept.
    void ustaw(Wielkosc co, int indeks, float nowa);
    void ustaw(Wielkosc co, int indeks, int nowa);

    // The new values into the held model (Pusty false), or the old ones back.
    void wykonaj() const;
    void cofnij() const;

    bool pusta() const { return komorki_.empty(); }

private:
    struct Komorka {
        Wielkosc co;
        int indeks;
        std::uint32_t przed, po; // the bits of a float or an int
    };
    void zapisz(Wielkosc co, int indeks, std::uint32_t nowa);

    std::vector<Komorka> komorki_;
};
