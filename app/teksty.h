#pragma once

#include "wersja.h"

// Every fixed text of the desktop program that is not in a menu or a dialog template.

namespace teksty {

inline constexpr const char* tytul_programu = "ZENTA";

inline constexpr const char* uwaga = "UWAGA";
inline constexpr const char* nie_zwolnil_pusty = "Nie zwolnił Pusty=TRUE!";
inline constexpr const char* nie_zwolnil_pamieci = "Nie zwolnił pamięci!!";

inline constexpr const char* blad_dyskowy = "Błąd operacji dyskowej";
inline constexpr const char* nie_mozna_otworzyc = "Nie można otworzyć pliku";
inline constexpr const char* bledny_plik = "Błędny plik z danymi";
inline constexpr const char* nie_mozna_zapisac = "Nie można zapisać do pliku";

inline constexpr const char* zakonczyc = "Zakończyć działanie programu ?";

inline constexpr const char* o_programie_tytul = "O programie...";
inline constexpr const char* o_programie = "ZENTA v" ZENTA_WERSJA "\n"
                                           "MES dla prętów rozciąganych i ściskanych.\n"
                                           "Zespół ZENTA, 2026\n"
                                           "\n"
                                           "https://zenta.example.org";

// Handed to the desktop first when it stands in the working directory.
inline constexpr const char* plik_pomocy = "velu.chm";

// When the file of the held model changed on disk and the window holds edits of its own; %1: its name.
inline constexpr const char* plik_zmieniony =
    "Plik %1 zmienił się na dysku.\n"
    "Wczytać go ponownie? Zmiany wprowadzone w oknie zostaną utracone.";

// Before unsaved edits would be dropped; %1: the file the model came from.
inline constexpr const char* zapisac_zmiany_w_pliku =
    "Zapisać zmiany w pliku %1?\n"
    "Bez zapisu zmiany wprowadzone w oknie zostaną utracone.";
inline constexpr const char* zapisac_zmiany =
    "Zapisać zmieniony model?\n"
    "Bez zapisu zmiany wprowadzone w oknie zostaną utracone.";

// "Zapisz Jako" (or saving before edits would go) into an M1D file of a model
// with what it cannot hold; %1: what ("obciążeń ciągłych", "sprężyn" or both),
// %2: the text model's name offered instead.
inline constexpr const char* m1d_nie_pomiesci = "Plik M1D nie pomieści %1.\n"
                                                "Zapisać model jako model tekstowy %2?";
inline constexpr const char* zostanie_zastapiony = "Plik %1 już istnieje i zostanie zastąpiony.";

// An edit whose model was replaced while its dialog was open.
inline constexpr const char* zmiana_odrzucona =
    "Zmiana nie została wprowadzona: model w oknie został w tym czasie zastąpiony innym.";

// A change of the bar's structure for which no memory could be had.
inline constexpr const char* brak_pamieci_na_przebudowe =
    "Zmiana nie została wprowadzona: zabrakło pamięci na model o nowej liczbie elementów lub podpór.";

// The followed file's state, in the frame's title after its name.
inline constexpr const char* plik_zniknal = "brak pliku na dysku";
inline constexpr const char* plik_nieczytelny = "nie można go wczytać (%1)";

inline constexpr const char* obliczenia = "Obliczenia";
inline constexpr const char* wspolrzedna_x = "Współrzędna X";

inline constexpr const char* pusty_wyniki = "PUSTY jest TRUE !";
inline constexpr const char* pusty_wyniki_tytul = "Błąd wejścia do klasy WYNIKI";

// After an analysis whose results are not all numbers; %1: the first of them.
// Their causes follow, one a paragraph.
inline constexpr const char* wyniki_nieliczbowe =
    "Obliczenia dały wyniki, które nie są liczbami: %1.\nSprawdzenie modelu wskazuje przyczynę:";
// After an open or a completed wizard; the faults follow, one a paragraph.
inline constexpr const char* usterki_wynikow =
    "Sprawdzenie modelu znalazło usterki, przez które pokazane wyniki mogą nie być wynikami tego pręta:";

inline constexpr const char* zmienic_przekroj = "Zmienić parametry przekroju ?";
inline constexpr const char* utworzyc_nowe = "Utworzyć nowe dane ?";

} // namespace teksty
