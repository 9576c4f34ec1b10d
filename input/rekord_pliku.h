#pragma once

#include <QString>

// The record shared by the open and save dialogs: the name chosen in one is
// proposed by the next dialog of either kind.
struct RekordPliku {
    QString filtr = "Pliki ZENTA (*.M1D);;Modele tekstowe (*.txt)";
    QString rozszerzenie = "M1D"; // added to a name typed without one
    QString katalog;              // empty: the platform's default
    QString nazwa;                // the full path last chosen; no length limit
    QString wybrany_filtr;        // the filter chosen with it
};

// The ending a filter such as "Rysunek SVG (*.svg)" names ("svg"), or
// `domyslna` when it names none.
inline QString koncowka_filtra(const QString& filtr, const QString& domyslna = {})
{
    const qsizetype gwiazdka = filtr.lastIndexOf("*.");
    if (gwiazdka < 0)
        return domyslna;
    return filtr.mid(gwiazdka + 2).chopped(filtr.endsWith(')') ? 1 : 0);
}
