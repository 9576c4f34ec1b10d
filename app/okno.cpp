#include "okno.h"

#include "analiza.h"
#include "instalacja.h"
#include "model.h"
#include "polecenia.h"
#include "pomoc.h"
#include "rozmowa_qt.h"
#include "teksty.h"
#include "wlacznik.h"
#include "wsk_ob.h"
#include "wsp.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

_OKNO_::_OKNO_(std::shared_ptr<_ROZMOWA_> rozmowa)
    : _plik_(std::make_unique<RekordPliku>()),
      rozmowa_(rozmowa ? std::move(rozmowa) : std::make_shared<RozmowaQt>(this))
{
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, Qt::white);
    setPalette(paleta);
    setAutoFillBackground(true);
    setMouseTracking(true);
    p_napr = false;
    p_przem = 1;
    x0 = 0.0f;
    sx = 1.0f;
    iw = id = false;
    wsp = new _WSP_(this);
    Pusty = true;
    Pasek_kol();
}

_OKNO_::~_OKNO_()
{
    historia_.blockSignals(true); // the frame listening to it is going too
    if (!Pusty)
        zwolnij_model(); // no repaint or message while the view goes
    if (iw && oo)
        oo->close();
    if (id && dd)
        dd->close();
    if (wykresy_)
        wykresy_->close();
}

bool _OKNO_::polecenie(int id_polecenia)
{
    const Polecenie* p = znajdz_polecenie(id_polecenia);
    if (!p)
        return false;
    Zajety zajety(*this);
    (this->*(p->obsluga))();
    return true;
}

_OKNO_::Zajety::~Zajety()
{
    if (--okno_.zajety_ == 0 && okno_.zmiana_pliku_czeka_)
        QTimer::singleShot(0, &okno_, [okno = &okno_] { okno->plik_zmieniony(); });
}

bool _OKNO_::wlacznik(int id_polecenia, Wlacznik& w)
{
    const Polecenie* p = znajdz_polecenie(id_polecenia);
    if (!p || !p->wlacznik)
        return false;
    (this->*(p->wlacznik))(w);
    return true;
}

// Unsaved edits get the question whether to save them instead.
bool _OKNO_::CanClose()
{
    Zajety zajety(*this);
    if (ma_niezapisane_zmiany())
        return mozna_porzucic_zmiany();
    return rozmowa_->pytanie(teksty::zakonczyc, teksty::tytul_programu);
}

void _OKNO_::Cm_Koniec() { window()->close(); }

void _OKNO_::Cm_ODSWIEZ()
{
    if (Pusty)
        return;
    przelicz();
    update();
}

void _OKNO_::Cm_Napr()
{
    p_napr = !p_napr;
    update();
}

void _OKNO_::Ce_Napr(Wlacznik& w)
{
    w.enable(true);
    w.check(p_napr);
}

void _OKNO_::Cm_Przem()
{
    p_przem = p_przem == 1 ? 0 : 1;
    update();
}

void _OKNO_::Ce_Przem(Wlacznik& w)
{
    w.enable(p_napr);
    w.check(p_przem == 1);
}

void _OKNO_::Cm_About()
{
    rozmowa_->komunikat(teksty::o_programie, teksty::o_programie_tytul, _ROZMOWA_::Ikona::wykrzyknik);
}

void _OKNO_::Cm_POMOC()
{
    rozmowa_->pokaz_pomoc(dokumenty_pomocy(QDir::current(), QCoreApplication::applicationDirPath()));
}

void _OKNO_::EvSize() { update(); }

void _OKNO_::Pasek_kol() { ::Pasek_kol(knapr); }

void _OKNO_::resizeEvent(QResizeEvent*) { EvSize(); }
