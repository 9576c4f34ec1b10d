#include "sprawdz_model.h"

#include "kody.h"
#include "model.h"
#include "sprawdzenie.h"

int sprawdz_model(const std::vector<NaprawionaPodpora>& naprawione, Strumien& s)
{
    s << "Sprawdzenie modelu (elementów: " << il_elem << ", węzłów: " << il_wezl << ", podpór: " << il_podpor
      << ")\n";
    std::vector<Uwaga> uwagi = sprawdz_dane(naprawione);
    const bool mozna_liczyc = !sa_bledy(uwagi);
    if (mozna_liczyc) {
        const std::vector<Uwaga> po = sprawdz_wyniki();
        uwagi.insert(uwagi.end(), po.begin(), po.end());
    }
    int bledy = 0;
    for (const Uwaga& u : uwagi) {
        bledy += u.waga == Waga::blad;
        s << (u.waga == Waga::blad ? "BŁĄD: " : "UWAGA: ") << u.tekst << '\n';
    }
    if (uwagi.empty())
        s << "Nie znaleziono usterek.\n";
    else
        s << "Błędów: " << bledy << ", uwag: " << int(uwagi.size()) - bledy << '.'
          << (mozna_liczyc ? "" : " Obliczenia z takimi danymi nie dadzą sensownych liczb.") << '\n';
    return uwagi.empty() ? sukces : model_z_usterkami;
}
