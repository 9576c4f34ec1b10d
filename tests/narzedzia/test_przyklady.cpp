// Every bar in examples/ against the closed-form answer in its comments:
//   #! napr I = V      stress of element I
//   #! u J = V         displacement of node J
//   #! reakcja K = V   reaction of support K
//   #! tolerancja T    |ZENTA - V| <= T · (largest |V| of that kind, or 1 when all are 0)
//   #! tolerancja R T  the same for kind R only

#include "instalacja.h"
#include "model.h"
#include "pret.h"
#include "tekst_modelu.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Oczekiwanie {
    std::string rodzaj;
    int numer;
    double wartosc;
};

struct Przyklad {
    std::string tekst;
    std::vector<Oczekiwanie> oczekiwania;
    double tolerancja = 0;
    std::map<std::string, double> tolerancje; // of one kind

    double dla(const std::string& rodzaj) const
    {
        const auto t = tolerancje.find(rodzaj);
        return t == tolerancje.end() ? tolerancja : t->second;
    }
};

Przyklad wczytaj(const fs::path& sciezka)
{
    std::ifstream plik(sciezka);
    Przyklad p;
    std::stringstream calosc;
    calosc << plik.rdbuf();
    p.tekst = calosc.str();
    std::istringstream wiersze(p.tekst);
    for (std::string w; std::getline(wiersze, w);) {
        if (!w.starts_with("#! "))
            continue;
        std::istringstream s(w.substr(3));
        std::string rodzaj, rowna_sie;
        s >> rodzaj;
        if (rodzaj == "tolerancja") {
            std::string dalej;
            s >> dalej;
            if (std::isdigit(static_cast<unsigned char>(dalej[0])))
                p.tolerancja = std::stod(dalej);
            else
                s >> p.tolerancje[dalej];
            continue;
        }
        Oczekiwanie o{rodzaj, 0, 0};
        s >> o.numer >> rowna_sie >> o.wartosc;
        EXPECT_TRUE(s && rowna_sie == "=") << w;
        p.oczekiwania.push_back(o);
    }
    return p;
}

double wynik(const Oczekiwanie& o)
{
    if (o.rodzaj == "napr" && o.numer >= 1 && o.numer <= il_elem)
        return stress[o.numer];
    if (o.rodzaj == "u" && o.numer >= 1 && o.numer <= il_wezl)
        return f[o.numer];
    if (o.rodzaj == "reakcja" && o.numer >= 1 && o.numer <= il_podpor)
        return react[o.numer];
    ADD_FAILURE() << "nieznane oczekiwanie: " << o.rodzaj << " " << o.numer;
    return NAN;
}

std::map<std::string, double> skale(const std::vector<Oczekiwanie>& oczekiwania)
{
    std::map<std::string, double> s;
    for (const Oczekiwanie& o : oczekiwania)
        s[o.rodzaj] = std::fmax(s[o.rodzaj], std::fabs(o.wartosc));
    for (auto& [rodzaj, skala] : s)
        if (skala == 0)
            skala = 1;
    return s;
}

} // namespace

TEST(Przyklady, EveryExampleMatchesItsClosedFormAnswer)
{
    int ile = 0;
    for (const fs::directory_entry& wpis : fs::directory_iterator(ZENTA_PRZYKLADY)) {
        if (wpis.path().extension() != ".txt")
            continue;
        SCOPED_TRACE(wpis.path().filename().string());
        ++ile;
        const Przyklad p = wczytaj(wpis.path());
        ASSERT_GT(p.tolerancja, 0.0);
        ASSERT_GE(p.oczekiwania.size(), 3u);
        WynikTekstu w = czytaj_tekst_modelu(p.tekst);
        ASSERT_TRUE(w.ok) << w.blad;
        usun_model();
        zainstaluj_model(w.tablice);
        const auto s = skale(p.oczekiwania);
        for (const Oczekiwanie& o : p.oczekiwania)
            EXPECT_NEAR(wynik(o), o.wartosc, p.dla(o.rodzaj) * s.at(o.rodzaj)) << o.rodzaj << " " << o.numer;
        usun_model();
    }
    EXPECT_GE(ile, 6);
}
