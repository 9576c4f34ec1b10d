#include "polecenia.h"

#include "okno.h"

#include <algorithm>

namespace {

const Polecenie tablica[] = {
    {1070, &_OKNO_::Cm_Nowy, nullptr},
    {1020, &_OKNO_::Cm_Otworz, nullptr},
    {1060, &_OKNO_::Cm_Zapisz, nullptr},
    {1080, &_OKNO_::Cm_Rysunek, nullptr},
    {1090, &_OKNO_::Cm_Raport, nullptr},
    {1030, &_OKNO_::Cm_Zapisz, nullptr},
    {1040, &_OKNO_::Cm_Koniec, nullptr},
    {1300, &_OKNO_::Cm_Cofnij, &_OKNO_::Ce_Cofnij},
    {1310, &_OKNO_::Cm_Ponow, &_OKNO_::Ce_Ponow},
    {1320, &_OKNO_::Cm_ObciazenieCiagle, nullptr},
    {1330, &_OKNO_::Cm_CiezarWlasny, nullptr},
    {1340, &_OKNO_::Cm_Sprezyna, nullptr},
    {1350, &_OKNO_::Cm_PodzielElement, nullptr},
    {1360, &_OKNO_::Cm_Zlacz, nullptr},
    {1370, &_OKNO_::Cm_DodajNaKoncu, nullptr},
    {1380, &_OKNO_::Cm_DodajNaPoczatku, nullptr},
    {1390, &_OKNO_::Cm_UsunKoncowy, nullptr},
    {1400, &_OKNO_::Cm_UsunPoczatkowy, nullptr},
    {1410, &_OKNO_::Cm_DodajPodpore, nullptr},
    {1420, &_OKNO_::Cm_UsunPodpore, nullptr},
    {1430, &_OKNO_::Cm_PodzielKazdy, nullptr},
    {1010, &_OKNO_::Cm_ODSWIEZ, nullptr},
    {1120, &_OKNO_::Cm_Napr, &_OKNO_::Ce_Napr},
    {1110, &_OKNO_::Cm_Przem, &_OKNO_::Ce_Przem},
    {1130, &_OKNO_::Cm_Wyniki, nullptr},
    {1140, &_OKNO_::Cm_Dane, nullptr},
    {1150, &_OKNO_::Cm_Wykresy, nullptr},
    {51682, &_OKNO_::Cm_POMOC, nullptr},
    {1200, &_OKNO_::Cm_About, nullptr},
};

} // namespace

std::span<const Polecenie> polecenia_okna() { return tablica; }

const Polecenie* znajdz_polecenie(int id)
{
    const auto it = std::find_if(std::begin(tablica), std::end(tablica), [id](const Polecenie& p) { return p.id == id; });
    return it == std::end(tablica) ? nullptr : &*it;
}
