#pragma once

#include "okno_tabeli.h"

#include <functional>

// "Wyniki obliczeń": the results of the current model. Painted while no model
// is held, it says so once per emptied model (through `zglos_brak_modelu`,
// after the paint) and stays blank.
class _WYNIKI_ : public OknoTabeli {
public:
    explicit _WYNIKI_(std::function<void()> zglos_brak_modelu);

protected:
    Rysunek uklad(const tabele::Widok& widok) const override;
    std::int64_t wysokosc_tresci() const override;
    bool wypisz(std::FILE* out) const override;
    void bez_modelu() override;
    void z_modelem() override { zgloszono_ = false; }

private:
    std::function<void()> zglos_brak_modelu_;
    bool zgloszono_ = false;
};
