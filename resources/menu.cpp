#include "menu.h"

namespace {

constexpr PozycjaMenu pozycje[] = {
    {"&Plik", "&Nowy", 1070},
    {"&Plik", "&Otwórz", 1020},
    {"&Plik", "Zapisz &Jako", 1060},
    {"&Plik", "Zapisz &rysunek...", 1080},
    {"&Plik", "Raport &HTML...", 1090},
    {"&Plik", nullptr, 0},
    {"&Plik", "&Koniec", 1040},
    {"&Edycja", "&Cofnij", 1300, "Ctrl+Z"},
    {"&Edycja", "&Ponów", 1310, "Ctrl+Y; Ctrl+Shift+Z"},
    {"&Edycja", nullptr, 0},
    {"&Edycja", "&Obciążenie ciągłe...", 1320},
    {"&Edycja", "Ciężar &własny...", 1330},
    {"&Edycja", "&Sprężyna...", 1340},
    {"&Edycja", nullptr, 0},
    {"&Edycja", "Podziel &element...", 1350},
    {"&Edycja", "&Złącz elementy w węźle...", 1360},
    {"&Edycja", "Dodaj element na &końcu...", 1370},
    {"&Edycja", "Dodaj element na począ&tku...", 1380},
    {"&Edycja", "&Usuń element końcowy", 1390},
    {"&Edycja", "Usuń eleme&nt początkowy", 1400},
    {"&Edycja", "Dodaj podpo&rę...", 1410},
    {"&Edycja", "Usuń po&dporę...", 1420},
    {"&Edycja", "Podziel k&ażdy element na k części...", 1430},
    {"&Widok", "&Odśwież", 1010},
    {"&Widok", "&Naprężenia", 1120},
    {"&Widok", "&Wyniki obliczeń", 1130},
    {"&Widok", "&Dane obliczeniowe", 1140},
    {"&Widok", "Wy&kresy", 1150},
    {"&Pomoc", "&Pomoc", 51682},
    {"&Pomoc", nullptr, 0},
    {"&Pomoc", "&O programie...", 1200},
};

} // namespace

std::span<const PozycjaMenu> menu_1000() { return pozycje; }
