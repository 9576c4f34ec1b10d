// Changing the bar's structure: from "Edycja" and from the bar's own menu
// under the right button, each change one step to undo.

#include "okno.h"

#include "edycja.h"
#include "krok_przebudowy.h"
#include "model.h"
#include "odczyt.h"
#include "pola_rekordu.h"
#include "przebudowy.h"
#include "teksty.h"

#include <QContextMenuEvent>
#include <QMenu>

#include <cmath>
#include <utility>

namespace {

// The number last typed into a field, while it is still one of 1..gorna.
template <std::size_t N>
int ostatni(const char (&pole)[N], int gorna, int domyslny)
{
    const int n = calkowita(pole);
    return n >= 1 && n <= gorna ? n : domyslny;
}

} // namespace

void _OKNO_::przebuduj(const std::function<std::optional<Przeksztalcenie>()>& pytanie)
{
    if (Pusty)
        return;
    Zajety zajety(*this);
    const int pokolenie = pokolenie_modelu;
    const std::optional<Przeksztalcenie> p = pytanie();
    if (!p)
        return;
    const auto odrzucona = [this](KrokPrzebudowy::Odmowa powod) {
        rozmowa_->komunikat(powod == KrokPrzebudowy::Odmowa::inny_model ? teksty::zmiana_odrzucona
                                                                        : teksty::brak_pamieci_na_przebudowe,
                            teksty::uwaga, _ROZMOWA_::Ikona::wykrzyknik);
    };
    if (Pusty || pokolenie != pokolenie_modelu)
        return odrzucona(KrokPrzebudowy::Odmowa::inny_model);
    historia_.push(new KrokPrzebudowy(
        *p, pokolenie, [this] { po_edycji(); }, odrzucona));
}

void _OKNO_::Cm_PodzielElement()
{
    przebuduj([this] { return podzial_elementu(*rozmowa_, danepd, ostatni(danepd.i, il_elem, 1)); });
}

void _OKNO_::Cm_Zlacz()
{
    przebuduj([this] { return zlaczenie_w_wezle(*rozmowa_, danezl, ostatni(danezl.i, il_wezl, 2), true); });
}

void _OKNO_::Cm_DodajNaKoncu()
{
    przebuduj([this] { return nowy_element(*rozmowa_, danene, Koniec::koniec); });
}

void _OKNO_::Cm_DodajNaPoczatku()
{
    przebuduj([this] { return nowy_element(*rozmowa_, danene, Koniec::poczatek); });
}

void _OKNO_::Cm_UsunKoncowy()
{
    przebuduj([this] { return usuniecie_elementu(*rozmowa_, Koniec::koniec); });
}

void _OKNO_::Cm_UsunPoczatkowy()
{
    przebuduj([this] { return usuniecie_elementu(*rozmowa_, Koniec::poczatek); });
}

void _OKNO_::Cm_DodajPodpore()
{
    przebuduj([this] { return nowa_podpora(*rozmowa_, danewy, il_wezl); });
}

void _OKNO_::Cm_UsunPodpore()
{
    przebuduj([this] {
        return usuniecie_podpory(*rozmowa_, daneup, ostatni(daneup.i, il_podpor, il_podpor), true);
    });
}

void _OKNO_::Cm_PodzielKazdy()
{
    przebuduj([this] { return podzial_kazdego(*rozmowa_, danepk); });
}

std::unique_ptr<QMenu> _OKNO_::menu_preta(QPoint ww)
{
    const float wx = wspolrzedna(ww.x());
    const int i = element_pod(wx);
    if (Pusty || i < 1)
        return nullptr;
    return menu_zmian(i, std::fabs(wx - ::x[i]) <= std::fabs(wx - ::x[i + 1]) ? i : i + 1);
}

