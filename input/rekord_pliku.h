#pragma once

#include <QString>

// The record shared by the open and save dialogs: the name chosen in one is
// proposed by the next dialog of either kind.
struct RekordPliku {
    QString filtr = "Pliki ZENTA (*.M1D);;Modele tekstowe (*.txt)";
    QString rozszerzenie = "M1D"; // added to a name typed without one
    QString katalog;              // empty: the platform's default
    QString nazwa;                // the full path last chosen; no length limit
};
