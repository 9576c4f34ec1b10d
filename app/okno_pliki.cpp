#include "okno.h"

#include "m1d.h"
#include "model.h"
#include "teksty.h"

#include <QFile>
#include <QSaveFile>

// The current model stays until a file has been read whole and accepted: a
// cancelled dialog or a bad file loses nothing.
void _OKNO_::Cm_Otworz()
{
    zamknij_tabele();
    if (const auto sciezka = rozmowa_->wybierz_plik(_ROZMOWA_::Wybor::otworz, *_plik_))
        wczytaj_model(*sciezka);
}

void _OKNO_::wczytaj_model(const QString& sciezka)
{
    WynikOdczytu odczyt = czytaj_plik_m1d(QFile::encodeName(sciezka).toStdString());
    if (odczyt.stan == Odczyt::nie_mozna_otworzyc)
        return blad_dyskowy(teksty::nie_mozna_otworzyc);
    if (odczyt.stan != Odczyt::ok)
        return blad_dyskowy(teksty::bledny_plik);
    zastap_model(odczyt.tablice, odczyt.naprawione);
}

void _OKNO_::Cm_Zapisz()
{
    if (Pusty)
        return;
    if (const auto sciezka = rozmowa_->wybierz_plik(_ROZMOWA_::Wybor::zapisz, *_plik_))
        zapisz_model(*sciezka);
}

// Through a temporary file: the old file stays intact unless the whole new one
// was written. Unbuffered, so that every short write is seen: a buffered
// QSaveFile commits a file cut short by a full disk as if it were whole.
void _OKNO_::zapisz_model(const QString& sciezka)
{
    QSaveFile plik(sciezka);
    if (!plik.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return blad_dyskowy(teksty::nie_mozna_zapisac);
    const bool zapisano = zapisz_m1d(biezace_tablice(), [&plik](const void* dane, std::size_t bajty) {
        return plik.write(static_cast<const char*>(dane), qint64(bajty)) == qint64(bajty);
    });
    if (!zapisano) {
        plik.cancelWriting(); // the temporary file goes with the object
        return blad_dyskowy(teksty::nie_mozna_zapisac);
    }
    if (!plik.commit())
        blad_dyskowy(teksty::nie_mozna_zapisac);
}

void _OKNO_::blad_dyskowy(const char* tekst)
{
    rozmowa_->komunikat(tekst, teksty::blad_dyskowy, _ROZMOWA_::Ikona::wykrzyknik);
}
