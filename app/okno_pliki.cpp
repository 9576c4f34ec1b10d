// Files: opening and saving M1D files and text models, following the file a
// model came from as it changes on disk, and saving the picture and the report.

#include "okno.h"

#include "m1d.h"
#include "model.h"
#include "obraz_pliku.h"
#include "plik_do_zapisu.h"
#include "plik_modelu.h"
#include "raport.h"
#include "rysunek.h"
#include "teksty.h"
#include "tekst_modelu.h"

#include <QFile>
#include <QFileInfo>

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
    WynikOdczytu odczyt = czytaj_plik_modelu(QFile::encodeName(sciezka).toStdString());
    if (odczyt.stan == Odczyt::nie_mozna_otworzyc)
        return blad_dyskowy(teksty::nie_mozna_otworzyc, sciezka, odczyt.powod);
    if (odczyt.stan != Odczyt::ok)
        return blad_dyskowy(teksty::bledny_plik, sciezka, odczyt.powod);
    zastap_model(odczyt.tablice, odczyt.naprawione);
    if (!Pusty)
        obserwator_.obserwuj(sciezka);
}

void _OKNO_::Cm_Zapisz()
{
    if (Pusty)
        return;
    if (const auto sciezka = rozmowa_->wybierz_plik(_ROZMOWA_::Wybor::zapisz, *_plik_))
        zapisz_model(*sciezka);
}

// Through the safe writer: the old file stays intact unless the whole new one
// was written, and what is not a regular file is never replaced. A name
// ending in .txt gets a text model. The saved file is the one followed from
// now on, and what the window held is no edit of its own any more.
void _OKNO_::zapisz_model(const QString& sciezka)
{
    std::string powod;
    const Tablice model = biezace_tablice();
    const std::string nazwa = QFile::encodeName(sciezka).toStdString();
    const bool tekst = nazwa_modelu_tekstowego(nazwa);
    const auto tresc = [&model, tekst](const Ujscie& ujscie) {
        if (!tekst)
            return zapisz_m1d(model, ujscie);
        Strumien s(ujscie);
        return zapisz_tekst_modelu(model, {}, s);
    };
    if (!zapisz_bezpiecznie(nazwa, tresc, &powod))
        return blad_dyskowy(teksty::nie_mozna_zapisac, sciezka, powod);
    if (QFileInfo(sciezka).isFile()) {
        obserwator_.obserwuj(sciezka);
        historia_.setClean();
    }
}

void _OKNO_::blad_dyskowy(const char* tekst, const QString& sciezka, const std::string& powod)
{
    rozmowa_->komunikat(tekst, teksty::blad_dyskowy, _ROZMOWA_::Ikona::wykrzyknik,
                        sciezka + ": " + QString::fromStdString(powod));
}

// Never two reads at once: a change that comes while one is under way (its
// question or its analysis let events through) is read once more after it.
void _OKNO_::plik_zmieniony()
{
    if (czytam_plik_) {
        jeszcze_raz_ = true;
        return;
    }
    czytam_plik_ = true;
    do {
        jeszcze_raz_ = false;
        wczytaj_ponownie();
    } while (jeszcze_raz_ && !obserwator_.sciezka().isEmpty());
    czytam_plik_ = false;
}

// As "Otwórz" would read it, keeping the view switches and the open table
// windows. A file that cannot be read now (an editor halfway through writing
// it) keeps the model, without a word, until it changes again.
void _OKNO_::wczytaj_ponownie()
{
    const QString sciezka = obserwator_.sciezka();
    obserwator_.widziany();
    WynikOdczytu odczyt = czytaj_plik_modelu(QFile::encodeName(sciezka).toStdString());
    if (odczyt.stan != Odczyt::ok)
        return;
    if (!historia_.isClean() &&
        !rozmowa_->pytanie(QString(teksty::plik_zmieniony).arg(QFileInfo(sciezka).fileName()), teksty::tytul_programu)) {
        zwolnij_tablice(odczyt.tablice);
        return;
    }
    zastap_model(odczyt.tablice, odczyt.naprawione, Okna::zostaw);
    if (!Pusty)
        obserwator_.obserwuj(sciezka);
}

// The picture as the window shows it now: its size, the stress switch and the
// outline mode.
void _OKNO_::Cm_Rysunek()
{
    if (Pusty)
        return;
    const auto sciezka = rozmowa_->wybierz_plik(_ROZMOWA_::Wybor::zapisz, plik_rysunku_);
    if (!sciezka)
        return;
    const ObrazWidoku obraz = rysuj(UstawieniaWidoku{p_napr, p_przem, &knapr}, width(), height());
    std::string powod;
    if (!zapisz_obraz(QFile::encodeName(*sciezka).toStdString(), obraz.rysunek, width(), height(), powod))
        blad_dyskowy(teksty::nie_mozna_zapisac, *sciezka, powod);
}

// The report of zenta-oblicz --raport, named after the model's file.
void _OKNO_::Cm_Raport()
{
    if (Pusty)
        return;
    const auto sciezka = rozmowa_->wybierz_plik(_ROZMOWA_::Wybor::zapisz, plik_raportu_);
    if (!sciezka)
        return;
    const QString model = obserwator_.sciezka().isEmpty() ? QString("model") : QFileInfo(obserwator_.sciezka()).fileName();
    std::string powod;
    const auto tresc = [&model](const Ujscie& ujscie) {
        Strumien s(ujscie);
        return zapisz_raport(s, QFile::encodeName(model).toStdString(), {});
    };
    if (!zapisz_bezpiecznie(QFile::encodeName(*sciezka).toStdString(), tresc, &powod))
        blad_dyskowy(teksty::nie_mozna_zapisac, *sciezka, powod);
}