std::unique_ptr<QMenu> _OKNO_::menu_wiersza(tabele::WierszDanych wiersz)
{
    if (Pusty)
        return nullptr;
    using enum tabele::WierszDanych::Blok;
    switch (wiersz.blok) {
    case element:
    case obciazenie: return menu_zmian(wiersz.numer, 0);
    case wezel:
    case sprezyna: return menu_zmian(0, wiersz.numer);
    case podpora: return menu_zmian(0, nu[wiersz.numer]);
    }
    return nullptr;
}

// Element i and node j (0: none) as the user points at them.
std::unique_ptr<QMenu> _OKNO_::menu_zmian(int i, int j)
{
    auto menu = std::make_unique<QMenu>(this);
    // Its numbers are the model's as it was when the menu opened.
    const auto dzialanie = [this,
                            stan = std::pair(pokolenie_modelu, licznik_zmian())](std::function<void()> f) {
        return [this, stan, f] {
            if (Pusty || stan != std::pair(pokolenie_modelu, licznik_zmian()))
                return rozmowa_->komunikat(teksty::zmiana_odrzucona, teksty::uwaga,
                                           _ROZMOWA_::Ikona::wykrzyknik);
            f();
        };
    };
    const auto pozycja = [&](const QString& tekst, std::function<std::optional<Przeksztalcenie>()> pytanie) {
        connect(menu->addAction(tekst), &QAction::triggered, this,
                dzialanie([this, pytanie] { przebuduj(pytanie); }));
    };
    if (i >= 1 && i <= il_elem)
        pozycja(QString("Podziel element %1...").arg(i),
                [this, i] { return podzial_elementu(*rozmowa_, danepd, i); });
    if (j > 1 && j < il_wezl)
        pozycja(QString("Złącz elementy w węźle %1").arg(j),
                [this, j] { return zlaczenie_w_wezle(*rozmowa_, danezl, j, false); });
    for (const Koniec k : {Koniec::poczatek, Koniec::koniec}) {
        const bool pocz = k == Koniec::poczatek;
        if (i < 1 || i != (pocz ? 1 : il_elem))
            continue;
        pozycja(pocz ? "Dodaj element na początku..." : "Dodaj element na końcu...",
                [this, k] { return nowy_element(*rozmowa_, danene, k); });
        pozycja(QString(pocz ? "Usuń element początkowy %1" : "Usuń element końcowy %1").arg(i),
                [this, k] { return usuniecie_elementu(*rozmowa_, k); });
    }
    if (j >= 1 && j <= il_wezl) {
        if (const int k = podpora_w_wezle(j))
            pozycja(QString("Usuń podporę %1 w węźle %2").arg(k).arg(j),
                    [this, k] { return usuniecie_podpory(*rozmowa_, daneup, k, false); });
        else
            pozycja(QString("Dodaj podporę w węźle %1...").arg(j),
                    [this, j] { return nowa_podpora(*rozmowa_, danewy, j); });
        connect(menu->addAction(QString("Węzeł %1: współrzędna i siła...").arg(j)), &QAction::triggered, this,
                dzialanie([this, j] {
                    edytuj_wiersz({tabele::WierszDanych::Blok::wezel, j});
                }));
    }
    menu->addSeparator();
    pozycja("Podziel każdy element na k części...", [this] { return podzial_kazdego(*rozmowa_, danepk); });
    return menu;
}

// The menu's loop lets the file watcher's timers through: the model stays
// until the chosen change is made.
void _OKNO_::pokaz_menu(std::unique_ptr<QMenu> menu, QPoint gdzie)
{
    if (menu)
        menu->exec(gdzie);
}

void _OKNO_::contextMenuEvent(QContextMenuEvent* zdarzenie)
{
    if (Pusty)
        return;
    Zajety zajety(*this);
    dymek_->hide();
    pokaz_menu(menu_preta(zdarzenie->pos()), zdarzenie->globalPos());
}

void _OKNO_::menu_wiersza(tabele::WierszDanych wiersz, QPoint gdzie)
{
    if (Pusty)
        return;
    Zajety zajety(*this);
    pokaz_menu(menu_wiersza(wiersz), gdzie);
}
