// The model held by the main view: replacing it, releasing it, analysing it,
// and saying so when its results cannot be trusted.

#include "okno.h"

#include "analiza.h"
#include "instalacja.h"
#include "model.h"
#include "okno_tabeli.h"
#include "okno_wykresow.h"
#include "sprawdzenie.h"
#include "teksty.h"
#include "wsk_ob.h"

namespace {

// The check's faults under their heading, one a paragraph.
QString akapity(QString tekst, const std::vector<Uwaga>& uwagi)
{
    for (const Uwaga& u : uwagi)
        tekst += "\n\n" + QString::fromStdString(u.tekst);
    return tekst;
}

} // namespace

void _OKNO_::Zwol_pam() { zwolnij(Okna::zamknij); }

void _OKNO_::zwolnij(Okna okna)
{
    switch (zwolnij_model()) {
    case Zwolnienie::zwolniono:
        historia_.clear();
        obserwator_.przestan();
        plik_modelu_.clear();
        tekst_zrodlowy_.clear();
        tekst_zrodlowy_.shrink_to_fit();
        if (!stan_pliku_.isEmpty())
            pokaz_stan_pliku({});
        if (okna == Okna::zamknij)
            zamknij_tabele();
        OknoTabeli::odswiez_wszystkie();
        OknoWykresow::odswiez_wszystkie();
        break;
    case Zwolnienie::brak_modelu:
        rozmowa_->pytanie(teksty::nie_zwolnil_pusty, teksty::uwaga);
        break;
    case Zwolnienie::zle_liczniki:
        rozmowa_->pytanie(teksty::nie_zwolnil_pamieci, teksty::uwaga);
        break;
    }
    update();
}

bool _OKNO_::zastap_model(Tablice t, std::span<const NaprawionaPodpora> naprawione, Okna okna)
{
    if (!Pusty)
        zwolnij(okna);
    if (!Pusty) {
        zwolnij_tablice(t);
        return false;
    }
    historia_.clear(); // a new model starts a new history
    {
        _WSK_OB_ postep(this, teksty::obliczenia);
        zainstaluj_model(t, [&postep](int wartosc) { postep.ustaw(wartosc); });
    }
    update();
    if (!po_analizie())
        ostrzez_o_usterkach(naprawione);
    return true;
}

void _OKNO_::Macierze() { ::Macierze(); }

void _OKNO_::Oblicz()
{
    _WSK_OB_ postep(this, teksty::obliczenia);
    ::Oblicz([&postep](int wartosc) { postep.ustaw(wartosc); });
}

void _OKNO_::przelicz()
{
    Macierze();
    Oblicz();
    po_analizie();
}

bool _OKNO_::po_analizie()
{
    OknoTabeli::odswiez_wszystkie();
    OknoWykresow::odswiez_wszystkie();
    const std::optional<std::string> nieliczbowy = wynik_nieliczbowy();
    if (nieliczbowy) {
        const QString pierwszy = QString(teksty::wyniki_nieliczbowe).arg(QString::fromStdString(*nieliczbowy));
        rozmowa_->komunikat(akapity(pierwszy, przyczyny_wynikow_nieliczbowych()), teksty::uwaga,
                            _ROZMOWA_::Ikona::wykrzyknik);
    }
    return nieliczbowy.has_value();
}

// One box for all of them, worded as zenta-oblicz --sprawdz words them.
void _OKNO_::ostrzez_o_usterkach(std::span<const NaprawionaPodpora> naprawione)
{
    const std::vector<Uwaga> usterki = usterki_falszujace_wyniki(naprawione);
    if (!usterki.empty())
        rozmowa_->komunikat(akapity(teksty::usterki_wynikow, usterki), teksty::uwaga,
                            _ROZMOWA_::Ikona::wykrzyknik);
}
