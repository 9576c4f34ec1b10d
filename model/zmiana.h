#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// One edit of the held model, kept as the few values it changed, each before
// and after: undone and done again in time and memory that do not depend on
// the size of the model. An edit belongs to the model that was current when
// it was begun, and is never applied to another one.

// qx and ks are cells of every model: one whose array is still null holds 0
// there, and gets the array (all 0) when an edit first writes into it.
enum class Wielkosc : std::uint8_t { x, a, e, alp, dt, si, nu, u, il_obciaz, qx, ks };

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
    // the model untouched, when the held model is not the edit's own, lacks
    // one of its cells, or has no memory for an array the edit needs. An
    // array the edit had to make is released again by undoing it, so that
    // the model is the one it was, down to the arrays it has.
    [[nodiscard]] bool wykonaj();
    [[nodiscard]] bool cofnij();

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
    Komorka* znajdz(Wielkosc co, int indeks);
    bool przydziel_tablice();
    void zwolnij_przydzielone();

    static constexpr std::size_t ile_wielkosci = std::size_t(Wielkosc::ks) + 1;

    int pokolenie_;
    bool niewazna_ = false;
    std::vector<Komorka> komorki_;
    // Per quantity, the highest index among the cells: an edit of a whole
    // bar, cell after cell upwards, is made in time linear in its size.
    std::array<int, ile_wielkosci> najwyzszy_{};
    bool przydzielone_qx_ = false, przydzielone_ks_ = false;
};

// Whether `co`[indeks] is a cell of the model held now.
bool jest_komorka(Wielkosc co, int indeks);

// Counts the edits done and undone: what is derived from the held model's
// values and kept (with pokolenie_modelu) is stale once it moves.
std::uint64_t licznik_zmian();
// The held model's structure changed (przebudowa.h): counted as an edit.
void zaznacz_zmiane();
