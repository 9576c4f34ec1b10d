// Files: opening and saving M1D files and text models, following the file a
// model came from as it changes on disk, saving the picture and the report,
// and never dropping unsaved edits without asking.

#include "okno.h"

#include "koncowka_nazwy.h"
#include "m1d.h"
#include "model.h"
#include "obraz_pliku.h"
#include "plik_do_zapisu.h"
#include "plik_modelu.h"
#include "raport.h"
#include "rysunek.h"
#include "teksty.h"
#include "tekst_modelu.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

namespace {

std::string nazwa_pliku(const QString& sciezka) { return QFile::encodeName(sciezka).toStdString(); }

// The same name with .txt in place of .M1D (after the name when it has no .M1D).
QString nazwa_tekstowa(const QString& sciezka)
{
    const bool m1d = konczy_sie_na(nazwa_pliku(sciezka), ".m1d");
    return (m1d ? sciezka.chopped(4) : sciezka) + ".txt";
}

} // namespace

// The current model stays until a file has been read whole and accepted: a
// cancelled dialog or a bad file loses nothing.
void _OKNO_::Cm_Otworz()
{
    if (ma_niezapisane_zmiany() && !mozna_porzucic_zmiany())
        return;
    zamknij_tabele();
    if (const auto sciezka = rozmowa_->wybierz_plik(_ROZMOWA_::Wybor::otworz, *_plik_))
        wczytaj_model(*sciezka);
}

void _OKNO_::wczytaj_model(const QString& sciezka)
{
    std::string tekst;
    WynikOdczytu odczyt = czytaj_plik_modelu(nazwa_pliku(sciezka), &tekst);
    if (odczyt.stan != Odczyt::ok)
        return blad_odczytu(odczyt, sciezka);
    if (zastap_model(odczyt.tablice, odczyt.naprawione))
        przyjmij_plik(sciezka, std::move(tekst));
}

// The model now held is the file's: followed, and a text written back in its own layout.
void _OKNO_::przyjmij_plik(const QString& sciezka, std::string tekst)
{
    plik_modelu_ = sciezka;
    tekst_zrodlowy_ = std::move(tekst);
    obserwator_.obserwuj(sciezka);
    pokaz_stan_pliku({});
}

