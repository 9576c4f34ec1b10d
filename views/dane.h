#pragma once

#include "okno_tabeli.h"

// "Dane do obliczeń": the input data of the current model.
class _DANE_ : public OknoTabeli {
public:
    explicit _DANE_(QWidget* okno);

protected:
    Rysunek uklad(const tabele::Widok& widok) const override;
    std::int64_t wysokosc_tresci() const override;
    bool wypisz(std::FILE* out) const override;
};
