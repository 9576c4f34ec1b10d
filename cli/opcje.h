#pragma once

#include "wykres.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

// The command line of zenta-oblicz, taken apart and checked.

enum class Tryb { pomoc, obliczenia, sprawdzenie, do_tekstu, z_tekstu };
enum class Format { wyniki, dane, json, csv, szczegoly };

struct Polecenie {
    Tryb tryb = Tryb::obliczenia;
    QString model;
    QString wyjscie; // -o, for the conversions
    Format format = Format::wyniki;
    bool wypisz = true; // something goes to standard output
    bool bilans = false;
    QString rysunek; // empty: none
    bool napr = false;
    QSize rozmiar{1280, 800};
    std::vector<std::pair<RodzajWykresu, QString>> wykresy;
    QString raport; // empty: none
};

struct Rozbior {
    std::optional<Polecenie> polecenie; // empty: a usage error, see blad
    QString blad;
    QString pomoc; // the text of --pomoc, or of --wersja
};

Rozbior rozbierz(const QStringList& argumenty);
