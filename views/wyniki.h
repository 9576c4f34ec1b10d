#pragma once

#include "okno_tabeli.h"

#include <memory>

class _ROZMOWA_;

// "Wyniki obliczeń": the results of the current model. Painted while no model
// is held, it says so once per emptied model and stays blank.
class _WYNIKI_ : public OknoTabeli {
public:
    explicit _WYNIKI_(std::shared_ptr<_ROZMOWA_> rozmowa);

protected:
    Rysunek uklad(const tabele::Widok& widok) const override;
    std::int64_t wysokosc_tresci() const override;
    void bez_modelu() override;
    void z_modelem() override { zgloszono_ = false; }

private:
    std::shared_ptr<_ROZMOWA_> rozmowa_;
    bool zgloszono_ = false;
};
