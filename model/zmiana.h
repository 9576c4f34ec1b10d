#pragma once

#include <cstdint>
#include <vector>

// One edit of the held model, kept as the few values it changed, each before
// and after: undone and done again in time and memory that do not depend on
// the size of the model. An edit belongs to the model that was current when
// it was begun, and is never applied to another one.

enum class Wielkosc : std::uint8_t { x, a, e, alp, dt, si, nu, u, il_obciaz };

class Zmiana {
public:
    // For the model current now (Pusty false).
    Zmiana();

    // The value that `co`[indeks] is to take (il_obciaz: indeks unused); the
    // value it has now is kept for undoing. A value equal to the present one,
    // bit for bit, is no change and is not kept. A cell the model does not
    // have, or a model other than the edit's own, makes the edit void.
    void ustaw(Wielkosc co, int indeks, float nowa);
    void ustaw(Wielkosc co, int indeks, int nowa);

    // The new values into the held model, or the old ones back; false, with
    // the model untouched, when the held model is not the edit's own or lacks
    // one of its cells.
    [[nodiscard]] bool wykonaj() const;
    [[nodiscard]] bool cofnij() const;

    bool pusta() const { return komorki_.empty() && !niewazna_; }
    // Whether the edit still fits the model held now.
    bool pasuje() const;

private:
    struct Komorka {
        Wielkosc co;
        int indeks;
        std::uint32_t przed, po; // the bits of a float or an int
    };
    void zapisz(Wielkosc co, int indeks, std::uint32_t nowa);

    int pokolenie_;
    bool niewazna_ = false;
    std::vector<Komorka> komorki_;
};

// Whether `co`[indeks] is a cell of the model held now.
bool jest_komorka(Wielkosc co, int indeks);
