#include "sprawdz_model.h"

#include "kody.h"
#include "model.h"
#include "sprawdzenie.h"
#include "wczytanie.h"

int sprawdz_model(const std::vector<NaprawionaPodpora>& naprawione, std::FILE* out)
{
    std::fprintf(out, "Sprawdzenie modelu (elementów: %d, węzłów: %d, podpór: %d)\n", il_elem, il_wezl,
                 il_podpor);
    std::vector<Uwaga> uwagi = sprawdz_dane(naprawione);
    const bool mozna_liczyc = !sa_bledy(uwagi);
    if (mozna_liczyc) {
        const std::vector<Uwaga> po = sprawdz_wyniki();
        uwagi.insert(uwagi.end(), po.begin(), po.end());
    }
    int bledy = 0;
    for (const Uwaga& u : uwagi) {
        bledy += u.waga == Waga::blad;
        std::fprintf(out, "%s %s\n", u.waga == Waga::blad ? "BŁĄD:" : "UWAGA:", u.tekst.c_str());
    }
    if (uwagi.empty())
        std::fputs("Nie znaleziono usterek.\n", out);
    else
        std::fprintf(out, "Błędów: %d, uwag: %d.%s\n", bledy, int(uwagi.size()) - bledy,
                     mozna_liczyc ? "" : " Obliczenia z takimi danymi nie dadzą sensownych liczb.");
    if (std::fflush(out) != 0 || std::ferror(out))
        return blad_zapisu;
    return uwagi.empty() ? sukces : model_z_usterkami;
}
