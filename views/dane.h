#pragma once

#include "okno_tabeli.h"

#include <functional>

// "Dane do obliczeń": the input data of the current model. A double-click on
// a row asks for that item to be edited, the right button for its menu.
class _DANE_ : public OknoTabeli {
public:
    using Edycja = std::function<void(tabele::WierszDanych)>;
    using Menu = std::function<void(tabele::WierszDanych, QPoint)>; // the row, the global point
    explicit _DANE_(QWidget* okno, Edycja edycja = {}, Menu menu = {});

protected:
    Rysunek uklad(const tabele::Widok& widok) const override;
    std::int64_t wysokosc_tresci() const override;
    bool wypisz(std::FILE* out) const override;
    void mouseDoubleClickEvent(QMouseEvent* zdarzenie) override;
    void contextMenuEvent(QContextMenuEvent* zdarzenie) override;

private:
    Edycja edycja_;
    Menu menu_;
};
