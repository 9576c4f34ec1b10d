#pragma once

#include "wykres.h"

#include <QLabel>
#include <QWidget>

#include <optional>

// "Wykresy": N(x), σ(x) and u(x) of the current model one above the other,
// the deformed shape under them, and a line at the bottom saying what the
// pointer is over. Owned by the main view (it stays above the frame and
// closes with it); drawn at its size and the screen's pixel ratio, and made
// again only when its size or the model's results change.
class OknoWykresow : public QWidget {
public:
    explicit OknoWykresow(QWidget* wlasciciel);

    // Every open diagrams window draws the results held now; when no model is
    // held once the events of the moment are done, it closes.
    static void odswiez_wszystkie();

    // The read-out line (what the pointer is over).
    QString odczyt() const { return odczyt_->text(); }
    // The drawing area, where the pointer is read.
    QWidget* pole() const;

private:
    class Pole;
    void odswiez();

    Pole* pole_;
    QLabel* odczyt_;
};
