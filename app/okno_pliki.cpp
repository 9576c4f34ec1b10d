#include "okno.h"

#include "m1d.h"
#include "model.h"
#include "plik_do_zapisu.h"
#include "teksty.h"

#include <QFile>

// The current model stays until a file has been read whole and accepted: a
// cancelled dialog or a bad file loses nothing.
void _OKNO_::Cm_Otworz()
{
    zamknij_tabele();
    if (const auto sciezka = rozmowa_->wybierz_plik(_ROZMOWA_::Wybor::otworz, *_plik_))
        wczytaj_model(*sciezka);
}

// A refused file keeps the message users know; which file it was and why
// go behind the box's details button.
void _OKNO_::wczytaj_model(const QString& sciezka)
{
    WynikOdczytu odczyt = czytaj_plik_m1d(QFile::encodeName(sciezka).toStdString());
    if (odczyt.stan == Odczyt::nie_mozna_otworzyc)
        return blad_dyskowy(teksty::nie_mozna_otworzyc, sciezka, odczyt.powod);
    if (odczyt.stan != Odczyt::ok)
        return blad_dyskowy(teksty::bledny_plik, sciezka, odczyt.powod);
    zastap_model(odczyt.tablice, odczyt.naprawione);
}

void _OKNO_::Cm_Zapisz()
{
    if (Pusty)
        return;
    if (const auto sciezka = rozmowa_->wybierz_plik(_ROZMOWA_::Wybor::zapisz, *_plik_))
        zapisz_model(*sciezka);
}

// Through the safe writer: the old file stays intact unless the whole new one
// was written, and what is not a regular file is never replaced.
void _OKNO_::zapisz_model(const QString& sciezka)
{
    std::string powod;
    const Tablice model = biezace_tablice();
    if (!zapisz_bezpiecznie(
            QFile::encodeName(sciezka).toStdString(),
            [&model](const Ujscie& ujscie) { return zapisz_m1d(model, ujscie); }, &powod))
        blad_dyskowy(teksty::nie_mozna_zapisac, sciezka, powod);
}

void _OKNO_::blad_dyskowy(const char* tekst, const QString& sciezka, const std::string& powod)
{
    rozmowa_->komunikat(tekst, teksty::blad_dyskowy, _ROZMOWA_::Ikona::wykrzyknik,
                        sciezka + ": " + QString::fromStdString(powod));
}
