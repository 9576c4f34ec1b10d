// Every bar in examples/ against the closed-form answer in its comments:
//   #! napr I = V, #! u J = V, #! reakcja K = V   stress, displacement, reaction
//   #! napr_pocz I = V, #! napr_kon I = V         the exact stress at element I's ends
//   #! sprezyna J = V                             the force of node J's spring
//   #! tolerancja T, #! tolerancja RODZAJ T        |ZENTA - V| <= T · (largest |V| of
//                                                  that kind, or 1 when all are 0)

#include "instalacja.h"
#include "model.h"
#include "pochodne.h"
#include "pret.h"
#include "tekst_modelu.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace fs = std::filesystem;

TEST(Przyklady, EveryExampleMatchesItsClosedFormAnswer)
{
    int ile = 0;
    for (const fs::directory_entry& wpis : fs::directory_iterator(ZENTA_PRZYKLADY)) {
        if (wpis.path().extension() != ".txt")
            continue;
        SCOPED_TRACE(wpis.path().filename().string());
        ++ile;
        std::ifstream plik(wpis.path());
        const std::string tekst{std::istreambuf_iterator<char>(plik), {}};
        std::map<std::string, double> tolerancja, skala; // by kind; "" for every kind
        std::vector<std::tuple<std::string, int, double>> oczekiwane;
        std::istringstream wiersze(tekst);
        for (std::string w; std::getline(wiersze, w);) {
            std::istringstream s(w);
            std::string znak, rodzaj, rowna_sie, a, b;
            if (!(s >> znak >> rodzaj) || znak != "#!")
                continue;
            if (rodzaj == "tolerancja") {
                s >> a >> b;
                tolerancja[b.empty() ? "" : a] = std::stod(b.empty() ? a : b);
                continue;
            }
            int numer = 0;
            double wartosc = 0;
            s >> numer >> rowna_sie >> wartosc;
            EXPECT_TRUE(s && rowna_sie == "=") << w;
            oczekiwane.emplace_back(rodzaj, numer, wartosc);
            skala[rodzaj] = std::fmax(skala[rodzaj], std::fabs(wartosc));
        }
        ASSERT_GT(tolerancja[""], 0.0);
        ASSERT_GE(oczekiwane.size(), 3u);
        WynikTekstu w = czytaj_tekst_modelu(tekst);
        ASSERT_TRUE(w.ok) << w.blad;
        usun_model();
        zainstaluj_model(w.tablice);
        const std::map<std::string, std::pair<std::function<double(int)>, int>> wyniki = {
            {"napr", {[](int i) { return stress[i]; }, il_elem}},
            {"u", {[](int j) { return f[j]; }, il_wezl}},
            {"reakcja", {[](int k) { return react[k]; }, il_podpor}},
            {"napr_pocz", {[](int i) { return naprezenie_w(i, 0); }, il_elem}},
            {"napr_kon", {[](int i) { return naprezenie_w(i, 1); }, il_elem}},
            {"sprezyna", {sila_sprezyny, il_wezl}}};
        for (const auto& [rodzaj, numer, wartosc] : oczekiwane) {
            ASSERT_TRUE(wyniki.contains(rodzaj) && numer >= 1 && numer <= wyniki.at(rodzaj).second) << rodzaj;
            const double t = tolerancja.contains(rodzaj) ? tolerancja[rodzaj] : tolerancja[""];
            EXPECT_NEAR(wyniki.at(rodzaj).first(numer), wartosc, t * (skala[rodzaj] > 0 ? skala[rodzaj] : 1.0))
                << rodzaj << " " << numer;
        }
        usun_model();
    }
    EXPECT_GE(ile, 10);
}
