#pragma once

#include "lista.h"
#include "tabele.h"

#include <QAbstractScrollArea>

#include <cstdio>

// A table window: light grey, scrolled in steps of 10 pixels (30 steps
// across, (40·il_elem + 80) / 10 down, more where the rows reach further),
// painting only the rows inside its viewport.
class OknoTabeli : public QAbstractScrollArea {
public:
    // A window with an owner stays above the owner's window and closes with it.
    OknoTabeli(QWidget* wlasciciel, const QString& tytul, const QSize& rozmiar);

    // Every open table window, the ones opened before the newest too, repaints
    // with the model held now.
    static void odswiez_wszystkie();

    // Pixels per vertical scroll step: 10, more for a table so tall that its
    // steps would not fit an int.
    int krok_pionowy() const { return krok_pionowy_; }
    // The viewport's place in the unscrolled table.
    tabele::Widok widok() const;

protected:
    // The table's picture for a viewport; called only while a model is held.
    virtual Rysunek uklad(const tabele::Widok& widok) const = 0;
    virtual std::int64_t wysokosc_tresci() const = 0;
    // The whole table as tab-separated text (Ctrl+C).
    virtual bool wypisz(std::FILE* out) const = 0;
    // Painting while no model is held (the window stays blank).
    virtual void bez_modelu() {}
    virtual void z_modelem() {}

    void paintEvent(QPaintEvent* zdarzenie) override;
    void resizeEvent(QResizeEvent* zdarzenie) override;
    // Home/End scroll to the first and last rows, Ctrl+Home/Ctrl+End to the
    // table's corners; Ctrl+C copies the whole table for a spreadsheet.
    void keyPressEvent(QKeyEvent* zdarzenie) override;

private:
    void ustaw_zakresy();
    void kopiuj() const;

    int krok_pionowy_ = 10;
};