// A refused file keeps the message users know; which file it was and why
// go behind the box's details button.
void _OKNO_::blad_odczytu(const WynikOdczytu& odczyt, const QString& sciezka)
{
    blad_dyskowy(odczyt.stan == Odczyt::bledny_plik ? teksty::bledny_plik : teksty::nie_mozna_otworzyc, sciezka,
                 odczyt.powod);
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
// ending in .txt gets a text model, in the layout of the text the model was
// read from when there is one. The saved file is the one followed from now
// on, and what the window held is no edit of its own any more.
bool _OKNO_::zapisz_model(const QString& sciezka)
{
    std::string powod;
    const Tablice model = biezace_tablice();
    const std::string nazwa = nazwa_pliku(sciezka);
    const bool tekst = nazwa_modelu_tekstowego(nazwa);
    if (!tekst)
        if (const std::string brak = czego_nie_zmiesci_m1d(model); !brak.empty())
            return zapisz_zamiast_m1d(sciezka, brak);
    const auto tresc = [this, &model, tekst](const Ujscie& ujscie) {
        if (!tekst)
            return zapisz_m1d(model, ujscie);
        Strumien s(ujscie);
        return tekst_zrodlowy_.empty() ? zapisz_tekst_modelu(model, {}, s)
                                       : zapisz_tekst_modelu_wedlug(tekst_zrodlowy_, model, s);
    };
    if (!zapisz_bezpiecznie(nazwa, tresc, &powod)) {
        blad_dyskowy(teksty::nie_mozna_zapisac, sciezka, powod);
        return false;
    }
    if (QFileInfo(sciezka).isFile()) {
        plik_modelu_ = sciezka;
        obserwator_.obserwuj(sciezka);
        pokaz_stan_pliku({});
        historia_.setClean();
    }
    return true;
}

// Nothing of the model is dropped to fit an M1D file: nothing goes into it,
// and the text model of the same name is offered in its place (Enter keeps a
// file of that name that would be replaced).
bool _OKNO_::zapisz_zamiast_m1d(const QString& sciezka, const std::string& brak)
{
    const QString tekstowy = nazwa_tekstowa(sciezka), nazwa = QFileInfo(tekstowy).fileName();
    const bool istnieje = QFileInfo::exists(tekstowy);
    QString pytanie = QString(teksty::m1d_nie_pomiesci).arg(QString::fromStdString(brak), nazwa);
    if (istnieje)
        pytanie += "\n" + QString(teksty::zostanie_zastapiony).arg(nazwa);
    return rozmowa_->pytanie(pytanie, teksty::tytul_programu, !istnieje) && zapisz_model(tekstowy);
}

bool _OKNO_::mozna_porzucic_zmiany()
{
    const QString pytanie = plik_modelu_.isEmpty()
                                ? QString(teksty::zapisac_zmiany)
                                : QString(teksty::zapisac_zmiany_w_pliku).arg(QFileInfo(plik_modelu_).fileName());
    switch (rozmowa_->pytanie_o_zapis(pytanie, teksty::tytul_programu)) {
    case _ROZMOWA_::Odpowiedz::tak: return zapisz_zmiany();
    case _ROZMOWA_::Odpowiedz::nie: return true;
    case _ROZMOWA_::Odpowiedz::anuluj: break;
    }
    return false;
}

// Into the file the model came from, or through "Zapisz Jako" when there is none.
bool _OKNO_::zapisz_zmiany()
{
    if (!plik_modelu_.isEmpty())
        return zapisz_model(plik_modelu_);
    const auto sciezka = rozmowa_->wybierz_plik(_ROZMOWA_::Wybor::zapisz, *_plik_);
    return sciezka && zapisz_model(*sciezka);
}

void _OKNO_::blad_dyskowy(const char* tekst, const QString& sciezka, const std::string& powod)
{
    rozmowa_->komunikat(tekst, teksty::blad_dyskowy, _ROZMOWA_::Ikona::wykrzyknik,
                        sciezka + ": " + QString::fromStdString(powod));
}

// Never two reads at once, and never while a handler or a dialog works on the
// model: a change that comes then is read once it is over.
void _OKNO_::plik_zmieniony()
{
    if (czytam_plik_) {
        jeszcze_raz_ = true;
        return;
    }
    if (zajety_ > 0 || QApplication::activeModalWidget()) {
        zmiana_pliku_czeka_ = true;
        if (zajety_ == 0) // a dialog no handler waits for: look again later
            QTimer::singleShot(250, this, [this] { plik_zmieniony(); });
        return;
    }
    zmiana_pliku_czeka_ = false;
    czytam_plik_ = true;
    do {
        jeszcze_raz_ = false;
        wczytaj_ponownie();
    } while (jeszcze_raz_ && !obserwator_.sciezka().isEmpty());
    czytam_plik_ = false;
}

void _OKNO_::plik_zniknal() { pokaz_stan_pliku(teksty::plik_zniknal); }

// As "Otwórz" would read it, keeping the view switches and the open table
// windows. Edits of the window's own are dropped only when the user says so,
// asked before anything is read. A file that cannot be read (an editor
// halfway through writing it) keeps the model; the title says why until the
// file reads again, and a box says it once to a user who asked for the read.
void _OKNO_::wczytaj_ponownie()
{
    const QString sciezka = obserwator_.sciezka();
    if (sciezka.isEmpty())
        return;
    obserwator_.widziany();
    const bool zapytany = ma_niezapisane_zmiany();
    if (zapytany && !rozmowa_->pytanie(QString(teksty::plik_zmieniony).arg(QFileInfo(sciezka).fileName()),
                                       teksty::tytul_programu, false))
        return;
    std::string tekst;
    WynikOdczytu odczyt = czytaj_plik_modelu(nazwa_pliku(sciezka), &tekst);
    if (odczyt.stan != Odczyt::ok) {
        pokaz_stan_pliku(QString(teksty::plik_nieczytelny).arg(QString::fromStdString(odczyt.powod)));
        if (zapytany)
            blad_odczytu(odczyt, sciezka);
        return;
    }
    if (zastap_model(odczyt.tablice, odczyt.naprawione, Okna::zostaw))
        przyjmij_plik(sciezka, std::move(tekst));
}

// In the frame's title after the file's name; the title is the program's
// own again when the file reads well.
void _OKNO_::pokaz_stan_pliku(const QString& stan)
{
    stan_pliku_ = stan;
    QString tytul = teksty::tytul_programu;
    if (!stan.isEmpty())
        tytul += " – " + QFileInfo(obserwator_.sciezka()).fileName() + ": " + stan;
    window()->setWindowTitle(tytul);
}

// The picture as the window shows it now: its size, the stress switch and the
// outline mode. A name that ends in neither .png nor .svg gets the ending of
// the kind chosen in the dialog, so the file's contents never contradict its name.
void _OKNO_::Cm_Rysunek()
{
    if (Pusty)
        return;
    const auto wybrana = rozmowa_->wybierz_plik(_ROZMOWA_::Wybor::zapisz, plik_rysunku_);
    if (!wybrana)
        return;
    QString sciezka = *wybrana;
    if (!konczy_sie_na(nazwa_pliku(sciezka), ".png") && !konczy_sie_na(nazwa_pliku(sciezka), ".svg"))
        sciezka += "." + koncowka_filtra(plik_rysunku_.wybrany_filtr, plik_rysunku_.rozszerzenie);
    const ObrazWidoku obraz = rysuj(UstawieniaWidoku{p_napr, p_przem, &knapr}, width(), height());
    std::string powod;
    if (!zapisz_obraz(nazwa_pliku(sciezka), obraz.rysunek, width(), height(), powod))
        blad_dyskowy(teksty::nie_mozna_zapisac, sciezka, powod);
}

// The report of zenta-oblicz --raport, named after the model's file, and
// saying so when the window has changed the model since.
void _OKNO_::Cm_Raport()
{
    if (Pusty)
        return;
    const auto sciezka = rozmowa_->wybierz_plik(_ROZMOWA_::Wybor::zapisz, plik_raportu_);
    if (!sciezka)
        return;
    const bool z_pliku = !plik_modelu_.isEmpty();
    const QString model = z_pliku ? QFileInfo(plik_modelu_).fileName() : QString("model");
    const bool zmieniony = z_pliku && ma_niezapisane_zmiany();
    std::string powod;
    const auto tresc = [&model, zmieniony](const Ujscie& ujscie) {
        Strumien s(ujscie);
        return zapisz_raport(s, QFile::encodeName(model).toStdString(), {}, zmieniony);
    };
    if (!zapisz_bezpiecznie(nazwa_pliku(*sciezka), tresc, &powod))
        blad_dyskowy(teksty::nie_mozna_zapisac, *sciezka, powod);
}
