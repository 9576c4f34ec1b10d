#pragma once

#include <span>

class _OKNO_;
class Wlacznik;

// The main view's table of handlers: command id, handler, enabler (or none).
struct Polecenie {
    int id;
    void (_OKNO_::*obsluga)();
    void (_OKNO_::*wlacznik)(Wlacznik&);
};

std::span<const Polecenie> polecenia_okna();

// The entry of command `id`, or nullptr.
const Polecenie* znajdz_polecenie(int id);
