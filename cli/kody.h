#pragma once

#include <QString>

#include <string>

// Exit statuses of zenta-oblicz.
enum KodWyjscia {
    sukces = 0,
    brak_pamieci = 1,
    zle_wywolanie = 2,
    nie_mozna_otworzyc = 3,
    bledny_plik = 4,
    blad_zapisu = 5,
    model_z_usterkami = 6,   // --sprawdz found something wrong
    wyniki_nieliczbowe = 7,  // the analysis gave results that are not finite numbers
    poza_m1d = 8,            // --z-tekstu: the model has what an M1D file cannot hold
};

// Writes the message to standard error, control characters shown as \xNN,
// and answers the status.
int blad(const std::string& tekst, int kod);

// "Nie można zapisać do pliku: NAME: why" (the name as it was given; "-" is
// standard output).
int blad_pliku(const char* tekst, const QString& plik, const std::string& powod, int kod);
