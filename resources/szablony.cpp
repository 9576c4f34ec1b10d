#include "szablony.h"

namespace {

using enum RodzajKontrolki;

constexpr Kontrolka dane_podstawowe[] = {
    {edycja, 3001, "", 156, 12, 44, 13, cyfry},
    {etykieta, -1, "Ilość elementów (>2)", 12, 17, 92, 9, zwykly},
    {etykieta, -1, "Ilość wymuszonych przemieszczeń (1-2)", 12, 33, 116, 8, zwykly},
    {edycja, 3002, "", 156, 29, 44, 13, cyfry},
    {etykieta, -1, "Ilość obciążeń", 12, 50, 112, 9, zwykly},
    {edycja, 3003, "", 156, 47, 44, 14, cyfry},
    {przycisk, 1, "OK", 110, 73, 50, 14, zwykly},
    {przycisk, 2, "Anuluj", 164, 73, 50, 14, zwykly},
    {ramka, -1, "", 4, 4, 212, 65, zwykly},
};

constexpr Kontrolka parametry_przekroju[] = {
    {etykieta, -1, "Pole przekroju ", 8, 36, 88, 13, do_prawej},
    {edycja, 8500, "", 104, 34, 52, 13, zwykly},
    {etykieta, -1, "Moduł Younga", 12, 52, 84, 13, do_prawej},
    {etykieta, -1, "Wsp.rozsz. cieplnej", 20, 72, 76, 14, do_prawej},
    {etykieta, -1, "Przyrost temperatury", 24, 88, 72, 14, do_prawej},
    {edycja, 8501, "", 104, 51, 52, 14, zwykly},
    {edycja, 8502, "", 104, 70, 76, 14, zwykly},
    {edycja, 8503, "", 104, 86, 36, 14, zwykly},
    {ramka, -1, "", 4, 30, 184, 73, zwykly},
    {przycisk, 1, "OK", 40, 107, 50, 14, domyslny},
    {przycisk, 2, "Anuluj", 96, 107, 50, 14, zwykly},
    {edycja, 8004, "", 104, 9, 24, 13, tylko_odczyt | cyfry},
    {ramka, -1, "", 4, 4, 184, 22, zwykly},
    {etykieta, -1, "Numer elementu", 48, 9, 52, 13, zwykly},
};

constexpr Kontrolka wspolrzedne_wezlow[] = {
    {etykieta, -1, "Współrzędna x", 8, 33, 68, 14, do_prawej},
    {edycja, 8500, "", 84, 33, 52, 13, zwykly},
    {ramka, -1, "", 4, 30, 140, 22, zwykly},
    {przycisk, 1, "OK", 20, 56, 50, 14, domyslny},
    {przycisk, 2, "Anuluj", 76, 56, 50, 14, zwykly},
    {edycja, 8004, "", 84, 9, 24, 13, tylko_odczyt | cyfry},
    {ramka, -1, "", 4, 4, 140, 22, zwykly},
    {etykieta, -1, "Numer węzła", 32, 9, 48, 8, zwykly},
};

constexpr Kontrolka wymuszone_przesuniecia[] = {
    {etykieta, -1, "Numer węzła", 8, 34, 52, 13, do_prawej},
    {edycja, 8500, "", 64, 34, 28, 13, cyfry},
    {etykieta, -1, "Przemieszczenie", 108, 34, 52, 13, do_prawej},
    {edycja, 8501, "", 164, 34, 48, 14, zwykly},
    {ramka, -1, "", 4, 30, 212, 22, zwykly},
    {przycisk, 1, "OK", 52, 56, 50, 14, domyslny},
    {przycisk, 2, "Anuluj", 108, 56, 50, 14, zwykly},
    {edycja, 8004, "", 156, 9, 24, 13, tylko_odczyt | cyfry},
    {ramka, -1, "", 4, 4, 212, 22, zwykly},
    {etykieta, -1, "Numer wymuszonego przemieszczenia", 12, 9, 144, 13, zwykly},
};

constexpr Kontrolka obciazenie_silami[] = {
    {etykieta, -1, "Numer węzła", 8, 36, 52, 13, do_prawej},
    {edycja, 8500, "", 64, 34, 28, 13, cyfry},
    {etykieta, -1, "Wartość siły", 92, 36, 56, 13, do_prawej},
    {edycja, 8501, "", 152, 34, 56, 14, zwykly},
    {ramka, -1, "", 4, 30, 212, 22, zwykly},
    {przycisk, 1, "OK", 52, 56, 50, 14, domyslny},
    {przycisk, 2, "Anuluj", 108, 56, 50, 14, zwykly},
    {edycja, 8004, "", 128, 9, 24, 13, tylko_odczyt | cyfry},
    {ramka, -1, "", 4, 4, 212, 22, zwykly},
    {etykieta, -1, "Numer siły", 80, 11, 44, 13, zwykly},
};

constexpr Kontrolka obciazenie_ciagle[] = {
    {etykieta, -1, "Od elementu", 8, 10, 52, 13, do_prawej},
    {edycja, 8500, "", 64, 8, 40, 13, cyfry},
    {etykieta, -1, "do", 108, 10, 16, 13, do_prawej},
    {edycja, 8501, "", 128, 8, 40, 13, cyfry},
    {ramka, -1, "", 4, 4, 212, 22, zwykly},
    {etykieta, -1, "Obciążenie q", 8, 35, 52, 13, do_prawej},
    {edycja, 8502, "", 64, 33, 76, 14, zwykly},
    {etykieta, -1, "siła na jednostkę długości, dodatnia wzdłuż x", 12, 51, 200, 9, zwykly},
    {ramka, -1, "", 4, 30, 212, 34, zwykly},
    {przycisk, 1, "OK", 52, 70, 50, 14, domyslny},
    {przycisk, 2, "Anuluj", 108, 70, 50, 14, zwykly},
};

constexpr Kontrolka ciezar_wlasny[] = {
    {etykieta, -1, "Ciężar właściwy γ", 8, 10, 72, 13, do_prawej},
    {edycja, 8500, "", 84, 8, 76, 14, zwykly},
    {etykieta, -1, "Kierunek (+x lub -x)", 8, 29, 72, 13, do_prawej},
    {edycja, 8501, "", 84, 27, 20, 14, zwykly},
    {etykieta, -1, "q = ±γ·A w każdym elemencie", 12, 47, 200, 9, zwykly},
    {ramka, -1, "", 4, 4, 212, 56, zwykly},
    {przycisk, 1, "OK", 52, 66, 50, 14, domyslny},
    {przycisk, 2, "Anuluj", 108, 66, 50, 14, zwykly},
};

constexpr Kontrolka sprezyna[] = {
    {etykieta, -1, "Numer węzła", 8, 10, 52, 13, do_prawej},
    {edycja, 8500, "", 64, 8, 40, 13, cyfry},
    {ramka, -1, "", 4, 4, 212, 22, zwykly},
    {etykieta, -1, "Sztywność k", 8, 35, 52, 13, do_prawej},
    {edycja, 8501, "", 64, 33, 76, 14, zwykly},
    {etykieta, -1, "(0 usuwa sprężynę)", 144, 35, 68, 13, zwykly},
    {ramka, -1, "", 4, 30, 212, 22, zwykly},
    {przycisk, 1, "OK", 52, 56, 50, 14, domyslny},
    {przycisk, 2, "Anuluj", 108, 56, 50, 14, zwykly},
};

constexpr Kontrolka podzial[] = {
    {etykieta, -1, "Numer elementu", 8, 10, 60, 13, do_prawej},
    {edycja, 8500, "", 72, 8, 40, 13, cyfry},
    {etykieta, -1, "Współrzędna x", 8, 29, 60, 13, do_prawej},
    {edycja, 8501, "", 72, 27, 76, 14, zwykly},
    {etykieta, -1, "nowy węzeł, ściśle między węzłami elementu", 12, 47, 200, 9, zwykly},
    {ramka, -1, "", 4, 4, 212, 56, zwykly},
    {przycisk, 1, "OK", 52, 66, 50, 14, domyslny},
    {przycisk, 2, "Anuluj", 108, 66, 50, 14, zwykly},
};

constexpr Kontrolka zlaczenie[] = {
    {etykieta, -1, "Numer węzła", 8, 10, 52, 13, do_prawej},
    {edycja, 8500, "", 64, 8, 40, 13, cyfry},
    {etykieta, -1, "bez podpory, sprężyny i siły", 108, 10, 104, 13, zwykly},
    {ramka, -1, "", 4, 4, 212, 22, zwykly},
    {przycisk, 1, "OK", 52, 30, 50, 14, domyslny},
    {przycisk, 2, "Anuluj", 108, 30, 50, 14, zwykly},
};

constexpr Kontrolka nowy_element[] = {
    {etykieta, -1, "Długość", 8, 10, 60, 13, do_prawej},
    {edycja, 8500, "", 72, 8, 76, 14, zwykly},
    {etykieta, -1, "Pole przekroju", 8, 29, 60, 13, do_prawej},
    {edycja, 8501, "", 72, 27, 76, 14, zwykly},
    {etykieta, -1, "Moduł Younga", 8, 48, 60, 13, do_prawej},
    {edycja, 8502, "", 72, 46, 76, 14, zwykly},
    {etykieta, -1, "reszta danych jak w elemencie końcowym", 12, 66, 200, 9, zwykly},
    {ramka, -1, "", 4, 4, 212, 75, zwykly},
    {przycisk, 1, "OK", 52, 85, 50, 14, domyslny},
    {przycisk, 2, "Anuluj", 108, 85, 50, 14, zwykly},
};

constexpr Kontrolka usuniecie_podpory[] = {
    {etykieta, -1, "Numer podpory", 8, 10, 52, 13, do_prawej},
    {edycja, 8500, "", 64, 8, 40, 13, cyfry},
    {ramka, -1, "", 4, 4, 212, 22, zwykly},
    {przycisk, 1, "OK", 52, 30, 50, 14, domyslny},
    {przycisk, 2, "Anuluj", 108, 30, 50, 14, zwykly},
};

constexpr Kontrolka podzial_kazdego[] = {
    {etykieta, -1, "Liczba części k", 8, 10, 60, 13, do_prawej},
    {edycja, 8500, "", 72, 8, 24, 13, cyfry},
    {etykieta, -1, "(2 do 10)", 108, 10, 60, 13, zwykly},
    {ramka, -1, "", 4, 4, 212, 22, zwykly},
    {przycisk, 1, "OK", 52, 30, 50, 14, domyslny},
    {przycisk, 2, "Anuluj", 108, 30, 50, 14, zwykly},
};

constexpr Szablon szablony[] = {
    {3000, "Dane podstawowe", 145, 61, 221, 91, dane_podstawowe},
    {3010, "Parametry przekroju", 82, 9, 191, 124, parametry_przekroju},
    {3020, "Współrzędne węzłów", 82, 9, 147, 73, wspolrzedne_wezlow},
    {3030, "Wymuszone przesuniecia", 82, 9, 221, 74, wymuszone_przesuniecia},
    {3040, "Obciążenie węzłów siłami", 82, 9, 221, 74, obciazenie_silami},
    {3050, "Obciążenie ciągłe", 82, 9, 221, 88, obciazenie_ciagle},
    {3060, "Ciężar własny", 82, 9, 221, 84, ciezar_wlasny},
    {3070, "Sprężyna", 82, 9, 221, 74, sprezyna},
    {3080, "Podziel element", 82, 9, 221, 84, podzial},
    {3090, "Złącz elementy w węźle", 82, 9, 221, 48, zlaczenie},
    {3100, "Dodaj element", 82, 9, 221, 103, nowy_element},
    {3110, "Usuń podporę", 82, 9, 221, 48, usuniecie_podpory},
    {3120, "Podziel każdy element", 82, 9, 221, 48, podzial_kazdego},
};

} // namespace

const Szablon* szablon(int id)
{
    for (const Szablon& s : szablony)
        if (s.id == id)
            return &s;
    return nullptr;
}
