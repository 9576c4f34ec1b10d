#pragma once

#include "rekord_pliku.h"
#include "rekordy.h"

#include <QString>
#include <QStringList>

#include <optional>

// Every modal exchange with the user goes through this seam (and the one hand-off
// to the desktop): the program uses message boxes and dialogs, the tests a script
// of answers.
class _ROZMOWA_ {
public:
    enum class Ikona { pytanie, wykrzyknik };
    enum class Wybor { otworz, zapisz };
    enum class Odpowiedz { tak, nie, anuluj };

    virtual ~_ROZMOWA_() = default;

    // Yes/No message box with a question icon; true for Yes. Enter chooses
    // Yes, or No when `domyslnie_tak` is false (the answer that keeps the
    // user's work).
    virtual bool pytanie(const QString& tekst, const QString& tytul, bool domyslnie_tak) = 0;
    bool pytanie(const QString& tekst, const QString& tytul) { return pytanie(tekst, tytul, true); }

    // Whether to save the user's unsaved work before it is dropped: "Tak"
    // (Enter), "Nie" or "Anuluj" (Escape).
    virtual Odpowiedz pytanie_o_zapis(const QString& tekst, const QString& tytul) = 0;

    // Message box with one OK button; `szczegoly`, when not empty, behind the
    // box's details button (why a file was refused).
    virtual void komunikat(const QString& tekst, const QString& tytul, Ikona ikona, const QString& szczegoly) = 0;
    void komunikat(const QString& tekst, const QString& tytul, Ikona ikona) { komunikat(tekst, tytul, ikona, {}); }

    // Runs the data-entry dialog of the record (its `szablon`) on the record,
    // which "OK" rewrites and "Anuluj" leaves as it was; true for "OK". The
    // field with control id `wskazane` opens focused with its text selected
    // (pierwsze_pole: the first editable field).
    virtual bool dialog(d_dane_pods& dane, int wskazane) = 0;
    virtual bool dialog(d_dane_przek& danep, int wskazane) = 0;
    virtual bool dialog(d_wsp& danew, int wskazane) = 0;
    virtual bool dialog(d_wymusz& danewy, int wskazane) = 0;
    // `staly_wezel`: the node number shown read-only (editing one node's force).
    virtual bool dialog(d_sily& danes, int wskazane, bool staly_wezel) = 0;
    bool dialog(d_sily& danes, int wskazane) { return dialog(danes, wskazane, false); }
    virtual bool dialog(d_obc_ciagle& dane, int wskazane) = 0;
    virtual bool dialog(d_ciezar& dane, int wskazane) = 0;
    // `staly_wezel`: the node number shown read-only (a spring of the data window).
    virtual bool dialog(d_sprezyna& dane, int wskazane, bool staly_wezel) = 0;
    virtual bool dialog(d_podzial& dane, int wskazane) = 0;
    virtual bool dialog(d_zlaczenie& dane, int wskazane) = 0;
    virtual bool dialog(d_nowy_element& dane, int wskazane) = 0;
    virtual bool dialog(d_usuniecie_podpory& dane, int wskazane) = 0;
    virtual bool dialog(d_podzial_kazdego& dane, int wskazane) = 0;

    // The open or save dialog on the shared record; the chosen full path, or
    // nothing when the dialog was cancelled. A chosen path is also stored in
    // the record, so the next dialog of either kind proposes it.
    virtual std::optional<QString> wybierz_plik(Wybor wybor, RekordPliku& plik) = 0;

    // Shows help: the first of the documents (names relative to the working
    // directory) that the desktop can open; where none, the manual in the
    // program's own window; never nothing.
    virtual void pokaz_pomoc(const QStringList& dokumenty) = 0;
};
